#include "tests/support/EditorFixture.h"

#include "panels/PanelSlides.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

using headlessgui::click;

namespace {

const char* const popups[] = {"dosyaPopup", "duzenlePopup", "gorunumPopup", "yardimPopup", "hakkindaicerik"};
const char* const toolboxWindows[] = {"insanTab", "yollarveisaretlerTab", "araclarTab", "ozelTab",
                                      "cevreTab", "ozelliklerTab", "tabFrameWindow"};
const char* const toolTabs[] = {"insanTab", "yollarveisaretlerTab", "araclarTab", "cevreTab", "ozelTab"};

bool visible(const char* name)
{
    return window(name)->isEffectiveVisible();
}

int openPopups()
{
    int open = 0;
    for (const char* popup : popups)
        open += visible(popup) ? 1 : 0;
    return open;
}

void clickCloseButton(const char* frameName)
{
    click(static_cast<CEGUI::FrameWindow*>(window(frameName))->getCloseButton());
}

using MenuBar = EditorFixture;

TEST_F(MenuBar, MenuButtonOpensAndClosesItsPopup)
{
    click(window("dosya"));
    EXPECT_TRUE(visible("dosyaPopup"));
    EXPECT_EQ(openPopups(), 1);
    click(window("dosya"));
    EXPECT_EQ(openPopups(), 0);
}

TEST_F(MenuBar, AnotherMenuButtonSwitchesPopups)
{
    click(window("dosya"));
    click(window("yardim"));
    EXPECT_FALSE(visible("dosyaPopup"));
    EXPECT_TRUE(visible("yardimPopup"));
    click(window("duzenle"));
    click(window("gorunum"));
    EXPECT_TRUE(visible("gorunumPopup"));
    EXPECT_EQ(openPopups(), 1);
}

TEST_F(MenuBar, AboutItemReplacesTheHelpPopupAndItsCloseButtonHidesIt)
{
    startEditing();  // the about window is locked with the editing panels until New
    click(window("yardim"));
    click(window("hakkindaPopupItem"));
    EXPECT_FALSE(visible("yardimPopup"));
    EXPECT_TRUE(visible("hakkindaicerik"));
    EXPECT_EQ(openPopups(), 1);
    clickCloseButton("hakkindaicerik");
    EXPECT_EQ(openPopups(), 0);
}

TEST_F(MenuBar, CloseEventOfTheHiddenAboutWindowLeavesAnOpenPopupAlone)
{
    click(window("dosya"));
    CEGUI::WindowEventArgs args(window("hakkindaicerik"));
    window("hakkindaicerik")->fireEvent(CEGUI::FrameWindow::EventCloseClicked, args);
    EXPECT_TRUE(visible("dosyaPopup"));
}

TEST_F(MenuBar, ToolboxToggledTwiceRestoresItsWindowsAndTheViewWidth)
{
    click(window("gorunum"));
    click(window("arackutusu"));
    for (const char* name : toolboxWindows)
        EXPECT_FALSE(window(name)->isVisible()) << name;
    EXPECT_EQ(window("windowFrame")->getWidth(), CEGUI::UDim(1.0f, 0));
    EXPECT_TRUE(editor->menuBar().toolboxHidden());
    EXPECT_FALSE(visible("tabButtonLeft")) << "the tab arrows go with the toolbox";
    EXPECT_FALSE(visible("tabButtonRight"));

    click(window("arackutusu"));
    for (const char* name : toolboxWindows)
        EXPECT_TRUE(window(name)->isVisible()) << name;
    EXPECT_TRUE(visible("tabButtonLeft"));
    EXPECT_TRUE(visible("tabButtonRight"));
    EXPECT_EQ(window("windowFrame")->getWidth(), CEGUI::UDim(1, -158.4f));
    EXPECT_FALSE(editor->menuBar().toolboxHidden());
}

TEST_F(MenuBar, ASlideThatEndsWhileTheToolboxIsHiddenLeavesTheArrowsHidden)
{
    click(window("tabButtonRight"));
    frames(5);
    click(window("gorunum"));
    click(window("arackutusu"));
    frames(30);
    EXPECT_FALSE(visible("tabButtonLeft"));
    EXPECT_FALSE(visible("tabButtonRight"));
    click(window("arackutusu"));
    EXPECT_TRUE(visible("tabButtonLeft"));
    EXPECT_TRUE(visible("tabButtonRight"));
}

TEST_F(MenuBar, ExitItemRequestsTheEnd)
{
    click(window("dosya"));
    click(window("cikisPopupItem"));
    EXPECT_TRUE(listener->quitRequested());
}

TEST_F(MenuBar, MainFrameCloseButtonRequestsTheEnd)
{
    clickCloseButton("TestWindowFrame");
    EXPECT_TRUE(listener->quitRequested());
}

class ToolTabs : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        home = relativeX("insanTab");
        propertiesHome = relativeX("ozelliklerTab");
    }

    // Every tool tab is home when it is the current one and parked otherwise.
    void expectTabsSettled(int current)
    {
        for (int tab = 1; tab <= 5; ++tab)
            EXPECT_NEAR(relativeX(toolTabs[tab - 1]), tab == current ? home : home + 0.2f, 1e-5f)
                << toolTabs[tab - 1] << " with tab " << current << " on view";
    }

    void slide(const char* arrow)
    {
        click(window(arrow));
        frames(21);
    }

    float home = 0;
    float propertiesHome = 0;
};

