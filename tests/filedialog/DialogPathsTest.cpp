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

TEST(FileTarget, APlainNameStaysAsTypedInTheShownDirectory) {
    FakeDirectoryHost host;
    const auto target = dialogpaths::fileTarget(host, "C:\\game", " a b.zev ");
    EXPECT_EQ("C:\\game", target.directory);
    EXPECT_EQ(" a b.zev ", target.name);
    EXPECT_EQ("", dialogpaths::fileTarget(host, "C:\\game", "").name);
}

TEST(FileTarget, PathsStartAtTheRootTheHomeOrTheShownDirectory) {
    FakeDirectoryHost host;
    const auto expect = [&host](const std::string& typed, const std::string& directory, const std::string& name) {
        const auto target = dialogpaths::fileTarget(host, "C:\\game\\bin", typed);
        EXPECT_EQ(directory, target.directory) << typed;
        EXPECT_EQ(name, target.name) << typed;
    };
    expect("A:\\x.zev", "A:", "x.zev");
    expect("C:\\tmp\\..\\saves\\.\\x.zev", "C:\\saves", "x.zev");
    expect("~\\x.zev", "C:\\home", "x.zev");
    expect("alt\\x.zev", "C:\\game\\bin\\alt", "x.zev");
    expect("..\\..\\..\\..\\x.zev", "C:", "x.zev");
    expect("alt\\", "C:\\game\\bin\\alt", "");
    expect("alt\\..", "C:\\game\\bin", "");
    expect("~x\\y.zev", "C:\\game\\bin\\~x", "y.zev");
    host.home.clear();
    expect("~\\x.zev", "C:\\game\\bin\\~", "x.zev");
}

// Names without a directory are covered through the type list.
TEST(WithExtensionOf, ChangesOnlyTheLastPartOfAPath) {
    using dialogpaths::withExtensionOf;
    EXPECT_EQ("../alt.d/senaryo.zev", withExtensionOf("../alt.d/senaryo", "*.zev", '/'));
    EXPECT_EQ("alt.d/x.tga", withExtensionOf("alt.d/x.txt", "*.tga", '/'));
}

}  // namespace
