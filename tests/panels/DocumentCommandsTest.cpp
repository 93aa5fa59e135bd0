#include "tests/panels/EditorFixture.h"

#include "editor/Selection.h"
#include "filedialog/CommonFileDialog.h"
#include "panels/Panels.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreSceneNode.h>

#include <cstdio>
#include <fstream>
#include <sstream>

using headlessgui::click;

namespace {

CEGUI::Window* dialogWindow(const std::string& child = "")
{
    CEGUI::Window* root = CommonFileDialog::getSingleton()->getRootWindow();
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
    Ogre::SceneNode* object = addObject();
    addArea();
    selectNode(*session, object);
    object->showBoundingBox(true);
    frames(21);
    session->editing.placementMode = Area;
    listener->clickStep = 1;
    ASSERT_EQ(window("frameImage")->getProperty("Image"), "");

    choose("yeniPopupItem");

    EXPECT_TRUE(session->registry.objects.empty());
    EXPECT_TRUE(session->registry.areas.empty());
    EXPECT_EQ(session->editing.selectedNode, nullptr);
    EXPECT_FALSE(object->getShowBoundingBox());
    EXPECT_EQ(session->editing.placementMode, None);
    EXPECT_EQ(listener->clickStep, 0);
    EXPECT_EQ(window("frameImage")->getProperty("Image"), "cameraImageSet/cameraImage");
    for (const char* name : {"tabFrameWindow", "insanTab", "ozelliklerTab", "mesajWindow"})
        EXPECT_FALSE(window(name)->isDisabled()) << name;
    EXPECT_EQ(session->panels.propertiesTabShown, 0);
    EXPECT_EQ(session->panels.propertiesTabSlideOut, 1);
    // The name counter keeps counting.
    EXPECT_EQ(session->editing.nameCounter, 2);
}

TEST_F(DocumentCommands, NewClosesAnOpenMessageEditorAndGivesTheKeysBack)
{
    enableEditor();
    selectNode(*session, addArea().node);
    frames(21);
    click(window("mesajYaz"));
    ASSERT_TRUE(listener->bufferedKeys);
    choose("yeniPopupItem");
    EXPECT_FALSE(window("mesajWindow")->isVisible());
    EXPECT_FALSE(listener->bufferedKeys);
}

TEST_F(DocumentCommands, OpenLocksTheEditorUntilTheDialogIsCancelled)
{
    enableEditor();
    addObject();
    choose("acPopupItem");
    ASSERT_TRUE(dialogOpen());
    EXPECT_EQ(dialogWindow("ExtensionCombobox")->getText(), "ZEVO (*.zev)");
    EXPECT_EQ(static_cast<CEGUI::Combobox*>(dialogWindow("ExtensionCombobox"))->getItemCount(), 2u);
    EXPECT_TRUE(listener->bufferedKeys);
    for (const char* name : {"TestWindowFrame", "windowFrame", "insanTab", "mesajWindow"})
        EXPECT_TRUE(window(name)->isDisabled()) << name;

    click(dialogWindow("CancelButton"));
    EXPECT_FALSE(dialogOpen());
    EXPECT_FALSE(listener->bufferedKeys);
    for (const char* name : {"TestWindowFrame", "windowFrame", "insanTab", "mesajWindow"})
        EXPECT_FALSE(window(name)->isDisabled()) << name;
    EXPECT_EQ(session->registry.objects.size(), 1u);
}

TEST_F(DocumentCommands, SaveWritesTheSceneUnderTheAcceptedName)
{
    enableEditor();
    addObject();
    choose("kaydetPopupItem");
    ASSERT_TRUE(dialogOpen());
    EXPECT_EQ(dialogWindow("FileCombobox")->getText(), "save.zev");
    EXPECT_EQ(static_cast<CEGUI::Combobox*>(dialogWindow("ExtensionCombobox"))->getItemCount(), 4u);

    const std::string name = "panels_test_save.zev";
    std::remove(name.c_str());
    dialogWindow("FileCombobox")->setText(name);
    click(dialogWindow("OkButton"));
    EXPECT_FALSE(dialogOpen());
    EXPECT_FALSE(listener->bufferedKeys);
    EXPECT_FALSE(window("TestWindowFrame")->isDisabled());
    const std::string written = fileContents(name);
    std::remove(name.c_str());
    EXPECT_EQ(written, "human kup.mesh 0 0 0");
}

TEST_F(DocumentCommands, SecondOpenWhileTheDialogIsOpenKeepsTheKeyboardInStep)
{
    enableEditor();
    choose("acPopupItem");
    app->onSaveClicked(CEGUI::WindowEventArgs(window("kaydetPopupItem")));
    app->onOpenClicked(CEGUI::WindowEventArgs(window("acPopupItem")));
    EXPECT_TRUE(listener->bufferedKeys);
    click(dialogWindow("CancelButton"));
    EXPECT_FALSE(listener->bufferedKeys);
    EXPECT_FALSE(window("TestWindowFrame")->isDisabled());
}

TEST_F(DocumentCommands, OpenWaitsWhileAMessageIsBeingWritten)
{
    enableEditor();
    selectNode(*session, addArea().node);
    frames(21);
    click(window("mesajYaz"));
    app->onOpenClicked(CEGUI::WindowEventArgs(window("acPopupItem")));
    EXPECT_FALSE(dialogOpen());
    EXPECT_TRUE(listener->bufferedKeys);
    EXPECT_NE(noticeText().find("mesaj"), std::string::npos) << noticeText();
}

}  // namespace