TEST_F(ToolTabs, RightArrowSlidesTheNextTabInOverTwentyFrames)
{
    click(window("tabButtonRight"));
    EXPECT_EQ(editor->menuBar().currentToolTab(), 2);
    for (int step = 1; step <= 20; ++step) {
        frames(1);
        EXPECT_NEAR(relativeX("yollarveisaretlerTab"), home + 0.2f - 0.01f * step, 1e-4f) << step;
        EXPECT_NEAR(relativeX("insanTab"), home + 0.01f * step, 1e-4f) << step;
        EXPECT_FALSE(visible("tabButtonLeft")) << step;
        EXPECT_FALSE(visible("tabButtonRight")) << step;
    }
    frames(1);
    EXPECT_TRUE(visible("tabButtonLeft"));
    EXPECT_TRUE(visible("tabButtonRight"));
    expectTabsSettled(2);
    frames(5);
    expectTabsSettled(2);
}

TEST_F(ToolTabs, RepeatedSlidesBothWaysEndExactlyAtHomeOrParked)
{
    for (int round = 0; round < 5; ++round) {
        for (int tab = 2; tab <= 5; ++tab) {
            slide("tabButtonRight");
            expectTabsSettled(tab);
        }
        for (int tab = 4; tab >= 1; --tab) {
            slide("tabButtonLeft");
            expectTabsSettled(tab);
        }
    }
    for (int tab = 1; tab <= 5; ++tab)
        EXPECT_NEAR(relativeX(toolTabs[tab - 1]), tab == 1 ? home : home + 0.2f, 1e-6f) << toolTabs[tab - 1];
}

TEST_F(ToolTabs, ArrowsAtTheEndsMoveNothingAndStayVisible)
{
    click(window("tabButtonLeft"));
    EXPECT_EQ(editor->menuBar().currentToolTab(), 1);
    EXPECT_TRUE(visible("tabButtonLeft"));
    EXPECT_TRUE(visible("tabButtonRight"));
    frames(21);
    expectTabsSettled(1);

    for (int tab = 2; tab <= 5; ++tab)
        slide("tabButtonRight");
    click(window("tabButtonRight"));
    EXPECT_EQ(editor->menuBar().currentToolTab(), 5);
    EXPECT_TRUE(visible("tabButtonRight"));
    frames(21);
    expectTabsSettled(5);
}

TEST_F(ToolTabs, IndexThatNamesNoTabMovesNothing)
{
    for (int index : {0, 6, -2})
        moveToolTab(1, index);
    expectTabsSettled(1);
    EXPECT_NEAR(relativeX("ozelliklerTab"), propertiesHome, 1e-6f);
}

}  // namespace
