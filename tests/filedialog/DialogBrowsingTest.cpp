#include "tests/filedialog/DialogFixture.h"
#include "tests/filedialog/FakeDirectoryHost.h"

#include "platform/host/LinuxDirectoryHost.h"

#include <CEGUI/CEGUI.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

class DialogBrowsingTest : public DialogFixture {
protected:
    std::string directory() { return dialog->browser().directory(); }
    std::string relative() { return dialog->browser().relativeDirectory(); }
};

TEST_F(DialogBrowsingTest, ListsPunctuationThenDirectoriesThenLettersUppercaseFirst) {
    auto host = std::make_unique<FakeDirectoryHost>();
    for (const char* file : {"beta.zev", "Alpha.zev", "1.zev", "#x.zev", " space.zev", "-dash.zev", "~tilde.zev",
                             "_under.zev", "Zed.txt"})
        host->addFile("C:\\game\\bin", file);
    for (const char* dir : {"saves", ".", "Data", ".."})
        host->addDirectory("C:\\game\\bin", dir);
    makeDialog(std::move(host));
    dialog->show(CommonFileDialogRequest());
    EXPECT_EQ((Texts{" space.zev", "#x.zev", "-dash.zev", "1.zev", "<..>", "<.>", "<Data>", "<saves>", "Alpha.zev",
                     "Zed.txt", "_under.zev", "beta.zev", "~tilde.zev"}),
              listing());

    choose("ExtensionCombobox", "All files (*.*)");
    CommonFileDialogRequest zevOnly;
    zevOnly.filter = "ZEVO (*.zev)|*.zev|";
    zevOnly.defaultPattern = "*.zev";
    dialog->show(zevOnly);
    EXPECT_EQ((Texts{" space.zev", "#x.zev", "-dash.zev", "1.zev", "<..>", "<.>", "<Data>", "<saves>", "Alpha.zev",
                     "_under.zev", "beta.zev", "~tilde.zev"}),
              listing());
}

TEST_F(DialogBrowsingTest, PickingAFilterRebuildsTheListing) {
    makeDialog(makeGameHost());
    dialog->show(openRequest());
    EXPECT_EQ((Texts{"<..>", "<.>", "<saves>", "scene.zev"}), listing());
    choose("ExtensionCombobox", "All files");
    EXPECT_EQ("All files", textOf("ExtensionCombobox"));
    EXPECT_EQ((Texts{"<..>", "<.>", "<saves>", "Old.ZEV", "editor.exe", "scene.zev"}), listing());
}

TEST_F(DialogBrowsingTest, ClickingAFileNamesItAndClickingADirectoryDoesNot) {
    makeDialog(makeGameHost());
    dialog->show(openRequest());
    clickListItem("scene.zev");
    EXPECT_EQ("scene.zev", textOf("FileCombobox"));
    clickListItem("<saves>");
    EXPECT_EQ("scene.zev", textOf("FileCombobox"));
    EXPECT_EQ("C:\\game\\bin", directory());
}

TEST_F(DialogBrowsingTest, DoubleClicksEnterDirectories) {
    makeDialog(makeGameHost());
    dialog->show(openRequest());
    doubleClickListItem("<saves>");
    EXPECT_EQ("C:\\game\\bin\\saves", directory());
    EXPECT_EQ("saves", relative());
    doubleClickListItem("<..>");
    doubleClickListItem("<..>");
    EXPECT_EQ("C:\\game", directory());
    EXPECT_EQ("..\\", relative());
    EXPECT_EQ((Texts{"<..>", "<.>", "<bin>", "<data>"}), listing());
    doubleClickListItem("<data>");
    EXPECT_EQ("..\\data", relative());
    doubleClickListItem("<.>");
    EXPECT_EQ("C:", directory());
    EXPECT_EQ("..\\..\\", relative());
    EXPECT_EQ((Texts{"<..>", "<.>", "<game>"}), listing());
}

TEST_F(DialogBrowsingTest, TheBackButtonClimbsAndStopsAtTheRoot) {
    makeDialog(makeGameHost());
    dialog->show(CommonFileDialogRequest());
    click("BackButton");
    EXPECT_EQ("C:\\game", directory());
    EXPECT_EQ((Texts{"<..>", "<.>", "<bin>", "<data>", "readme.txt"}), listing());
    click("BackButton");
    click("BackButton");
    EXPECT_EQ("C:", directory());
    EXPECT_EQ((Texts{"<..>", "<.>", "<game>", "boot.ini"}), listing());
}

TEST_F(DialogBrowsingTest, AnotherDriveStartsAtItsRootAndEachDriveKeepsItsDirectory) {
    makeDialog(makeGameHost());
    dialog->show(CommonFileDialogRequest());
    doubleClickListItem("<saves>");

    choose("DriveCombobox", "A:");
    EXPECT_EQ("A:", dialog->browser().currentDrive());
    EXPECT_EQ("A:", directory());
    EXPECT_EQ((Texts{"disk.zev"}), listing());
    // Moving on a drive other than the working directory's keeps its relative text empty.
    click("BackButton");
    EXPECT_EQ("", relative());

    choose("DriveCombobox", "C:");
    EXPECT_EQ("C:\\game\\bin\\saves", directory());
    EXPECT_EQ((Texts{"<..>", "<.>", "a.zev"}), listing());
}

