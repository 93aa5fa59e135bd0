#include "tests/support/EditorFixture.h"

#include "document/Commands.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreSceneManager.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using headlessgui::click;

namespace {

// Undo and redo from the menu and the keys, the caption, and the question that
// comes before unsaved changes would be lost.
class UndoAndUnsavedChanges : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditing();
        char pattern[] = "/tmp/sahne-undo-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        std::remove((folder + "/a.zev").c_str());
        std::remove((folder + "/b.zev").c_str());
        rmdir(folder.c_str());
        EditorFixture::TearDown();
    }

    void choose(const char* item)
    {
        click(window("dosya"));
        click(window(item));
    }
    // The popup stays open after a choice.
    void chooseEdit(const char* item)
    {
        if (!window("duzenlePopup")->isVisible())
            click(window("duzenle"));
        click(window(item));
    }
    // A key press as the listener gets it, with Ctrl (and Shift) held.
    void ctrl(input::KeyCode key, bool shift = false)
    {
        pressKey(key, input::CTRL_MASK | (shift ? input::SHIFT_MASK : 0));
    }
    void press(input::KeyCode key) { pressKey(key); }
    std::string caption() const { return window("TestWindowFrame")->getText().c_str(); }
    bool asking() const { return window("kaydetSorWindow")->isVisible(); }
    std::string saved(const std::string& name = "a.zev") const
    {
        std::ifstream file(folder + "/" + name);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::string folder;
};

TEST_F(UndoAndUnsavedChanges, MenuItemsUndoAndRedoEditsInTheSceneAndTheSelection)
{
    const ItemId id = addObject();
    editor->selection().select(id);
    chooseEdit("geriAlPopupItem");
    EXPECT_TRUE(editor->document().items().empty());
    EXPECT_FALSE(drawn(id));
    EXPECT_FALSE(scene->hasEntity("Human" + std::to_string(id)));
    EXPECT_FALSE(editor->selection().selected()) << "an undone item leaves the selection";

    chooseEdit("yinelePopupItem");
    ASSERT_EQ(editor->document().items().size(), 1u);
    EXPECT_TRUE(drawn(id));
}

TEST_F(UndoAndUnsavedChanges, AnUndoneMoveShowsTheOldPositionInTheProperties)
{
    const ItemId id = addObject();
    editor->selection().select(id);
    const Item before = item(id);
    editor->document().execute(std::make_unique<ChangeItem>(before, movedTo(before, 7, -3)));
    EXPECT_EQ(std::string(window("xPosition")->getText().c_str()), "7.000000");
    ctrl(input::KC_Z);
    EXPECT_EQ(std::string(window("xPosition")->getText().c_str()), "0.000000");
    ctrl(input::KC_Z, true);
    EXPECT_EQ(std::string(window("yPosition")->getText().c_str()), "-3.000000");
}

TEST_F(UndoAndUnsavedChanges, KeysUndoAndRedoButNotWhileTextIsTypedOrADialogIsOpen)
{
    addObject();
    addObject();
    ctrl(input::KC_Z);
    EXPECT_EQ(editor->document().items().size(), 1u);
    ctrl(input::KC_Y);
    EXPECT_EQ(editor->document().items().size(), 2u);

    editor->selection().select(addArea());
    click(window("mesajYaz"));
    ASSERT_TRUE(window("mesajWindow")->isVisible());
    ctrl(input::KC_Z);
    chooseEdit("geriAlPopupItem");
    EXPECT_EQ(editor->document().items().size(), 3u) << "nothing is undone while a message is written";
    click(window("mesajIptal"));

    editor->documents().save();
    ASSERT_TRUE(editor->fileDialog().getRootWindow()->isVisible());
    ctrl(input::KC_Z);
    EXPECT_EQ(editor->document().items().size(), 3u) << "nothing is undone while the file dialog is open";
}

// The native window's title follows the frame's caption through the caption's follower.
TEST_F(UndoAndUnsavedChanges, TheCaptionNamesTheFileAndMarksUnsavedChanges)
{
    std::vector<std::string> titles;
    editor->documents().windowCaption().followWith([&titles](const std::string& title) { titles.push_back(title); });
    ASSERT_EQ(titles, std::vector<std::string>{"Sahne - Adsiz"}) << "the follower gets the caption at once";
    const auto shows = [&](const std::string& expected) {
        EXPECT_EQ(caption(), expected);
        EXPECT_EQ(titles.back(), expected) << "the title follows the caption";
    };
    shows("Sahne - Adsiz");
    addObject();
    shows("Sahne - Adsiz *");
    ASSERT_TRUE(editor->documents().saveFile(folder + "/a.zev"));
    shows("Sahne - a.zev");
    addObject();
    shows("Sahne - a.zev *");
    ctrl(input::KC_Z);
    {
        SCOPED_TRACE("undone back to the saved state");
        shows("Sahne - a.zev");
    }
    ctrl(input::KC_Y);
    shows("Sahne - a.zev *");
    editor->documents().newScenario();
    ASSERT_TRUE(window("kaydetSorWindow")->isVisible());
    click(window("kaydetSorHayir"));
    shows("Sahne - Adsiz");
}

