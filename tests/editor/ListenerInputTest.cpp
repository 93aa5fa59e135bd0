#include "tests/editor/ListenerFixture.h"
#include "tests/support/FakeInputSource.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreSceneNode.h>


namespace {

using ListenerTest = ListenerFixture;

TEST(ButtonMapping, ExactButtonIdsMapToTheWidgetButtons)
{
    EXPECT_EQ(CEGUI::LeftButton, EditorFrameListener::toGuiButton(0x10));
    EXPECT_EQ(CEGUI::RightButton, EditorFrameListener::toGuiButton(0x20));
    EXPECT_EQ(CEGUI::MiddleButton, EditorFrameListener::toGuiButton(0x40));
    EXPECT_EQ(CEGUI::X1Button, EditorFrameListener::toGuiButton(0x80));
    EXPECT_EQ(CEGUI::LeftButton, EditorFrameListener::toGuiButton(0x30));
    EXPECT_EQ(CEGUI::LeftButton, EditorFrameListener::toGuiButton(0));
}

TEST_F(ListenerTest, CameraBelowTheTerrainIsLiftedToFiveAboveIt)
{
    const Ogre::FrameEvent frame{0, 0};
    scene.camera->setPosition(150, 0, 0);
    listener->frameStarted(frame);
    EXPECT_NEAR(EditorTestScene::terrainHeightAt(150) + 5, scene.camera->getPosition().y, 1e-3);
    EXPECT_GT(scene.camera->getPosition().y, 20);

    scene.camera->setPosition(-30, -10, 40);
    listener->frameStarted(frame);
    EXPECT_NEAR(5, scene.camera->getPosition().y, 1e-3);
    EXPECT_EQ(-30, scene.camera->getPosition().x);
    EXPECT_EQ(40, scene.camera->getPosition().z);

    scene.camera->setPosition(150, 80, 0);
    listener->frameStarted(frame);
    EXPECT_EQ(80, scene.camera->getPosition().y);
}

TEST_F(ListenerTest, CursorObjectFollowsTheMouseOverTheTerrain)
{
    listener->beginObjectPlacement("testadam");
    CEGUI::MouseCursor& cursor = headlessgui::context().getMouseCursor();
    cursor.setPosition(screenPointOf(gridPoint(-7, 14)));
    listener->updatePreview();
    EXPECT_EQ(Ogre::Vector3(-7, 0, 14), editing.mouseObjectNode->getPosition());

    // Off the terrain (at the sky) the cursor object stays where it was.
    scene.camera->lookAt(0, 500, -1000);
    listener->updatePreview();
    EXPECT_EQ(Ogre::Vector3(-7, 0, 14), editing.mouseObjectNode->getPosition());
}

TEST_F(ListenerTest, AreaCursorShowsTheAreaAClickWouldMake)
{
    listener->beginAreaPlacement();
    CEGUI::MouseCursor& cursor = headlessgui::context().getMouseCursor();
    cursor.setPosition(screenPointOf(gridPoint(6, 4)));
    listener->updatePreview();
    EXPECT_EQ(Ogre::Vector3::ZERO, editing.mouseObjectNode->getPosition());

    clickAt(gridPoint(0, 0));
    listener->updatePreview();
    EXPECT_TRUE(editing.mouseObjectNode->getScale().positionEquals({3, 0.1f, 2}));
    EXPECT_TRUE(editing.mouseObjectNode->getPosition().positionEquals({3, 1, 2}));
}

TEST_F(ListenerTest, RoadCursorShowsTheSegmentAClickWouldMake)
{
    listener->beginRoadPlacement();
    clickAt(gridPoint(0, 0));
    headlessgui::context().getMouseCursor().setPosition(screenPointOf(gridPoint(-8, 2)));
    listener->updatePreview();
    Ogre::SceneNode* cursor = editing.mouseObjectNode;
    EXPECT_TRUE(cursor->getScale().positionEquals({2, 0.1f, 8.0f / 11}));
    EXPECT_TRUE(cursor->getPosition().positionEquals({-4, 1, 1}));
    EXPECT_NEAR(90, cursor->getOrientation().getYaw().valueDegrees(), 1e-3);
}

TEST_F(ListenerTest, ViewClickPicksAtTheViewRelativePosition)
{
    view->subscribeEvent(CEGUI::Window::EventMouseClick,
                         CEGUI::Event::Subscriber(&EditorFrameListener::onViewClicked, listener.get()));
    listener->beginObjectPlacement("testadam");
    const CEGUI::Vector2f at = screenPointOf(gridPoint(-12, 30));
    headlessgui::context().injectMousePosition(at.d_x, at.d_y);
    headlessgui::context().injectMouseButtonDown(CEGUI::LeftButton);
    headlessgui::context().injectMouseButtonUp(CEGUI::LeftButton);

    ASSERT_EQ(1u, registry.objects.size());
    EXPECT_EQ(Ogre::Vector3(-12, 0, 30), registry.objects[0]->node->getPosition());
    EXPECT_FALSE(headlessgui::context().getRootWindow()->getChild("dosyaPopup")->isVisible());
}

TEST_F(ListenerTest, ViewTextUsesShortNumbers)
{
    view->subscribeEvent(CEGUI::Window::EventMouseClick,
                         CEGUI::Event::Subscriber(&EditorFrameListener::onViewClicked, listener.get()));
    headlessgui::click(view);
    EXPECT_EQ("0.5 0.5", std::string(view->getText().c_str()));
}

TEST_F(ListenerTest, RightClickInTheViewCancelsInsteadOfPlacing)
{
    view->subscribeEvent(CEGUI::Window::EventMouseClick,
                         CEGUI::Event::Subscriber(&EditorFrameListener::onViewClicked, listener.get()));
    listener->beginObjectPlacement("testadam");
    const CEGUI::Vector2f at = screenPointOf(gridPoint(3, 3));
    headlessgui::context().injectMousePosition(at.d_x, at.d_y);
    headlessgui::context().injectMouseButtonDown(CEGUI::RightButton);
    headlessgui::context().injectMouseButtonUp(CEGUI::RightButton);

    EXPECT_TRUE(registry.objects.empty());
    EXPECT_EQ(None, editing.placementMode);
    EXPECT_EQ(nullptr, editing.previewEntity);
}

// Records which scene presses reach the listener.
class RecordingListener : public EditorFrameListener {
public:
    using EditorFrameListener::EditorFrameListener;
    void handleLeftPress(input::MouseEvent*) override { ++leftPresses; }
    void handleRightPress(input::MouseEvent*) override { ++rightPresses; }
    int leftPresses = 0;
    int rightPresses = 0;
};

class InputRoutingTest : public ListenerFixture {
protected:
    InputRoutingTest()
    {
        listener.reset();
        recorder = new RecordingListener(scene.sceneManager, nullptr, scene.camera, nullptr, nullptr, scene.session);
        listener.reset(recorder);
        button = CEGUI::WindowManager::getSingleton().createWindow("WindowsLook/Button", "someButton");
        button->setArea(CEGUI::UDim(0.85f, 0), CEGUI::UDim(0.1f, 0), CEGUI::UDim(0.1f, 0), CEGUI::UDim(0.1f, 0));
        headlessgui::context().getRootWindow()->addChild(button);
    }
    void pointAt(float x, float y) { headlessgui::context().injectMousePosition(x, y); }
    void press(int mask)
    {
        input.button(mask, true);
        listener->eventProcessor->processEvents();
    }
    void release(int mask)
    {
        input.button(mask, false);
        listener->eventProcessor->processEvents();
    }

