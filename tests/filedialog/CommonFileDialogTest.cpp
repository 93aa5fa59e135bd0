#include "tests/filedialog/DialogFixture.h"
#include "tests/filedialog/FakeDirectoryHost.h"
#include "tests/support/TestPaths.h"

#include "platform/host/LinuxDirectoryHost.h"

#include <CEGUI/CEGUI.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

namespace {

using Texts = std::vector<std::string>;

class DialogOpeningTest : public DialogFixture {};

TEST_F(DialogOpeningTest, StartsHiddenWithItsDrivesAndNothingListed) {
    makeDialog(makeGameHost());
    EXPECT_FALSE(visible(""));
    EXPECT_TRUE(dialog->getRootWindow()->isDisabled());
    EXPECT_FALSE(child("PromptLoad")->isVisible());
    EXPECT_FALSE(child("PromptSave")->isVisible());
    EXPECT_EQ("<<", textOf("BackButton"));
    EXPECT_EQ((Texts{"A:", "C:"}), comboboxItems("DriveCombobox"));
    EXPECT_EQ("C:", textOf("DriveCombobox"));
    EXPECT_EQ("C:", dialog->browser().currentDrive());
    EXPECT_TRUE(listbox()->isSortEnabled());
    EXPECT_TRUE(listing().empty());
    EXPECT_TRUE(comboboxItems("ExtensionCombobox").empty());
    EXPECT_EQ(CommonFileDialogResult::State::Closed, dialog->getResult().state);
}

TEST_F(DialogOpeningTest, FirstDefaultShowListsTheWorkingDirectoryUnderAllFiles) {
    makeDialog(makeGameHost());
    dialog->show(CommonFileDialogRequest());
    EXPECT_TRUE(visible(""));
    EXPECT_FALSE(dialog->getRootWindow()->isDisabled());
    EXPECT_TRUE(controlsEnabled());
    EXPECT_EQ((Texts{"All files (*.*)"}), comboboxItems("ExtensionCombobox"));
    EXPECT_EQ("All files (*.*)", textOf("ExtensionCombobox"));
    EXPECT_EQ((Texts{"<..>", "<.>", "<saves>", "Old.ZEV", "editor.exe", "scene.zev"}), listing());
    EXPECT_EQ("Ac", textOf(""));
    EXPECT_EQ("Ac", textOf("PromptLoad"));
    EXPECT_EQ("Aranilan Dosya Bulunamadi.", textOf("PromptLoad/Text"));
    EXPECT_EQ("", textOf("FileCombobox"));
}

TEST_F(DialogOpeningTest, TheDefaultPatternChoosesTheFilterAndTheListing) {
    makeDialog(makeGameHost());
    dialog->show(saveRequest());
    EXPECT_EQ((Texts{"ZEVO (*.zev)", "TXT (*.txt)", "Portable Network Graphics (*.png)", "Truevision Targa (*.tga)"}),
              comboboxItems("ExtensionCombobox"));
    EXPECT_EQ("ZEVO (*.zev)", textOf("ExtensionCombobox"));
    EXPECT_EQ((Texts{"<..>", "<.>", "<saves>", "scene.zev"}), listing());
    EXPECT_EQ("save.zev", textOf("FileCombobox"));
    EXPECT_EQ("Kaydet", textOf(""));
}

TEST_F(DialogOpeningTest, AnUnmatchedPatternKeepsTheFilterNamedByTheText) {
    makeDialog(makeGameHost());
    CommonFileDialogRequest request = saveRequest();
    dialog->show(request);
    choose("ExtensionCombobox", "TXT (*.txt)");
    click("CancelButton");

    request.defaultPattern = "*.bmp";
    dialog->show(request);
    EXPECT_EQ("TXT (*.txt)", textOf("ExtensionCombobox"));
    EXPECT_EQ((Texts{"<..>", "<.>", "<saves>"}), listing());

    request.filter = "First|*.a|Second|*.b|";
    dialog->show(request);
    EXPECT_EQ("First", textOf("ExtensionCombobox"));
}

TEST_F(DialogOpeningTest, AFilterStringWithoutFiltersKeepsTheTypesAndTheListing) {
    auto host = makeGameHost();
    FakeDirectoryHost& fake = *host;
    makeDialog(std::move(host));
    dialog->show(openRequest());
    click("CancelButton");
    fake.addFile("C:\\game\\bin", "new.zev");

    CommonFileDialogRequest request = openRequest();
    request.filter = "no filters here";
    dialog->show(request);
    EXPECT_EQ((Texts{"ZEVO (*.zev)", "All files"}), comboboxItems("ExtensionCombobox"));
    EXPECT_EQ((Texts{"<..>", "<.>", "<saves>", "scene.zev"}), listing());
}

TEST_F(DialogOpeningTest, EachModeSetsOnlyItsOwnPrompt) {
    makeDialog(makeGameHost());
    CommonFileDialogRequest load = openRequest();
    load.title = "Senaryo";
    load.promptText = "Yok.";
    dialog->show(load);
    click("CancelButton");
    dialog->show(saveRequest());
    EXPECT_EQ("Kaydet", textOf(""));
    EXPECT_EQ("Kaydet", textOf("PromptSave"));
    EXPECT_EQ("Varolan dosyayi degistirsin mi?", textOf("PromptSave/Text"));
    EXPECT_EQ("Senaryo", textOf("PromptLoad"));
    EXPECT_EQ("Yok.", textOf("PromptLoad/Text"));

    CommonFileDialogRequest quiet = saveRequest();
    quiet.prompt = false;
    quiet.promptText = "unused";
    dialog->show(quiet);
    EXPECT_EQ("Varolan dosyayi degistirsin mi?", textOf("PromptSave/Text"));
}

TEST_F(DialogOpeningTest, ReopensInTheDirectoryTheUserReached) {
    makeDialog(makeGameHost());
    dialog->show(openRequest());
    doubleClickListItem("<saves>");
    EXPECT_EQ((Texts{"<..>", "<.>", "a.zev"}), listing());
    click("CancelButton");
    dialog->show(openRequest());
    EXPECT_EQ((Texts{"<..>", "<.>", "a.zev"}), listing());
    EXPECT_EQ("C:\\game\\bin\\saves", dialog->browser().directory());
}

// The first opening shows the start directory; a request's directory comes
// before the one the user left, unless it cannot be listed.
TEST_F(DialogOpeningTest, OpensInTheStartDirectoryThenInTheRequestedOne) {
    makeDialog(makeGameHost(), "C:\\game");
    dialog->show(openRequest());
    EXPECT_EQ((Texts{"<..>", "<.>", "<bin>", "<data>"}), listing());
    EXPECT_EQ("..\\", dialog->browser().relativeDirectory());
    click("CancelButton");

    CommonFileDialogRequest request = openRequest();
    request.startDirectory = "C:\\game\\bin\\saves";
    dialog->show(request);
    EXPECT_EQ((Texts{"<..>", "<.>", "a.zev"}), listing());
    EXPECT_EQ("C:\\game\\bin\\saves", textOf("klasorYolu"));
    click("BackButton");
    click("CancelButton");
    request.startDirectory = "C:\\gone";
    dialog->show(request);
    EXPECT_EQ("C:\\game\\bin", dialog->browser().directory());
    click("CancelButton");

    request.startDirectory = "A:";
    dialog->show(request);
    EXPECT_EQ("A:", textOf("DriveCombobox"));
    EXPECT_EQ((Texts{"disk.zev"}), listing());
}

// A layouts folder of its own, made the window manager's default for one test.
class BrokenLayoutTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        char pattern[] = "/tmp/sahne_layouts_XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        folder = pattern;
        auto* provider =
            static_cast<CEGUI::DefaultResourceProvider*>(CEGUI::System::getSingleton().getResourceProvider());
        provider->setResourceGroupDirectory("brokenLayouts", folder.string() + "/");
        CEGUI::WindowManager::setDefaultResourceGroup("brokenLayouts");
    }
    void TearDown() override {
        CEGUI::WindowManager::setDefaultResourceGroup("layouts");
        std::filesystem::remove_all(folder);
        DialogFixture::TearDown();
    }
    // The real layout without the named window.
    void writeLayoutWithout(const std::string& name) {
        std::ifstream in(testpaths::mediaDir + "/gui/layouts/CommonFileDialog.layout");
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string cut = std::regex_replace(text, std::regex("name=\"" + name + "\""), "name=\"Renamed\"");
        ASSERT_NE(text, cut);
        std::ofstream(folder / "CommonFileDialog.layout") << cut;
    }
    size_t windowCount() {
        size_t count = 0;
        for (auto it = CEGUI::WindowManager::getSingleton().getIterator(); !it.isAtEnd(); ++it)
            ++count;
        return count;
    }
    std::filesystem::path folder;
};

