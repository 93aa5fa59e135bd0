#include "document/FileAccess.h"
#include "document/SystemErrorWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
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
    EXPECT_EQ(std::distance(fs::directory_iterator(path("closed")), fs::directory_iterator()), 1);
}

// The bytes go to the file at the end of the chain; every link stays as it was.
TEST_F(FileAccessTest, SavesThroughChainsOfRelativeLinks)
{
    fs::create_directory(path("real"));
    fs::create_directory(path("links"));
    put(path("real/scene.zev"), "old");
    fs::create_symlink("../real/scene.zev", path("links/first.zev"));
    fs::create_symlink("first.zev", path("links/second.zev"));

    EXPECT_EQ(replaceFileContents(path("links/second.zev"), "through two links"), "");

    EXPECT_EQ(contentsOf(path("real/scene.zev")), "through two links");
    ASSERT_TRUE(fs::is_symlink(path("links/first.zev")));
    ASSERT_TRUE(fs::is_symlink(path("links/second.zev")));
    EXPECT_EQ(fs::read_symlink(path("links/first.zev")), "../real/scene.zev");
    EXPECT_EQ(fs::read_symlink(path("links/second.zev")), "first.zev");
    std::vector<std::string> inReal, inLinks;
    for (const auto& item : fs::directory_iterator(path("real")))
        inReal.push_back(item.path().filename().string());
    for (const auto& item : fs::directory_iterator(path("links")))
        inLinks.push_back(item.path().filename().string());
    std::sort(inLinks.begin(), inLinks.end());
    EXPECT_EQ(inReal, std::vector<std::string>{"scene.zev"});
    EXPECT_EQ(inLinks, (std::vector<std::string>{"first.zev", "second.zev"}));
}

// Writing over a link that leads nowhere would leave a plain file where the link was.
TEST_F(FileAccessTest, LinksToNothingOrToAFolderAreRefusedAndKept)
{
    fs::create_symlink("missing.zev", path("dangling.zev"));
    EXPECT_EQ(replaceFileContents(path("dangling.zev"), "data"), systemErrorWords(ENOENT));
    EXPECT_TRUE(fs::is_symlink(path("dangling.zev")));
    EXPECT_EQ(fs::read_symlink(path("dangling.zev")), "missing.zev");

    fs::create_symlink("round-b.zev", path("round-a.zev"));
    fs::create_symlink("round-a.zev", path("round-b.zev"));
    EXPECT_EQ(replaceFileContents(path("round-a.zev"), "data"), systemErrorWords(ELOOP));
    EXPECT_TRUE(fs::is_symlink(path("round-a.zev")));

    fs::create_directory(path("folder"));
    fs::create_symlink("folder", path("to-folder.zev"));
    EXPECT_EQ(replaceFileContents(path("to-folder.zev"), "data"), systemErrorWords(EISDIR));
    EXPECT_TRUE(fs::is_symlink(path("to-folder.zev")));
    EXPECT_TRUE(fs::is_empty(path("folder")));

    EXPECT_TRUE(othersThan({"dangling.zev", "round-a.zev", "round-b.zev", "folder", "to-folder.zev"}).empty());
}

namespace {

// Real file systems that refuse writes: a tiny tmpfs that fills up and a read-only
// bind mount. Mounting needs root; the mounts live in a mount name space of this
// test process only and are gone with it.
class RefusingFileSystemTest : public FileAccessTest {
protected:
    void SetUp() override
    {
        FileAccessTest::SetUp();
        if (!privateMounts())
            GTEST_SKIP() << "mounting needs root (or a mount name space): " << std::strerror(errno);
    }
    void TearDown() override
    {
        for (auto it = mounted.rbegin(); it != mounted.rend(); ++it)
            umount2(it->c_str(), MNT_DETACH);
        FileAccessTest::TearDown();
    }

    static bool privateMounts()
    {
        static const bool ready = unshare(CLONE_NEWNS) == 0 &&
                                  mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return ready;
    }

    void mountTmpfs(const std::string& where, const std::string& size)
    {
        fs::create_directory(where);
        ASSERT_EQ(mount("tmpfs", where.c_str(), "tmpfs", 0, ("size=" + size).c_str()), 0) << std::strerror(errno);
        mounted.push_back(where);
    }

    void bindReadOnly(const std::string& from, const std::string& where)
    {
        fs::create_directory(where);
        ASSERT_EQ(mount(from.c_str(), where.c_str(), nullptr, MS_BIND, nullptr), 0) << std::strerror(errno);
        mounted.push_back(where);
        ASSERT_EQ(mount(nullptr, where.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr), 0)
            << std::strerror(errno);
    }

    static std::vector<std::string> namesIn(const std::string& where)
    {
        std::vector<std::string> names;
        for (const auto& item : fs::directory_iterator(where))
            names.push_back(item.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Fills the file system at where until the disk is full.
    static void fill(const std::string& where)
    {
        const int fd = open((where + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'f');
        while (write(fd, block.data(), block.size()) > 0) {
        }
        EXPECT_EQ(errno, ENOSPC);
        close(fd);
    }

    std::vector<std::string> mounted;
};

}  // namespace

TEST_F(RefusingFileSystemTest, AFullDiskKeepsTheOldFileAndLeavesNoTemporary)
{
    const std::string disk = path("disk");
    mountTmpfs(disk, "64k");
    const std::string old = "a scenario saved before\n" + std::string(1000, 'o');
    put(disk + "/save.zev", old);

    // Bigger than what is left on the disk.
    EXPECT_EQ(replaceFileContents(disk + "/save.zev", std::string(200000, 'n')), systemErrorWords(ENOSPC));
    EXPECT_EQ(contentsOf(disk + "/save.zev"), old);
    EXPECT_EQ(namesIn(disk), std::vector<std::string>{"save.zev"});

    // Nothing at all is left: even a small file cannot be written.
    fill(disk);
    EXPECT_EQ(replaceFileContents(disk + "/save.zev", "small"), systemErrorWords(ENOSPC));
    EXPECT_EQ(replaceFileContents(disk + "/other.zev", "small"), systemErrorWords(ENOSPC));
    EXPECT_EQ(contentsOf(disk + "/save.zev"), old);
    EXPECT_EQ(namesIn(disk), (std::vector<std::string>{"filler", "save.zev"}));
}

TEST_F(RefusingFileSystemTest, AReadOnlyMountRefusesBothNewAndOldFiles)
{
    fs::create_directory(path("source"));
    put(path("source/save.zev"), "kept as it was");
    const std::string readOnly = path("readonly");
    bindReadOnly(path("source"), readOnly);

    EXPECT_EQ(replaceFileContents(readOnly + "/save.zev", "changed"), systemErrorWords(EROFS));
    EXPECT_EQ(replaceFileContents(readOnly + "/new.zev", "new"), systemErrorWords(EROFS));
    EXPECT_EQ(contentsOf(path("source/save.zev")), "kept as it was");
    EXPECT_EQ(namesIn(path("source")), std::vector<std::string>{"save.zev"});
}