TEST_F(UndoAndUnsavedChanges, EscapeAsksAndVazgecOrEscapeKeepTheEditorAsItWas)
{
    addObject();
    press(input::KC_ESCAPE);
    ASSERT_TRUE(asking());
    EXPECT_TRUE(listener->keysBuffered()) << "while it asks, the question alone takes the keys";
    ctrl(input::KC_Z);
    EXPECT_EQ(editor->document().items().size(), 1u);
    click(window("kaydetSorIptal"));
    EXPECT_FALSE(asking());
    EXPECT_FALSE(listener->quitRequested());
    EXPECT_FALSE(listener->keysBuffered());

    press(input::KC_ESCAPE);
    ASSERT_TRUE(asking());
    press(input::KC_ESCAPE);
    EXPECT_FALSE(asking());
    EXPECT_FALSE(listener->quitRequested());
    EXPECT_EQ(editor->document().items().size(), 1u);

    press(input::KC_ESCAPE);
    click(window("kaydetSorHayir"));
    EXPECT_TRUE(listener->quitRequested());
}

TEST_F(UndoAndUnsavedChanges, KaydetSavesToTheOwnFileAndGoesOnOnlyWhenTheSaveSucceeded)
{
    addObject();
    ASSERT_TRUE(editor->documents().saveFile(folder + "/a.zev"));
    addObject();
    std::remove((folder + "/a.zev").c_str());
    rmdir(folder.c_str());  // the file's folder is gone: the save fails
    input.closeWindow();
    listener->processEvents();
    listener->frameStarted({0, 0});
    ASSERT_TRUE(asking()) << "closing the window asks too";
    click(window("kaydetSorEvet"));
    EXPECT_NE(noticeText(), "");
    EXPECT_FALSE(listener->quitRequested()) << "nothing is discarded after a failed save";
    EXPECT_EQ(editor->document().items().size(), 2u);

    hideNotice();
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    click(window("TestWindowFrame")->getChild("__auto_closebutton__"));
    ASSERT_TRUE(asking());
    click(window("kaydetSorEvet"));
    EXPECT_TRUE(listener->quitRequested());
    const std::string text = saved();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}

TEST_F(UndoAndUnsavedChanges, KaydetWithoutAFileGoesThroughTheDialogThenOn)
{
    addObject();
    choose("yeniPopupItem");
    ASSERT_TRUE(asking());
    click(window("kaydetSorEvet"));
    CEGUI::Window* dialog = editor->fileDialog().getRootWindow();
    ASSERT_TRUE(dialog->isVisible());
    dialog->getChild("FileCombobox")->setText("undo-test.zev");
    click(dialog->getChild("OkButton"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(std::remove("undo-test.zev"), 0) << "saved into the dialog's folder";
    EXPECT_TRUE(editor->document().items().empty()) << "New went on after the save";
    EXPECT_FALSE(listener->keysBuffered());
}

TEST_F(UndoAndUnsavedChanges, CtrlSSavesToTheOpenedFileWithoutADialogAndCtrlShiftSAsks)
{
    addObject();
    ASSERT_TRUE(editor->documents().saveFile(folder + "/a.zev"));
    const std::string before = saved();
    addObject();
    ctrl(input::KC_S);
    EXPECT_FALSE(editor->fileDialog().getRootWindow()->isVisible());
    EXPECT_NE(saved(), before);
    EXPECT_FALSE(editor->document().modified());

    ctrl(input::KC_S, true);
    EXPECT_TRUE(editor->fileDialog().getRootWindow()->isVisible());
}

// Kaydet writes to the scenario's own file, as Ctrl+S does; Farkli Kaydet asks
// for a name, as Ctrl+Shift+S does, and the scenario goes on under the new
// one with its history. A write that fails keeps the old name and the changes.
TEST_F(UndoAndUnsavedChanges, FarkliKaydetGoesOnUnderTheNewNameWithTheHistoryKept)
{
    addObject();
    ASSERT_TRUE(editor->documents().saveFile(folder + "/a.zev"));
    const std::string first = saved();
    addObject();
    choose("kaydetPopupItem");
    CEGUI::Window* dialog = editor->fileDialog().getRootWindow();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_NE(saved(), first);
    const std::string second = saved();
    addObject();

    click(window("farkliKaydetPopupItem"));  // the menu stays open after Kaydet
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->getChild("FileCombobox")->getText(), "a.zev");
    dialog->getChild("FileCombobox")->setText(folder + "/b.zev");
    click(dialog->getChild("OkButton"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(saved(), second) << "the old file stays as it was";
    const std::string renamed = saved("b.zev");
    EXPECT_EQ(std::count(renamed.begin(), renamed.end(), '\n'), 2) << renamed;
    EXPECT_EQ(editor->document().path(), folder + "/b.zev");
    EXPECT_EQ(caption(), "Sahne - b.zev");
    EXPECT_FALSE(editor->document().modified());

    ctrl(input::KC_Z);
    EXPECT_EQ(editor->document().items().size(), 2u) << "the history goes on under the new name";
    EXPECT_EQ(caption(), "Sahne - b.zev *");

    ctrl(input::KC_S, true);
    ASSERT_TRUE(dialog->isVisible());
    dialog->getChild("FileCombobox")->setText(folder + "/missing/c.zev");
    click(dialog->getChild("OkButton"));
    EXPECT_NE(noticeText().find("kaydedilmedi"), std::string::npos) << noticeText();
    EXPECT_EQ(editor->document().path(), folder + "/b.zev");
    EXPECT_TRUE(editor->document().modified());
    EXPECT_EQ(editor->document().items().size(), 2u);
    EXPECT_EQ(caption(), "Sahne - b.zev *");
}

}  // namespace
