#include "tests/panels/EditorFixture.h"

#include "editor/Selection.h"
#include "panels/Panels.h"

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
    EXPECT_EQ(session->panels.propertiesTabSlideOut, 0);
    EXPECT_FALSE(messageButtonShown());
}

TEST_F(PropertiesTab, SlidesInOnSelectionAndOutWhenTheSelectionIsCleared)
{
    finishStartSlide();
    selectNode(*session, addObject());
    for (int step = 1; step <= 20; ++step) {
        frames(1);
        EXPECT_NEAR(position(), in + 0.2f - 0.01f * step, 1e-4f) << step;
    }
    frames(1);
    EXPECT_NEAR(position(), in, 1e-6f);
    EXPECT_EQ(session->panels.propertiesTabSlideIn, 0);

    clearSelection(*session);
    frames(21);
    EXPECT_NEAR(position(), in + 0.2f, 1e-6f);
}

TEST_F(PropertiesTab, MessageButtonShowsOnlyForBlueAreas)
{
    Ogre::SceneNode* object = addObject();
    Ogre::SceneNode* area = addArea().node;

    selectNode(*session, object);
    frames(1);
    EXPECT_FALSE(messageButtonShown());

    selectNode(*session, area);
    frames(1);
    EXPECT_TRUE(messageButtonShown());

    // Another selection while the tab stays in.
    selectNode(*session, object);
    frames(25);
    EXPECT_FALSE(messageButtonShown());
    selectNode(*session, area);
    frames(1);
    EXPECT_TRUE(messageButtonShown());

    clearSelection(*session);
    frames(1);
    EXPECT_FALSE(messageButtonShown());
}

TEST_F(PropertiesTab, SelectionDuringTheStartSlideBringsTheTabBackExactlyAndKeepsIt)
{
    frames(5);
    selectNode(*session, addObject());
    frames(5);
    EXPECT_NEAR(position(), in, 1e-6f);
    frames(40);
    EXPECT_NEAR(position(), in, 1e-6f);
    EXPECT_EQ(session->panels.propertiesTabSlideOut, 0);
    EXPECT_EQ(session->panels.propertiesTabSlideIn, 0);
}

TEST_F(PropertiesTab, ManySelectionsLeaveTheTabExactlyInOrOut)
{
    finishStartSlide();
    for (int round = 0; round < 30; ++round) {
        selectNode(*session, addObject());
        frames(21);
        EXPECT_NEAR(position(), in, 1e-6f) << round;
        clearSelection(*session);
        frames(7 + round % 20);
    }
    frames(21);
    EXPECT_NEAR(position(), in + 0.2f, 1e-6f);
}

using PanelLocking = EditorFixture;

TEST_F(PanelLocking, KeyboardToggleSwitchesTheListenerAndItsReader)
{
    ASSERT_FALSE(listener->bufferedKeys);
    toggleKeyboardBuffering(*listener);
    EXPECT_TRUE(listener->bufferedKeys);
    EXPECT_TRUE(listener->inputReader->bufferedKeys());
    EXPECT_TRUE(listener->inputReader->bufferedMouse());
    toggleKeyboardBuffering(*listener);
    EXPECT_FALSE(listener->bufferedKeys);
    EXPECT_FALSE(listener->inputReader->bufferedKeys());
    EXPECT_TRUE(listener->inputReader->bufferedMouse());
}

}  // namespace
