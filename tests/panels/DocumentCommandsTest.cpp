#include "tests/support/EditorFixture.h"

#include "tests/support/HeadlessGui.h"
#include "tests/support/TestPaths.h"

#include <CEGUI/CEGUI.h>
#include <OgreSceneManager.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

using headlessgui::click;

namespace {

CEGUI::Window* dialogWindow(const std::string& child = "")
{
    CEGUI::Window* root = window("CommonFileDialog");
    return child.empty() ? root : root->getChild(child);
}

bool dialogOpen()
{
    return dialogWindow()->isVisible();
}

void choose(const char* item)
{
    click(window("dosya"));
    click(window(item));
}

// The document has unsaved changes: the editor asks first; the user goes on without saving.
void goOnWithoutSaving()
{
    ASSERT_TRUE(window("kaydetSorWindow")->isVisible());
    click(window("kaydetSorHayir"));
    EXPECT_FALSE(window("kaydetSorWindow")->isVisible());
}

// Types the name into the open dialog and accepts it.
void accept(const std::string& name)
{
    dialogWindow("FileCombobox")->setText(name);
    click(dialogWindow("OkButton"));
}

std::string fileContents(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

using DocumentCommands = EditorFixture;

TEST_F(DocumentCommands, NewEmptiesTheSceneUnlocksTheEditorAndShowsTheLiveView)
{
    const ItemId object = addObject();
    addArea();
    editor->selection().select(object);
    frames(21);
    editor->tools().beginObjectPlacement("adam");
    ASSERT_TRUE(editor->cursor().isShown());
    ASSERT_EQ(window("frameImage")->getProperty("Image"), "");

    choose("yeniPopupItem");
    goOnWithoutSaving();

    EXPECT_TRUE(editor->document().items().empty());
    EXPECT_FALSE(editor->document().modified());
    EXPECT_FALSE(editor->selection().selected());
    EXPECT_FALSE(drawn(object));
    EXPECT_FALSE(scene->hasEntity("Human" + std::to_string(object)));
    EXPECT_EQ(editor->tools().placing(), Placing::Nothing);
    EXPECT_FALSE(editor->cursor().isShown());
    EXPECT_EQ(window("frameImage")->getProperty("Image"), "cameraImageSet/cameraImage");
    for (const char* name : {"tabFrameWindow", "insanTab", "ozelliklerTab", "mesajWindow"})
        EXPECT_FALSE(window(name)->isDisabled()) << name;
    EXPECT_FALSE(editor->properties().shown());
    EXPECT_TRUE(editor->properties().slidingOut());
    // Ids keep counting over New: the next item is "Human2".
    click(window("adam"));
    EXPECT_EQ(editor->tools().placing(), Placing::Object);
    EXPECT_EQ(addObject(), 2);
    EXPECT_TRUE(drawn(2));
    editor->selection().select(2);
    EXPECT_TRUE(scene->hasEntity("Human2"));
}

TEST_F(DocumentCommands, NewClosesAnOpenMessageEditorAndGivesTheKeysBack)
{
    startEditing();
    editor->selection().select(addArea());
    frames(21);
    click(window("mesajYaz"));
    ASSERT_TRUE(listener->keysBuffered());
    choose("yeniPopupItem");
    // While the editor asks, the widgets keep the keys (the guard's Escape means Vazgec).
    EXPECT_TRUE(listener->keysBuffered());
    goOnWithoutSaving();
    EXPECT_FALSE(window("mesajWindow")->isVisible());
    EXPECT_FALSE(listener->keysBuffered());
}

TEST_F(DocumentCommands, NewForgetsTheTextsAndTheAnswerTheClosedMessageEditorHeld)
{
    const char* const fields[] = {"mesajIcerik", "soru1Text", "soru2Text", "soru3Text", "soru4Text"};
    const auto marked = [](const char* name) {
        return static_cast<CEGUI::ToggleButton*>(window(name))->isSelected();
    };
    startEditing();
    editor->selection().select(addArea());
    frames(21);
    click(window("mesajYaz"));
    for (const char* field : fields)
        window(field)->setText(std::string("eski ") + field);
    click(window("soru3"));
    click(window("mesajEkle"));
    ASSERT_FALSE(window("mesajWindow")->isVisible());
    ASSERT_TRUE(marked("soru3"));

    choose("yeniPopupItem");
    goOnWithoutSaving();
    editor->selection().select(addArea());
    frames(21);
    click(window("mesajYaz"));
    ASSERT_TRUE(window("mesajWindow")->isVisible());
    for (const char* field : fields)
        EXPECT_EQ(window(field)->getText(), "") << field;
    EXPECT_FALSE(marked("soru3"));
    EXPECT_TRUE(marked("soruYok"));
}

TEST_F(DocumentCommands, OpenLocksTheEditorUntilTheDialogIsCancelled)
{
    startEditing();
    addObject();
    choose("acPopupItem");
    goOnWithoutSaving();
    ASSERT_TRUE(dialogOpen());
    EXPECT_TRUE(editor->mode().isOn(Activity::FileDialog));
    EXPECT_EQ(dialogWindow("ExtensionCombobox")->getText(), "ZEVO (*.zev)");
    EXPECT_EQ(static_cast<CEGUI::Combobox*>(dialogWindow("ExtensionCombobox"))->getItemCount(), 2u);
    EXPECT_TRUE(listener->keysBuffered());
    for (const char* name : {"TestWindowFrame", "windowFrame", "insanTab", "mesajWindow"})
        EXPECT_TRUE(window(name)->isDisabled()) << name;

    click(dialogWindow("CancelButton"));
    EXPECT_FALSE(dialogOpen());
    EXPECT_FALSE(editor->mode().isOn(Activity::FileDialog));
    EXPECT_FALSE(listener->keysBuffered());
    for (const char* name : {"TestWindowFrame", "windowFrame", "insanTab", "mesajWindow"})
        EXPECT_FALSE(window(name)->isDisabled()) << name;
    EXPECT_EQ(editor->document().items().size(), 1u);
}

TEST_F(DocumentCommands, SaveWritesTheSceneUnderTheAcceptedName)
{
    startEditing();
    addObject();
    choose("kaydetPopupItem");
    ASSERT_TRUE(dialogOpen());
    EXPECT_EQ(dialogWindow("FileCombobox")->getText(), "save.zev");
    EXPECT_EQ(static_cast<CEGUI::Combobox*>(dialogWindow("ExtensionCombobox"))->getItemCount(), 4u);

    const std::string name = "panels_test_save.zev";
    std::remove(name.c_str());
    accept(name);
    EXPECT_FALSE(dialogOpen());
    EXPECT_FALSE(listener->keysBuffered());
    EXPECT_FALSE(window("TestWindowFrame")->isDisabled());
    const std::string written = fileContents(name);
    std::remove(name.c_str());
    EXPECT_EQ(written, "human kup.mesh 0 0 0");
    EXPECT_FALSE(editor->document().modified());
    EXPECT_NE(editor->document().path().find(name), std::string::npos) << editor->document().path();
}

TEST_F(DocumentCommands, OpenReplacesTheItemsWithTheAcceptedFilesAndShowsThem)
{
    startEditing();
    const ItemId old = addObject();
    ASSERT_TRUE(drawn(old));
    const std::string name = "panels_test_open.zev";
    std::ofstream(name) << "human kup.mesh 3 0 4\nroad yol.mesh 0 0 0 10";
    choose("acPopupItem");
    goOnWithoutSaving();
    accept(name);
    std::remove(name.c_str());

    EXPECT_FALSE(dialogOpen());
    EXPECT_FALSE(listener->keysBuffered());
    ASSERT_EQ(editor->document().items().size(), 2u);
    const Item& object = editor->document().items()[0];
    EXPECT_EQ(object.kind, ItemKind::Object);
    EXPECT_EQ(object.mesh, "kup.mesh");
    EXPECT_EQ(object.x, 3);
    EXPECT_EQ(object.z, 4);
    EXPECT_EQ(editor->document().items()[1].kind, ItemKind::Road);
    EXPECT_FALSE(drawn(old));
    EXPECT_TRUE(drawn(object.id));
    EXPECT_GT(object.id, old);
    EXPECT_FALSE(editor->document().modified());
    EXPECT_EQ(window("frameImage")->getProperty("Image"), "cameraImageSet/cameraImage");
    EXPECT_EQ(noticeText(), "");
}

TEST_F(DocumentCommands, OpenOrSaveWhileTheDialogIsOpenChangesNothing)
{
    startEditing();
    choose("acPopupItem");
    editor->documents().save();
    editor->documents().open();
    EXPECT_TRUE(listener->keysBuffered());
    // Still the open request: two file types, not the four of saving.
    EXPECT_EQ(static_cast<CEGUI::Combobox*>(dialogWindow("ExtensionCombobox"))->getItemCount(), 2u);
    click(dialogWindow("CancelButton"));
    EXPECT_FALSE(listener->keysBuffered());
    EXPECT_FALSE(window("TestWindowFrame")->isDisabled());
}

TEST_F(DocumentCommands, OpenAndSaveWaitWhileAMessageIsBeingWritten)
{
    startEditing();
    editor->selection().select(addArea());
    frames(21);
    click(window("mesajYaz"));
    for (void (DocumentController::*command)() : {&DocumentController::open, &DocumentController::save}) {
        hideNotice();
        (editor->documents().*command)();
        EXPECT_FALSE(dialogOpen());
        EXPECT_TRUE(listener->keysBuffered());
        EXPECT_FALSE(window("TestWindowFrame")->isDisabled());
        EXPECT_NE(noticeText().find("mesaj"), std::string::npos) << noticeText();
    }
}

// An installed editor hands its dialog the home directory to start in.
class DocumentCommandsWithStart : public DocumentCommands {
protected:
    std::string fileDialogStart() const override { return testpaths::mediaDir; }
};

TEST_F(DocumentCommandsWithStart, TheDialogStartsWhereTheEditorSays)
{
    startEditing();
    editor->documents().open();
    EXPECT_EQ(dialogWindow("klasorYolu")->getText(), testpaths::mediaDir);
    click(dialogWindow("CancelButton"));
}

// The dialog opens where the open document lies and Kaydet offers its name;
// without a document it stays where it was and offers "save.zev".
TEST_F(DocumentCommands, TheDialogStartsAtTheOpenDocument)
{
    char pattern[] = "/tmp/sahne_document_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    std::ofstream(folder + "/yol.zev") << "human kup.mesh 1 0 1";
    startEditing();
    ASSERT_TRUE(editor->documents().openFile(folder + "/yol.zev"));

    editor->documents().save();
    EXPECT_EQ(dialogWindow("klasorYolu")->getText(), folder);
    EXPECT_EQ(dialogWindow("FileCombobox")->getText(), "yol.zev");
    click(dialogWindow("CancelButton"));
    editor->documents().open();
    EXPECT_EQ(dialogWindow("klasorYolu")->getText(), folder);
    EXPECT_EQ(dialogWindow("FileCombobox")->getText(), "");
    click(dialogWindow("CancelButton"));

    editor->documents().newScenario();
    editor->documents().save();
    EXPECT_EQ(dialogWindow("klasorYolu")->getText(), folder);
    EXPECT_EQ(dialogWindow("FileCombobox")->getText(), "save.zev");
    click(dialogWindow("CancelButton"));
    std::remove((folder + "/yol.zev").c_str());
    rmdir(folder.c_str());
}

}  // namespace