    FakeInputSource input;
    RecordingListener* recorder = nullptr;
    CEGUI::Window* button = nullptr;
};

TEST_F(InputRoutingTest, PressesOutsideTheWidgetsReachTheScene)
{
    pointAt(760, 500);
    press(input::BUTTON0_MASK);
    EXPECT_EQ(1, recorder->leftPresses);
    EXPECT_TRUE(recorder->leftButtonDown);
    release(input::BUTTON0_MASK);
    EXPECT_FALSE(recorder->leftButtonDown);

    press(input::BUTTON1_MASK);
    EXPECT_EQ(1, recorder->rightPresses);
    EXPECT_TRUE(recorder->rightButtonDown);
    release(input::BUTTON1_MASK);
    EXPECT_FALSE(recorder->rightButtonDown);

    press(input::BUTTON2_MASK);
    release(input::BUTTON2_MASK);
    EXPECT_EQ(1, recorder->leftPresses);
    EXPECT_EQ(1, recorder->rightPresses);
}

TEST_F(InputRoutingTest, APressTakenByAWidgetStaysThere)
{
    bool clicked = false;
    button->subscribeEvent(CEGUI::PushButton::EventClicked, [&clicked](const CEGUI::EventArgs&) {
        clicked = true;
        return true;
    });
    pointAt(720, 90);
    press(input::BUTTON0_MASK);
    release(input::BUTTON0_MASK);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(0, recorder->leftPresses);
    EXPECT_FALSE(recorder->leftButtonDown);
}

TEST_F(InputRoutingTest, APressInTheCameraViewPicksOnceThroughItsClickHandler)
{
    view->subscribeEvent(CEGUI::Window::EventMouseClick,
                         CEGUI::Event::Subscriber(&EditorFrameListener::onViewClicked, listener.get()));
    pointAt(300, 300);
    press(input::BUTTON0_MASK);
    EXPECT_EQ(0, recorder->leftPresses);
    release(input::BUTTON0_MASK);
    EXPECT_EQ(1, recorder->leftPresses);
    EXPECT_FALSE(recorder->leftButtonDown);
}

TEST_F(InputRoutingTest, MouseMotionMovesTheWidgetCursorByTheDisplaySize)
{
    pointAt(400, 300);
    input.moveTo(0.6f, 0.75f);
    listener->eventProcessor->processEvents();
    const CEGUI::Vector2f position = headlessgui::context().getMouseCursor().getPosition();
    EXPECT_NEAR(480, position.d_x, 1e-3);
    EXPECT_NEAR(450, position.d_y, 1e-3);
}

TEST_F(InputRoutingTest, TheWidgetCursorCatchesUpWithThePointerItLostTrackOf)
{
    headlessgui::context().getMouseCursor().setPosition(CEGUI::Vector2f(10, 10));
    input.moveTo(0.5f, 0.5f);
    input.moveTo(0.25f, 0.5f);
    listener->eventProcessor->processEvents();
    const CEGUI::Vector2f position = headlessgui::context().getMouseCursor().getPosition();
    EXPECT_NEAR(200, position.d_x, 1e-3);
    EXPECT_NEAR(300, position.d_y, 1e-3);
}

Ogre::Radian headingOf(const Ogre::Camera& camera)
{
    const Ogre::Vector3 direction = camera.getDirection();
    return Ogre::Math::ATan2(direction.x, direction.z);
}

TEST_F(InputRoutingTest, RightDragTurnsTheCameraButNotWithBothButtons)
{
    input::MouseEvent drag(nullptr, 0, input::BUTTON1_MASK, 0, 0, 0.5f, 0.5f, 0, 1, 0.01f, 0);
    const Ogre::Radian before = headingOf(*scene.camera);
    listener->rightButtonDown = true;
    listener->mouseDragged(&drag);
    EXPECT_NEAR(-0.72f, (headingOf(*scene.camera) - before).valueDegrees(), 1e-3);

    const Ogre::Quaternion turned = scene.camera->getOrientation();
    listener->leftButtonDown = true;
    listener->mouseDragged(&drag);
    EXPECT_TRUE(turned.equals(scene.camera->getOrientation(), Ogre::Radian(1e-6f)));
}

TEST_F(ListenerTest, EscapeEndsTheLoopAfterTheFrame)
{
    const Ogre::FrameEvent frame{0, 0};
    EXPECT_TRUE(listener->frameEnded(frame));
    input::KeyEvent escape(input::KC_ESCAPE, 27);
    listener->keyPressed(&escape);
    EXPECT_TRUE(escape.isConsumed());
    EXPECT_TRUE(listener->quitRequested);
    EXPECT_FALSE(listener->frameEnded(frame));
}

TEST_F(ListenerTest, DeleteRemovesTheSelectionAndNeverReachesTheWidgets)
{
    CEGUI::Window* edit = CEGUI::WindowManager::getSingleton().createWindow("WindowsLook/Editbox", "someEdit");
    edit->setArea(CEGUI::UDim(0.85f, 0), CEGUI::UDim(0.5f, 0), CEGUI::UDim(0.1f, 0), CEGUI::UDim(0, 40));
    headlessgui::context().getRootWindow()->addChild(edit);
    edit->setText("abc");
    edit->activate();
    static_cast<CEGUI::Editbox*>(edit)->setCaretIndex(0);

    input::KeyEvent unselected(input::KC_DELETE, 127);
    listener->keyPressed(&unselected);
    EXPECT_EQ("abc", std::string(edit->getText().c_str()));
    EXPECT_FALSE(unselected.isConsumed());

    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(5, 5));
    Ogre::SceneNode* placed = editing.selectedNode;
    input::KeyEvent selected(input::KC_DELETE, 127);
    listener->keyPressed(&selected);
    EXPECT_TRUE(registry.objects.empty());
    EXPECT_FALSE(placed->isInSceneGraph());
    EXPECT_EQ(nullptr, editing.selectedNode);
    EXPECT_EQ("abc", std::string(edit->getText().c_str()));

