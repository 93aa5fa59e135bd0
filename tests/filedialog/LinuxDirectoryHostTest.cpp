#include "platform/host/LinuxDirectoryHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class LinuxDirectoryHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/sahne_host_XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        root = pattern;
        fs::create_directory(root / "saves");
        std::ofstream(root / "a.zev") << "x";
        fs::create_directory_symlink(root / "saves", root / "linked");
        fs::create_symlink(root / "missing", root / "broken");
    }
    void TearDown() override { fs::remove_all(root); }

    bool listed(const std::vector<host::DirectoryEntry>& entries, const std::string& name, bool isDirectory) {
        return std::any_of(entries.begin(), entries.end(), [&](const host::DirectoryEntry& entry) {
            return entry.name == name && entry.isDirectory == isDirectory;
        });
    }

    fs::path root;
    host::LinuxDirectoryHost host;
};

TEST_F(LinuxDirectoryHostTest, OneDriveForTheWholeFileSystem) {
    EXPECT_EQ(1ul, host.driveMask());
    EXPECT_EQ("/", host.driveName(0));
    EXPECT_EQ("/", host.driveOf("/home/user"));
    EXPECT_EQ("/", host.driveOf("/"));
    EXPECT_EQ("", host.driveOf("relative/path"));
    EXPECT_EQ("", host.driveOf(""));
    EXPECT_EQ('/', host.separator());
}

TEST_F(LinuxDirectoryHostTest, TheHomeIsAPlaceBesideTheRoot) {
    const char* before = std::getenv("HOME");
    const std::string previous = before ? before : "";
    setenv("HOME", (root.string() + "/saves/").c_str(), 1);
    EXPECT_EQ(root.string() + "/saves", host.homeDirectory());
    EXPECT_EQ((std::vector<std::string>{root.string() + "/saves"}), host.places());
    setenv("HOME", "/", 1);
    EXPECT_TRUE(host.places().empty());
    setenv("HOME", previous.c_str(), 1);
    EXPECT_TRUE(host.isAbsolute("/tmp"));
    EXPECT_FALSE(host.isAbsolute("tmp/x"));
    EXPECT_FALSE(host.isAbsolute("~/x"));
}

TEST_F(LinuxDirectoryHostTest, WorkingDirectoryIsTheAbsolutePath) {
    const fs::path before = fs::current_path();
    fs::current_path(root / "saves");
    const std::string cwd = host.workingDirectory();
    fs::current_path(before);
    EXPECT_EQ(fs::canonical(root / "saves").string(), cwd);
}

TEST_F(LinuxDirectoryHostTest, ListsEveryEntryWithItsKind) {
    const auto entries = host.entries(root.string());
    ASSERT_TRUE(entries);
    EXPECT_EQ(6u, entries->size());
    EXPECT_TRUE(listed(*entries, ".", true));
    EXPECT_TRUE(listed(*entries, "..", true));
    EXPECT_TRUE(listed(*entries, "saves", true));
    EXPECT_TRUE(listed(*entries, "a.zev", false));
    EXPECT_TRUE(listed(*entries, "linked", true));
    EXPECT_TRUE(listed(*entries, "broken", false));
}

TEST_F(LinuxDirectoryHostTest, AMissingOrUnreadableDirectoryGivesNothing) {
    EXPECT_FALSE(host.entries((root / "nowhere").string()));
    EXPECT_FALSE(host.entries((root / "a.zev").string()));
    if (geteuid() != 0) {
        fs::permissions(root / "saves", fs::perms::none);
        EXPECT_FALSE(host.entries((root / "saves").string()));
        fs::permissions(root / "saves", fs::perms::owner_all);
    }
}

}  // namespace