TEST_F(DialogBrowsingTest, TheFolderFieldShowsTheListedDirectory) {
    makeDialog(makeGameHost());
    dialog->show(openRequest());
    EXPECT_EQ("C:\\game\\bin", textOf("klasorYolu"));
    doubleClickListItem("<saves>");
    EXPECT_EQ("C:\\game\\bin\\saves", textOf("klasorYolu"));
    click("BackButton");
    click("BackButton");
    EXPECT_EQ("C:\\game", textOf("klasorYolu"));
    choose("DriveCombobox", "A:");
    EXPECT_EQ("A:", textOf("klasorYolu"));
}

TEST_F(DialogBrowsingTest, ADirectoryThatCannotBeListedGivesAnEmptyListing) {
    auto host = makeGameHost();
    host->addDirectory("C:\\game\\bin", "locked");  // listed, but has no entries to search
    makeDialog(std::move(host));
    dialog->show(CommonFileDialogRequest());
    doubleClickListItem("<locked>");
    EXPECT_EQ("C:\\game\\bin\\locked", directory());
    EXPECT_TRUE(listing().empty());
    click("BackButton");
    EXPECT_EQ("C:\\game\\bin", directory());
    EXPECT_EQ(7u, listing().size());
}

TEST_F(DialogBrowsingTest, PickingAFilterWhileSavingRenamesTheExtension) {
    makeDialog(makeGameHost());
    CommonFileDialogRequest request = saveRequest();
    request.defaultName = "save.txt";
    dialog->show(request);
    choose("ExtensionCombobox", "ZEVO (*.zev)");
    EXPECT_EQ("save.zev", textOf("FileCombobox"));
    choose("ExtensionCombobox", "Truevision Targa (*.tga)");
    EXPECT_EQ("save.tga", textOf("FileCombobox"));

    request.defaultName = "archive.tar.gz";
    dialog->show(request);
    choose("ExtensionCombobox", "TXT (*.txt)");
    EXPECT_EQ("archive.tar.txt", textOf("FileCombobox"));

    request.filter = "All files|*.*|";
    request.defaultName = "save.zev";
    dialog->show(request);
    choose("ExtensionCombobox", "All files");
    EXPECT_EQ("save.*", textOf("FileCombobox"));
}

TEST_F(DialogBrowsingTest, ANameWithoutADotKeepsItselfAndAnEmptyNameStaysEmpty) {
    makeDialog(makeGameHost());
    CommonFileDialogRequest request = saveRequest();
    request.defaultName = "senaryo";
    dialog->show(request);
    choose("ExtensionCombobox", "ZEVO (*.zev)");
    EXPECT_EQ("senaryo.zev", textOf("FileCombobox"));

    request.defaultName = "";
    dialog->show(request);
    choose("ExtensionCombobox", "TXT (*.txt)");
    EXPECT_EQ("", textOf("FileCombobox"));
}

TEST_F(DialogBrowsingTest, PickingAFilterWhileOpeningLeavesTheName) {
    makeDialog(makeGameHost());
    CommonFileDialogRequest request = openRequest();
    request.defaultName = "save.txt";
    dialog->show(request);
    choose("ExtensionCombobox", "All files");
    EXPECT_EQ("save.txt", textOf("FileCombobox"));
}

// The real file system, from a working directory inside a temporary tree.
class LinuxBrowsingTest : public DialogBrowsingTest {
protected:
    void SetUp() override {
        DialogBrowsingTest::SetUp();
        char pattern[] = "/tmp/sahne_dialog_XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        tree = fs::canonical(pattern);
        fs::create_directories(tree / "game" / "bin");
        fs::create_directories(tree / "game" / "data");
        std::ofstream(tree / "game" / "bin" / "scene.zev") << "x";
        std::ofstream(tree / "game" / "data" / "t\xC3\xBCrk.zev") << "x";  // "türk.zev"
        fs::create_directories(tree / "game" / "bin" / "alt");
        std::ofstream(tree / "game" / "bin" / "alt" / "z.zev") << "x";
        fs::create_directories(tree / "home");
        std::ofstream(tree / "home" / "y.zev") << "x";
        previous = fs::current_path();
        fs::current_path(tree / "game" / "bin");
        const char* home = std::getenv("HOME");
        previousHome = home ? home : "";
        setenv("HOME", (tree / "home").c_str(), 1);
        makeDialog(std::make_unique<host::LinuxDirectoryHost>());
    }
    void TearDown() override {
        setenv("HOME", previousHome.c_str(), 1);
        fs::current_path(previous);
        fs::remove_all(tree);
        DialogBrowsingTest::TearDown();
    }
    // Opens or saves under the typed name; the result when the dialog closed at once.
    std::optional<CommonFileDialogResult> accepted(CommonFileDialogRequest request, const std::string& typed) {
        request.defaultName = typed;
        reported.clear();
        dialog->show(request);
        click("OkButton");
        return reported.empty() ? std::nullopt : std::optional<CommonFileDialogResult>(reported[0]);
    }
    std::string inTree(const fs::path& path) { return (tree / path).string(); }
    fs::path tree;
    fs::path previous;
    std::string previousHome;
};

