#include "panels/scenario/FileAccess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileAccessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "sahne-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    static void put(const std::string& file, const std::string& contents)
    {
        std::ofstream(file, std::ios::binary) << contents;
    }

    static std::string contentsOf(const std::string& file)
    {
        std::string text;
        EXPECT_EQ(readWholeFile(file, text), "") << file;
        return text;
    }

    // Everything in the folder but the given names: leftovers of a failed write.
    std::vector<std::string> othersThan(std::initializer_list<std::string> expected) const
    {
        std::vector<std::string> others;
        for (const auto& item : fs::directory_iterator(folder)) {
            const std::string name = item.path().filename().string();
            if (std::find(expected.begin(), expected.end(), name) == expected.end())
                others.push_back(name);
        }
        return others;
    }

    fs::path folder;
};

}  // namespace

TEST_F(FileAccessTest, ReadsWholeFilesAndNamesWhyOneCannotBeRead)
{
    const std::string bytes("line one\nzero\0byte\r\nend", 23);
    put(path("a.zev"), bytes);
    EXPECT_EQ(contentsOf(path("a.zev")), bytes);

    const std::string big(200000, 'b');
    put(path("big.zev"), big);
    EXPECT_EQ(contentsOf(path("big.zev")), big);

    std::string untouched = "keep";
    // The caller gets Turkish words; the system's own text and the file go to standard error.
    testing::internal::CaptureStderr();
    EXPECT_EQ(readWholeFile(path("missing.zev"), untouched), "boyle bir dosya ya da klasor yok");
    const std::string logged = testing::internal::GetCapturedStderr();
    EXPECT_NE(logged.find(path("missing.zev") + ": No such file or directory"), std::string::npos) << logged;
    EXPECT_EQ(readWholeFile(folder.string(), untouched), "bu bir klasor, dosya degil");
    EXPECT_EQ(untouched, "keep");
}

TEST_F(FileAccessTest, CreatesAndReplacesFilesLeavingNoTemporaryBehind)
{
    EXPECT_EQ(replaceFileContents(path("new.zev"), "first"), "");
    EXPECT_EQ(contentsOf(path("new.zev")), "first");
    EXPECT_EQ(replaceFileContents(path("new.zev"), ""), "");
    EXPECT_EQ(contentsOf(path("new.zev")), "");
    EXPECT_TRUE(othersThan({"new.zev"}).empty());

    const mode_t mask = umask(022);
    EXPECT_EQ(replaceFileContents(path("fresh.zev"), "x"), "");
    umask(mask);
    EXPECT_EQ(fs::status(path("fresh.zev")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(FileAccessTest, KeepsPermissionsAndSymbolicLinks)
{
    put(path("real.zev"), "old");
    fs::permissions(path("real.zev"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.zev", path("link.zev"));

    EXPECT_EQ(replaceFileContents(path("link.zev"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(path("link.zev")));
    EXPECT_EQ(contentsOf(path("real.zev")), "new");
    EXPECT_EQ(fs::status(path("real.zev")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileAccessTest, FailedWritesReportWhyAndChangeNothing)
{
    fs::create_directory(path("folder.zev"));
    put(path("folder.zev/inside"), "kept");
    EXPECT_EQ(replaceFileContents(path("folder.zev"), "data"), "bu bir klasor, dosya degil");
    EXPECT_EQ(contentsOf(path("folder.zev/inside")), "kept");

    put(path("plain"), "plain file");
    EXPECT_EQ(replaceFileContents(path("plain/child.zev"), "data"), "yoldaki bir ad klasor degil");
    EXPECT_EQ(replaceFileContents(path("nowhere/child.zev"), "data"), "boyle bir dosya ya da klasor yok");
    EXPECT_EQ(contentsOf(path("plain")), "plain file");
    EXPECT_TRUE(othersThan({"folder.zev", "plain"}).empty());
}

// A disk that fills up half way: the file size limit makes write() fail the same way.
TEST_F(FileAccessTest, AFullDiskLeavesTheOldFileIntact)
{
    put(path("save.zev"), "the old scenario");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    const std::string error = replaceFileContents(path("save.zev"), std::string(10000, 'n'));

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, "dosya cok buyuk");
    EXPECT_EQ(contentsOf(path("save.zev")), "the old scenario");
    EXPECT_TRUE(othersThan({"save.zev"}).empty());
}

// Runs as an ordinary user in a child process: root may write anywhere.
TEST_F(FileAccessTest, WithoutWritePermissionNothingChanges)
{
    put(path("locked.zev"), "locked");
    fs::permissions(path("locked.zev"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(path("closed"));
    put(path("closed/inside.zev"), "inside");
    fs::permissions(path("closed"), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder, fs::perms::all);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const uid_t nobody = 65534;
        if (getuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0))
            _exit(10);
        const bool refusedFile = replaceFileContents(path("locked.zev"), "changed") == "izin yok";
        const bool refusedFolder = replaceFileContents(path("closed/inside.zev"), "changed") == "izin yok";
        _exit(refusedFile && refusedFolder ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(contentsOf(path("locked.zev")), "locked");
    EXPECT_EQ(contentsOf(path("closed/inside.zev")), "inside");
    EXPECT_TRUE(othersThan({"locked.zev", "closed"}).empty());
}
