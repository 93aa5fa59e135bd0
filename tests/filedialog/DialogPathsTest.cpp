#include "filedialog/DialogPaths.h"

#include "tests/filedialog/FakeDirectoryHost.h"

#include <gtest/gtest.h>

namespace {

using dialogpaths::enterDirectory;
using dialogpaths::relativeDirectory;

TEST(DriveNames, FollowTheBitsOfTheMask) {
    FakeDirectoryHost host;
    host.mask = 0x5;
    EXPECT_EQ((std::vector<std::string>{"A:", "C:"}), dialogpaths::driveNames(host));
    host.mask = 0;
    EXPECT_TRUE(dialogpaths::driveNames(host).empty());
    host.mask = (1ul << 25) | (1ul << 3);
    EXPECT_EQ((std::vector<std::string>{"D:", "Z:"}), dialogpaths::driveNames(host));
}

TEST(RelativeDirectory, ComparesWholePathParts) {
    const std::string w = "C:\\game\\bin";
    EXPECT_EQ("", relativeDirectory(w, "C:\\game\\bin", '\\'));
    EXPECT_EQ("saves", relativeDirectory(w, "C:\\game\\bin\\saves", '\\'));
    EXPECT_EQ("saves\\old", relativeDirectory(w, "C:\\game\\bin\\saves\\old", '\\'));
    EXPECT_EQ("..\\data", relativeDirectory(w, "C:\\game\\data", '\\'));
    EXPECT_EQ("..\\", relativeDirectory(w, "C:\\game", '\\'));
    EXPECT_EQ("..\\..\\", relativeDirectory(w, "C:", '\\'));
    EXPECT_EQ("..\\bins", relativeDirectory(w, "C:\\game\\bins", '\\'));
    EXPECT_EQ("..\\..\\Game\\bin", relativeDirectory(w, "C:\\Game\\bin", '\\'));
}

TEST(RelativeDirectory, WorksOnLinuxPaths) {
    const std::string w = "/home/user/game/bin";
    EXPECT_EQ("", relativeDirectory(w, w, '/'));
    EXPECT_EQ("../media", relativeDirectory(w, "/home/user/game/media", '/'));
    EXPECT_EQ("../../../../", relativeDirectory(w, "/", '/'));
    EXPECT_EQ("../../../../tmp/x", relativeDirectory(w, "/tmp/x", '/'));
    EXPECT_EQ("saves", relativeDirectory("/", "/saves", '/'));
}

TEST(EnterDirectory, WalksDownUpAndToTheRootWithDriveLetters) {
    EXPECT_EQ("C:\\game\\saves", enterDirectory("C:\\game", "C:", "<saves>", '\\'));
    EXPECT_EQ("C:\\game", enterDirectory("C:\\game\\saves", "C:", "<..>", '\\'));
    EXPECT_EQ("C:", enterDirectory("C:\\game", "C:", "<..>", '\\'));
    EXPECT_EQ("C:", enterDirectory("C:", "C:", "<..>", '\\'));
    EXPECT_EQ("C:", enterDirectory("C:\\game\\saves", "C:", "<.>", '\\'));
    EXPECT_EQ("C:\\saves", enterDirectory("C:", "C:", "<saves>", '\\'));
}

TEST(EnterDirectory, KeepsTheLinuxRootWhole) {
    EXPECT_EQ("/home", enterDirectory("/", "/", "<home>", '/'));
    EXPECT_EQ("/home/user", enterDirectory("/home", "/", "<user>", '/'));
    EXPECT_EQ("/home", enterDirectory("/home/user", "/", "<..>", '/'));
    EXPECT_EQ("/", enterDirectory("/home", "/", "<..>", '/'));
    EXPECT_EQ("/", enterDirectory("/", "/", "<..>", '/'));
    EXPECT_EQ("/", enterDirectory("/home/user", "/", "<.>", '/'));
}

TEST(EnterDirectory, AnEntryWithoutANameLeavesTheDirectory) {
    EXPECT_EQ("C:\\game", enterDirectory("C:\\game", "C:", "<>", '\\'));
    EXPECT_EQ("C:\\game", enterDirectory("C:\\game", "C:", "<", '\\'));
    EXPECT_EQ("C:\\game", enterDirectory("C:\\game", "C:", "", '\\'));
}

TEST(EnterDirectory, StripsAWideLastCharacterWhole) {
    // A name ending in "ı" (two UTF-8 bytes) that was not decorated still loses one character.
    EXPECT_EQ("/ad", enterDirectory("/", "/", "<ad\xC4\xB1", '/'));
    EXPECT_EQ("/\xC3\xA7\xC4\xB1", enterDirectory("/", "/", "<\xC3\xA7\xC4\xB1>", '/'));
}

TEST(JoinPath, NeverDoublesTheSeparator) {
    EXPECT_EQ("C:\\game\\save.zev", dialogpaths::joinPath("C:\\game", "save.zev", '\\'));
    EXPECT_EQ("C:\\save.zev", dialogpaths::joinPath("C:", "save.zev", '\\'));
    EXPECT_EQ("/save.zev", dialogpaths::joinPath("/", "save.zev", '/'));
    EXPECT_EQ("/tmp/save.zev", dialogpaths::joinPath("/tmp", "save.zev", '/'));
    EXPECT_EQ("/tmp/", dialogpaths::joinPath("/tmp", "", '/'));
}

}  // namespace