    input::KeyEvent letter(input::KC_X, 'x');
    listener->keyPressed(&letter);
    EXPECT_EQ("abc", std::string(edit->getText().c_str())) << "keys drive the camera, not the widgets";
}

TEST_F(ListenerTest, WhileTypingKeysGoToTheWidgetsAndLeaveSceneAndRunAlone)
{
    CEGUI::Window* edit = CEGUI::WindowManager::getSingleton().createWindow("WindowsLook/Editbox", "typedEdit");
    edit->setArea(CEGUI::UDim(0.85f, 0), CEGUI::UDim(0.5f, 0), CEGUI::UDim(0.1f, 0), CEGUI::UDim(0, 40));
    headlessgui::context().getRootWindow()->addChild(edit);
    edit->setText("abc");
    edit->activate();
    static_cast<CEGUI::Editbox*>(edit)->setCaretIndex(0);
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(5, 5));
    listener->bufferedKeys = true;

    input::KeyEvent del(input::KC_DELETE, 127);
    listener->keyPressed(&del);
    EXPECT_EQ(1u, registry.objects.size()) << "the selection survives a Delete meant for the text";
    EXPECT_EQ("abc", std::string(edit->getText().c_str()));

    input::KeyEvent escape(input::KC_ESCAPE, 27);
    listener->keyPressed(&escape);
    EXPECT_FALSE(listener->quitRequested);

    input::KeyEvent letter(input::KC_X, 'x');
    listener->keyPressed(&letter);
    EXPECT_TRUE(letter.isConsumed());
    EXPECT_EQ("xabc", std::string(edit->getText().c_str()));
}

}  // namespace