TEST_F(BrokenLayoutTest, AMissingWindowEndsConstructionAndKeepsNothing) {
    for (const char* name : {"ExtensionCombobox", "klasorYolu"}) {
        SCOPED_TRACE(name);
        writeLayoutWithout(name);
        const size_t before = windowCount();
        EXPECT_THROW(CommonFileDialog(std::make_unique<host::LinuxDirectoryHost>()), CEGUI::UnknownObjectException);
        CEGUI::WindowManager::getSingleton().cleanDeadPool();
        EXPECT_EQ(before, windowCount());
        EXPECT_THROW(CommonFileDialog(std::make_unique<host::LinuxDirectoryHost>()), CEGUI::UnknownObjectException);
    }
}

// The interface the dialog was added to owns its windows: they outlive the
// dialog and go with the interface, and the next dialog loads its own.
TEST_F(BrokenLayoutTest, ADialogLeavesItsWindowsToTheInterface) {
    CEGUI::WindowManager::setDefaultResourceGroup("layouts");
    auto first = std::make_unique<CommonFileDialog>(std::make_unique<host::LinuxDirectoryHost>());
    CEGUI::Window* firstRoot = first->getRootWindow();
    EXPECT_EQ(CEGUI::String("CommonFileDialog"), firstRoot->getName());
    demoLayout->addChild(firstRoot);
    first.reset();
    ASSERT_TRUE(demoLayout->isChild(firstRoot));
    CEGUI::WindowManager::getSingleton().destroyWindow(firstRoot);
    makeDialog(std::make_unique<host::LinuxDirectoryHost>());
    EXPECT_NE(firstRoot, dialog->getRootWindow());
    EXPECT_TRUE(demoLayout->isChild(dialog->getRootWindow()));
}

}  // namespace
