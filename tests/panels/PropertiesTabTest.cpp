#include "tests/support/EditorFixture.h"

#include "document/ScenarioFile.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreFrameListener.h>

#include <cstdio>
#include <unistd.h>

using headlessgui::click;

namespace {

class PropertiesTab : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        in = relativeX("ozelliklerTab");
    }

    // The slide-out that every start begins with.
    void finishStartSlide() { frames(21); }

    float position() const { return relativeX("ozelliklerTab"); }
    bool messageButtonShown() const { return window("mesajYaz")->isVisible(); }

    float in = 0;
};

TEST_F(PropertiesTab, SlidesOutOfViewAtStart)
{
    finishStartSlide();
    EXPECT_NEAR(position(), in + 0.2f, 1e-5f);
    EXPECT_FALSE(editor->properties().slidingOut());
    EXPECT_FALSE(messageButtonShown());
}

TEST_F(PropertiesTab, SlidesInOnSelectionShowingThePositionAndOutWhenTheSelectionIsCleared)
{
    finishStartSlide();
    editor->selection().select(add(makeObject(editor->document().peekId(), "kup.mesh", 3, -7)));
    EXPECT_EQ(window("xPosition")->getText(), "3.000000");
    EXPECT_EQ(window("yPosition")->getText(), "-7.000000");
    for (int step = 1; step <= 20; ++step) {
        frames(1);
        EXPECT_NEAR(position(), in + 0.2f - 0.01f * step, 1e-4f) << step;
    }
    frames(1);
    EXPECT_NEAR(position(), in, 1e-6f);
    EXPECT_FALSE(editor->properties().slidingIn());

    editor->selection().clear();
    frames(21);
    EXPECT_NEAR(position(), in + 0.2f, 1e-6f);
}

TEST_F(PropertiesTab, MessageButtonShowsOnlyForBlueAreas)
{
    const ItemId object = addObject();
    const ItemId area = addArea();

    editor->selection().select(object);
    frames(1);
    EXPECT_FALSE(messageButtonShown());

    editor->selection().select(area);
    frames(1);
    EXPECT_TRUE(messageButtonShown());

    // Another selection while the tab stays in.
    editor->selection().select(object);
    frames(25);
    EXPECT_FALSE(messageButtonShown());
    editor->selection().select(area);
    frames(1);
    EXPECT_TRUE(messageButtonShown());

    editor->selection().clear();
    frames(1);
    EXPECT_FALSE(messageButtonShown());
}

TEST_F(PropertiesTab, SelectionDuringTheStartSlideBringsTheTabBackExactlyAndKeepsIt)
{
    frames(5);
    editor->selection().select(addObject());
    frames(5);
    EXPECT_NEAR(position(), in, 1e-6f);
    frames(40);
    EXPECT_NEAR(position(), in, 1e-6f);
    EXPECT_FALSE(editor->properties().slidingOut());
    EXPECT_FALSE(editor->properties().slidingIn());
}

TEST_F(PropertiesTab, ManySelectionsLeaveTheTabExactlyInOrOut)
{
    finishStartSlide();
    for (int round = 0; round < 30; ++round) {
        editor->selection().select(addObject());
        frames(21);
        EXPECT_NEAR(position(), in, 1e-6f) << round;
        editor->selection().clear();
        frames(7 + round % 20);
    }
    frames(21);
    EXPECT_NEAR(position(), in + 0.2f, 1e-6f);
}

// What leaves the tab where it is: edits that are no new choice of the user.
class PropertiesTabStays : public EditorFixture {
protected:
    TerrainSceneManager& makeScene() override { return stagedTerrain(); }
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditing();
        in = relativeX("ozelliklerTab");
        firstListenerFrame();
        selected = add(makeObject(editor->document().peekId(), "kup.mesh", 3, 20));
        editor->selection().select(selected);
        frames(25);
        ASSERT_NEAR(relativeX("ozelliklerTab"), in, 1e-6f);
    }

    // A click into the camera view at fractions of its size.
    void clickView(float x, float y)
    {
        const CEGUI::Rectf& rect = window("windowFrame")->getUnclippedOuterRect().get();
        headlessgui::clickAt(rect.d_min.d_x + x * rect.getWidth(), rect.d_min.d_y + y * rect.getHeight());
    }
    std::string field(const char* name) const { return window(name)->getText().c_str(); }
    void expectTabWithTheFields(bool shown, const std::string& x, const std::string& z)
    {
        frames(25);
        EXPECT_EQ(editor->properties().shown(), shown);
        EXPECT_NEAR(relativeX("ozelliklerTab"), shown ? in : in + 0.2f, 1e-6f);
        EXPECT_EQ(field("xPosition"), x);
        EXPECT_EQ(field("yPosition"), z);
    }
    void expectTabInWithTheFields(const std::string& x, const std::string& z) { expectTabWithTheFields(true, x, z); }

    float in = 0;
    ItemId selected = 0;
};

