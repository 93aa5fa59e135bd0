#include "tests/support/EditorFixture.h"


#include <CEGUI/CEGUI.h>

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
    EXPECT_FALSE(editor->properties.slidingOut());
    EXPECT_FALSE(messageButtonShown());
}

TEST_F(PropertiesTab, SlidesInOnSelectionShowingThePositionAndOutWhenTheSelectionIsCleared)
{
    finishStartSlide();
    editor->selection.select(add(makeObject(editor->document.peekId(), "kup.mesh", 3, -7)));
    EXPECT_EQ(window("xPosition")->getText(), "3.000000");
    EXPECT_EQ(window("yPosition")->getText(), "-7.000000");
    for (int step = 1; step <= 20; ++step) {
        frames(1);
        EXPECT_NEAR(position(), in + 0.2f - 0.01f * step, 1e-4f) << step;
    }
    frames(1);
    EXPECT_NEAR(position(), in, 1e-6f);
    EXPECT_FALSE(editor->properties.slidingIn());

    editor->selection.clear();
    frames(21);
    EXPECT_NEAR(position(), in + 0.2f, 1e-6f);
}

TEST_F(PropertiesTab, MessageButtonShowsOnlyForBlueAreas)
{
    const ItemId object = addObject();
    const ItemId area = addArea();

    editor->selection.select(object);
    frames(1);
    EXPECT_FALSE(messageButtonShown());

    editor->selection.select(area);
    frames(1);
    EXPECT_TRUE(messageButtonShown());

    // Another selection while the tab stays in.
    editor->selection.select(object);
    frames(25);
    EXPECT_FALSE(messageButtonShown());
    editor->selection.select(area);
    frames(1);
    EXPECT_TRUE(messageButtonShown());

    editor->selection.clear();
    frames(1);
    EXPECT_FALSE(messageButtonShown());
}

TEST_F(PropertiesTab, SelectionDuringTheStartSlideBringsTheTabBackExactlyAndKeepsIt)
{
    frames(5);
    editor->selection.select(addObject());
    frames(5);
    EXPECT_NEAR(position(), in, 1e-6f);
    frames(40);
    EXPECT_NEAR(position(), in, 1e-6f);
    EXPECT_FALSE(editor->properties.slidingOut());
    EXPECT_FALSE(editor->properties.slidingIn());
}

TEST_F(PropertiesTab, ManySelectionsLeaveTheTabExactlyInOrOut)
{
    finishStartSlide();
    for (int round = 0; round < 30; ++round) {
        editor->selection.select(addObject());
        frames(21);
        EXPECT_NEAR(position(), in, 1e-6f) << round;
        editor->selection.clear();
        frames(7 + round % 20);
    }
    frames(21);
    EXPECT_NEAR(position(), in + 0.2f, 1e-6f);
}

using PanelLocking = EditorFixture;

TEST_F(PanelLocking, TheWidgetsKeepTheKeysUntilTheLastWindowThatHoldsThemLetsGo)
{
    ASSERT_FALSE(listener->bufferedKeys);
    editor->keys.hold();
    EXPECT_TRUE(listener->bufferedKeys);
    EXPECT_TRUE(listener->inputReader->bufferedKeys());
    EXPECT_TRUE(listener->inputReader->bufferedMouse());
    editor->keys.hold();
    editor->keys.release();
    EXPECT_TRUE(listener->bufferedKeys);
    editor->keys.release();
    EXPECT_FALSE(listener->bufferedKeys);
    EXPECT_FALSE(listener->inputReader->bufferedKeys());
    EXPECT_TRUE(listener->inputReader->bufferedMouse());
    editor->keys.release();
    EXPECT_FALSE(listener->bufferedKeys) << "a release without a hold changes nothing";
}

}  // namespace