TEST_F(LinuxBrowsingTest, StartsInTheWorkingDirectoryOnTheRootDrive) {
    EXPECT_EQ((Texts{"/", inTree("home")}), comboboxItems("DriveCombobox"));
    EXPECT_EQ("/", textOf("DriveCombobox"));
    dialog->show(openRequest());
    EXPECT_EQ((tree / "game" / "bin").string(), directory());
    EXPECT_EQ((Texts{"<..>", "<.>", "<alt>", "scene.zev"}), listing());
}

// The drive list goes where its entry names: the home to its directory, the
// drive in force to its root.
TEST_F(LinuxBrowsingTest, TheDriveListGoesToTheRootAndToTheHome) {
    dialog->show(openRequest());
    choose("DriveCombobox", inTree("home"));
    EXPECT_EQ(inTree("home"), directory());
    EXPECT_EQ((Texts{"<..>", "<.>", "y.zev"}), listing());
    choose("DriveCombobox", "/");
    EXPECT_EQ("/", directory());
    EXPECT_EQ("/", textOf("klasorYolu"));
}

// A typed path names the file it says, from the root, from the home directory
// or from the shown directory; the dialog stays where it was.
TEST_F(LinuxBrowsingTest, TypedPathsOpenAndSaveTheFilesTheyName) {
    const std::string turk = "t\xC3\xBCrk.zev";
    const std::vector<std::pair<std::string, std::string>> opened = {
        {inTree("game/data/" + turk), inTree("game/data/" + turk)},
        {"../data/./" + turk, inTree("game/data/" + turk)},
        {"alt/z.zev", inTree("game/bin/alt/z.zev")},
        {"~/y.zev", inTree("home/y.zev")}};
    for (const auto& [typed, path] : opened) {
        SCOPED_TRACE(typed);
        const auto result = accepted(openRequest(), typed);
        ASSERT_TRUE(result);
        EXPECT_EQ(path, result->path);
        EXPECT_TRUE(result->fileExisted);
    }
    const auto saved = accepted(saveRequest(), "~/new.zev");
    ASSERT_TRUE(saved);
    EXPECT_EQ(inTree("home/new.zev"), saved->path);
    EXPECT_EQ(inTree("home"), saved->directory);
    EXPECT_EQ("new.zev", saved->fileName);
    EXPECT_EQ("../../home", saved->relativeDirectory);
    EXPECT_FALSE(saved->fileExisted);
    EXPECT_EQ(inTree("game/bin"), directory());
}

TEST_F(LinuxBrowsingTest, TypedPathsKeepTheQuestions) {
    EXPECT_FALSE(accepted(saveRequest(), inTree("home/y.zev")));
    EXPECT_TRUE(visible("PromptSave"));
    click("PromptSave/OkButton");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(inTree("home/y.zev"), reported[0].path);
    EXPECT_TRUE(reported[0].fileExisted);

    EXPECT_FALSE(accepted(openRequest(), "alt/missing.zev"));
    EXPECT_TRUE(visible("PromptLoad"));
    click("PromptLoad/OkButton");
    EXPECT_FALSE(accepted(openRequest(), "../bin/alt"));
    EXPECT_TRUE(visible("PromptLoad"));
}

TEST_F(LinuxBrowsingTest, WalksTheTreeWithRelativeDirectories) {
    dialog->show(openRequest());
    click("BackButton");
    EXPECT_EQ((tree / "game").string(), directory());
    EXPECT_EQ("../", relative());
    doubleClickListItem("<data>");
    EXPECT_EQ((tree / "game" / "data").string(), directory());
    EXPECT_EQ("../data", relative());
    EXPECT_EQ((Texts{"<..>", "<.>", "t\xC3\xBCrk.zev"}), listing());
    clickListItem("t\xC3\xBCrk.zev");
    click("OkButton");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, reported[0].state);
    EXPECT_TRUE(reported[0].fileExisted);
    EXPECT_EQ((tree / "game" / "data" / "t\xC3\xBCrk.zev").string(), reported[0].path);
    EXPECT_EQ("../data", reported[0].relativeDirectory);
    EXPECT_EQ("/", reported[0].drive);
}

TEST_F(LinuxBrowsingTest, TheRootIsTheEndOfTheWayUpAndPathsThereHaveOneSlash) {
    CommonFileDialogRequest request = saveRequest();
    request.prompt = false;
    request.defaultName = "x.zev";
    dialog->show(request);
    for (int i = 0; i < 12; ++i)
        click("BackButton");
    EXPECT_EQ("/", directory());
    doubleClickListItem("<tmp>");
    EXPECT_EQ("/tmp", directory());
    doubleClickListItem("<.>");
    EXPECT_EQ("/", directory());
    doubleClickListItem("<..>");
    EXPECT_EQ("/", directory());
    click("OkButton");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ("/x.zev", reported[0].path);
    EXPECT_EQ("/", reported[0].directory);
}

}  // namespace