// Choosing the area or the road tool gives the selection up and slides the tab
// out; what is placed then is selected without being shown.
TEST_F(PropertiesTabStays, PlacingAnAreaOrARoadLeavesTheTabAndThePositionFields)
{
    const std::size_t before = editor->document().items().size();
    editor->tools().beginAreaPlacement();
    expectTabWithTheFields(false, "3.000000", "20.000000");
    clickView(0.4f, 0.85f);
    clickView(0.6f, 0.9f);
    ASSERT_EQ(editor->document().items().size(), before + 1) << noticeText();
    ASSERT_TRUE(editor->selection().selected());
    expectTabWithTheFields(false, "3.000000", "20.000000");

    editor->tools().beginRoadPlacement();
    clickView(0.4f, 0.9f);
    clickView(0.6f, 0.85f);
    ASSERT_EQ(editor->document().items().size(), before + 2) << noticeText();
    ASSERT_TRUE(editor->selection().selected());
    expectTabWithTheFields(false, "3.000000", "20.000000");
}

TEST_F(PropertiesTabStays, DeleteOpenAndAnObjectPlacedOverTheSelectionDoNotSlideItOut)
{
    click(window("duzenle"));
    click(window("silPopupItem"));
    ASSERT_EQ(editor->document().find(selected), nullptr);
    expectTabInWithTheFields("3.000000", "20.000000");

    editor->selection().select(add(makeObject(editor->document().peekId(), "kup.mesh", 4, 21)));
    pressKey(input::KC_DELETE);
    ASSERT_TRUE(editor->selection().empty());
    expectTabInWithTheFields("4.000000", "21.000000");

    editor->selection().select(add(makeObject(editor->document().peekId(), "kup.mesh", 5, 22)));
    const std::string path = testing::TempDir() + "tab_" + std::to_string(getpid()) + ".zev";
    ASSERT_EQ(saveScenario(editor->document(), path), "");
    ASSERT_TRUE(editor->documents().openFile(path));
    std::remove(path.c_str());
    expectTabInWithTheFields("5.000000", "22.000000");

    editor->selection().select(editor->document().items().front().id);
    click(window("adam"));
    clickView(0.5f, 0.85f);
    ASSERT_TRUE(editor->selection().selected());
    EXPECT_NE(*editor->selection().selected(), editor->document().items().front().id) << "the placed object is selected";
    frames(25);
    EXPECT_TRUE(editor->properties().shown());
    EXPECT_NEAR(relativeX("ozelliklerTab"), in, 1e-6f);
}

using PanelLocking = EditorFixture;

TEST_F(PanelLocking, TheWidgetsKeepTheKeysUntilTheLastWindowThatHoldsThemLetsGo)
{
    ASSERT_FALSE(listener->keysBuffered());
    editor->mode().begin(Activity::Typing);
    EXPECT_TRUE(listener->keysBuffered());
    EXPECT_TRUE(listener->input().bufferedKeys());
    EXPECT_TRUE(listener->input().bufferedMouse());
    editor->mode().begin(Activity::Typing);
    editor->mode().end(Activity::Typing);
    EXPECT_TRUE(listener->keysBuffered());
    editor->mode().end(Activity::Typing);
    EXPECT_FALSE(listener->keysBuffered());
    EXPECT_FALSE(listener->input().bufferedKeys());
    EXPECT_TRUE(listener->input().bufferedMouse());
    editor->mode().end(Activity::Typing);
    EXPECT_FALSE(listener->keysBuffered()) << "a release without a hold changes nothing";
}

}  // namespace
