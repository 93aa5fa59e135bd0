#include "tests/filedialog/DialogFixture.h"
#include "tests/filedialog/FakeDirectoryHost.h"

#include "platform/host/LinuxDirectoryHost.h"

#include <CEGUI/CEGUI.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

class DialogBrowsingTest : public DialogFixture {
protected:
    std::string directory() { return dialog->currentDriveRecord()->directory.c_str(); }
    std::string relative() { return dialog->currentDriveRecord()->relativeDirectory.c_str(); }
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
    zevOnly.setFilter("ZEVO (*.zev)|*.zev|");
    zevOnly.setDefaultPattern("*.zev");
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

TEST_F(DialogBrowsingTest, DoubleClicksEnterDirectoriesButNotFiles) {
    makeDialog(makeGameHost());
    dialog->show(openRequest());
    doubleClickListItem("scene.zev");
    EXPECT_EQ("C:\\game\\bin", directory());
    EXPECT_TRUE(visible(""));
    EXPECT_TRUE(reported.empty());

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
    EXPECT_EQ(CEGUI::String("A:"), dialog->currentDrive());
    EXPECT_EQ("A:", directory());
    EXPECT_EQ((Texts{"disk.zev"}), listing());
    // Moving on a drive other than the working directory's keeps its relative text empty.
    click("BackButton");
    EXPECT_EQ("", relative());

    choose("DriveCombobox", "C:");
    EXPECT_EQ("C:\\game\\bin\\saves", directory());
    EXPECT_EQ((Texts{"<..>", "<.>", "a.zev"}), listing());
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
    request.setDefaultName("save.txt");
    dialog->show(request);
    choose("ExtensionCombobox", "ZEVO (*.zev)");
    EXPECT_EQ("save.zev", textOf("FileCombobox"));
    choose("ExtensionCombobox", "Truevision Targa (*.tga)");
    EXPECT_EQ("save.tga", textOf("FileCombobox"));

    request.setDefaultName("archive.tar.gz");
    dialog->show(request);
    choose("ExtensionCombobox", "TXT (*.txt)");
    EXPECT_EQ("archive.tar.txt", textOf("FileCombobox"));

    request.setFilter("All files|*.*|");
    request.setDefaultName("save.zev");
    dialog->show(request);
    choose("ExtensionCombobox", "All files");
    EXPECT_EQ("save.*", textOf("FileCombobox"));
}

TEST_F(DialogBrowsingTest, ANameWithoutADotKeepsItselfAndAnEmptyNameStaysEmpty) {
    makeDialog(makeGameHost());
    CommonFileDialogRequest request = saveRequest();
    request.setDefaultName("senaryo");
    dialog->show(request);
    choose("ExtensionCombobox", "ZEVO (*.zev)");
    EXPECT_EQ("senaryo.zev", textOf("FileCombobox"));

    request.setDefaultName("");
    dialog->show(request);
    choose("ExtensionCombobox", "TXT (*.txt)");
    EXPECT_EQ("", textOf("FileCombobox"));
}

TEST_F(DialogBrowsingTest, PickingAFilterWhileOpeningLeavesTheName) {
    makeDialog(makeGameHost());
    CommonFileDialogRequest request = openRequest();
    request.setDefaultName("save.txt");
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
        previous = fs::current_path();
        fs::current_path(tree / "game" / "bin");
        makeDialog(std::make_unique<host::LinuxDirectoryHost>());
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(tree);
        DialogBrowsingTest::TearDown();
    }
    fs::path tree;
    fs::path previous;
};

TEST_F(LinuxBrowsingTest, StartsInTheWorkingDirectoryOnTheRootDrive) {
    EXPECT_EQ((Texts{"/"}), comboboxItems("DriveCombobox"));
    EXPECT_EQ("/", textOf("DriveCombobox"));
    dialog->show(openRequest());
    EXPECT_EQ((tree / "game" / "bin").string(), directory());
    EXPECT_EQ((Texts{"<..>", "<.>", "scene.zev"}), listing());
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
    EXPECT_EQ(CommonFileDialogResult::Accepted, reported[0].getState());
    EXPECT_TRUE(reported[0].getFileExisted());
    EXPECT_EQ((tree / "game" / "data" / "t\xC3\xBCrk.zev").string(), std::string(reported[0].getPath().c_str()));
    EXPECT_EQ("../data", std::string(reported[0].getRelativeDirectory().c_str()));
    EXPECT_EQ("/", std::string(reported[0].getDrive().c_str()));
}

TEST_F(LinuxBrowsingTest, TheRootIsTheEndOfTheWayUpAndPathsThereHaveOneSlash) {
    CommonFileDialogRequest request = saveRequest();
    request.setPrompt(false);
    request.setDefaultName("x.zev");
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
    EXPECT_EQ("/x.zev", std::string(reported[0].getPath().c_str()));
    EXPECT_EQ("/", std::string(reported[0].getDirectory().c_str()));
}

}  // namespace
