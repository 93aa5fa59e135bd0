#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <gtest/gtest.h>

namespace {

class HeadlessGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        headlessgui::context();
        CEGUI::WindowManager& wm = CEGUI::WindowManager::getSingleton();
        root = wm.createWindow("DefaultWindow", "Root");
        root->setArea(CEGUI::URect(CEGUI::UDim(0, 0), CEGUI::UDim(0, 0), CEGUI::UDim(1, 0), CEGUI::UDim(1, 0)));
        button = wm.createWindow("WindowsLook/Button", "Button");
        button->setArea(CEGUI::URect(CEGUI::UDim(0, 100), CEGUI::UDim(0, 100), CEGUI::UDim(0, 200), CEGUI::UDim(0, 140)));
        root->addChild(button);
        headlessgui::setRoot(root);
        button->subscribeEvent(CEGUI::PushButton::EventClicked, [this] { ++clicks; });
        button->subscribeEvent(CEGUI::Window::EventMouseDoubleClick, [this] { ++doubleClicks; });
    }
    void TearDown() override { headlessgui::resetRoot(); }

    CEGUI::Window* root = nullptr;
    CEGUI::Window* button = nullptr;
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(HeadlessGuiTest, QuickSuccessiveClicksStaySingleClicks) {
    headlessgui::click(button);
    headlessgui::click(button);
    headlessgui::click(button);
    EXPECT_EQ(3, clicks);
    EXPECT_EQ(0, doubleClicks);
}

TEST_F(HeadlessGuiTest, DoubleClickIsReportedAsOne) {
    headlessgui::doubleClick(button);
    EXPECT_EQ(1, doubleClicks);
    headlessgui::click(button);
    EXPECT_EQ(1, doubleClicks);
}

TEST_F(HeadlessGuiTest, ClickingAHiddenWindowThrows) {
    button->hide();
    EXPECT_THROW(headlessgui::click(button), std::runtime_error);
    EXPECT_EQ(0, clicks);
}

TEST_F(HeadlessGuiTest, TypedTextReachesTheFocusedEditbox) {
    CEGUI::Window* edit = CEGUI::WindowManager::getSingleton().createWindow("WindowsLook/Editbox", "Edit");
    edit->setArea(CEGUI::URect(CEGUI::UDim(0, 300), CEGUI::UDim(0, 100), CEGUI::UDim(0, 500), CEGUI::UDim(0, 140)));
    root->addChild(edit);
    headlessgui::click(edit);
    headlessgui::typeText("ad\xC4\xB1.zev");  // "adı.zev"
    EXPECT_EQ(std::string("ad\xC4\xB1.zev"), std::string(edit->getText().c_str()));
}

TEST_F(HeadlessGuiTest, LayoutsAndFontsComeFromTheStagedMedia) {
    EXPECT_TRUE(CEGUI::FontManager::getSingleton().isDefined("Tahoma-12"));
    EXPECT_EQ("Tahoma-12", headlessgui::context().getDefaultFont()->getName());
    EXPECT_GT(headlessgui::context().getDefaultFont()->getLineSpacing(), 0.0f);
}

}  // namespace
