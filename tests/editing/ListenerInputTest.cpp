#include "app/EditorFrameListener.h"
#include "gui/EditorMode.h"
#include "gui/WidgetKeys.h"
#include "tests/editing/EditingScene.h"
#include "tests/support/FakeInputSource.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>

#include <memory>

namespace {

struct ScenePress {
    float x, y;
    bool right;
};

// The editor's listener over the test scene with scripted input and a headless
// 800x600 interface: the camera view "windowFrame" covers the left 80% and lets
// presses through, a button sits at (720..800, 60..120) and nothing covers the
// rest, so presses there reach the scene. The hooks record what they are given;
// the key hook takes a key as the editor does first: a command (a window that
// takes every key), else typed into the widgets while the mode types.
class ListenerTest : public EditingScene {
protected:
    ListenerTest()
    {
        headlessgui::context();
        CEGUI::WindowManager& windows = CEGUI::WindowManager::getSingleton();
        CEGUI::Window* root = windows.createWindow("DefaultWindow", "editorRoot");
        root->setMousePassThroughEnabled(true);
        headlessgui::setRoot(root);
        CEGUI::Window* view = windows.createWindow("DefaultWindow", "windowFrame");
        view->setArea(CEGUI::UDim(0, 0), CEGUI::UDim(0, 0), CEGUI::UDim(0.8f, 0), CEGUI::UDim(1, 0));
        view->setMousePassThroughEnabled(true);
        root->addChild(view);
        button = windows.createWindow("WindowsLook/Button", "someButton");
        button->setArea(CEGUI::UDim(0.9f, 0), CEGUI::UDim(0.1f, 0), CEGUI::UDim(0.1f, 0), CEGUI::UDim(0.1f, 0));
        root->addChild(button);
        edit = windows.createWindow("WindowsLook/Editbox", "someEdit");
        edit->setArea(CEGUI::UDim(0.85f, 0), CEGUI::UDim(0.5f, 0), CEGUI::UDim(0.1f, 0), CEGUI::UDim(0, 40));
        root->addChild(edit);

        listener = std::make_unique<EditorFrameListener>(&sceneManager, nullptr, &camera, nullptr, nullptr);
        listener->follow(mode);
        listener->setHooks(EditorFrameListener::Hooks{
            [this](float) { ++frames; },
            [this](float x, float y, bool right) { presses.push_back({x, y, right}); },
            [this](const input::KeyEvent& key) {
                const bool typing = mode.allowed().widgetKeys;
                keys.push_back({key.getKey(), key.getModifiers(), typing});
                return commands || (typing && typeIntoWidgets(key));
            },
            [this] { ++closes; }});
    }
    ~ListenerTest() override
    {
        listener.reset();
        headlessgui::resetRoot();
    }

    void process() { listener->processEvents(); }
    // The keys go to the widgets (a text field has them) or back to the camera.
    void typing(bool typed)
    {
        if (typed)
            mode.begin(Activity::Typing);
        else
            mode.end(Activity::Typing);
    }
    void moveTo(float x, float y)
    {
        input.moveTo(x, y);
        process();
    }
    void click(int mask)
    {
        input.button(mask, true);
        process();
        input.button(mask, false);
        process();
    }
    // A text field with the caret before "abc", holding the input focus.
    void focusText()
    {
        edit->setText("abc");
        edit->activate();
        static_cast<CEGUI::Editbox*>(edit)->setCaretIndex(0);
    }
    std::string editText() const { return edit->getText().c_str(); }
    bool press(input::KeyCode key, unsigned int character)
    {
        input::KeyEvent event(key, character);
        listener->keyPressed(&event);
        return event.isConsumed();
    }

    FakeInputSource input;
    EditorMode mode;
    CEGUI::Window* button = nullptr;
    CEGUI::Window* edit = nullptr;
    std::unique_ptr<EditorFrameListener> listener;
    std::vector<ScenePress> presses;
    int frames = 0;
    struct Key {
        input::KeyCode code;
        int modifiers;
        bool typing;
    };
    std::vector<Key> keys;
    // What the key hook answers: whether the key was a command.
    bool commands = false;
    int closes = 0;
};

TEST(ButtonMapping, ExactButtonIdsMapToTheWidgetButtons)
{
    EXPECT_EQ(CEGUI::LeftButton, EditorFrameListener::toGuiButton(0x10));
    EXPECT_EQ(CEGUI::RightButton, EditorFrameListener::toGuiButton(0x20));
    EXPECT_EQ(CEGUI::MiddleButton, EditorFrameListener::toGuiButton(0x40));
    EXPECT_EQ(CEGUI::X1Button, EditorFrameListener::toGuiButton(0x80));
    EXPECT_EQ(CEGUI::LeftButton, EditorFrameListener::toGuiButton(0x30));
    EXPECT_EQ(CEGUI::LeftButton, EditorFrameListener::toGuiButton(0));
}

TEST_F(ListenerTest, EachFrameLiftsACameraBelowTheTerrainToFiveAboveIt)
{
    const Ogre::FrameEvent frame{0, 0};
    camera.setPosition(150, 0, 0);
    listener->frameStarted(frame);
    EXPECT_NEAR(terrainHeightAt(150) + 5, camera.getPosition().y, 1e-3);
    EXPECT_GT(camera.getPosition().y, 20);
    EXPECT_EQ(1, frames);

    camera.setPosition(-30, -10, 40);
    listener->frameStarted(frame);
    EXPECT_NEAR(5, camera.getPosition().y, 1e-3);
    EXPECT_EQ(-30, camera.getPosition().x);
    EXPECT_EQ(40, camera.getPosition().z);

    camera.setPosition(150, 80, 0);
    listener->frameStarted(frame);
    EXPECT_EQ(80, camera.getPosition().y);
    EXPECT_EQ(3, frames);
}

TEST_F(ListenerTest, PressesNoWidgetTakesGoToTheSceneAtTheirScreenPixels)
{
    moveTo(0.3f, 0.25f);
    input.button(input::BUTTON0_MASK, true);
    process();
    ASSERT_EQ(1u, presses.size());
    EXPECT_NEAR(240, presses[0].x, 1e-3);
    EXPECT_NEAR(150, presses[0].y, 1e-3);
    EXPECT_FALSE(presses[0].right);
    EXPECT_TRUE(listener->leftButtonHeldInScene());
    input.button(input::BUTTON0_MASK, false);
    process();
    EXPECT_FALSE(listener->leftButtonHeldInScene());

    moveTo(0.95f, 0.8f);
    input.button(input::BUTTON1_MASK, true);
    process();
    ASSERT_EQ(2u, presses.size());
    EXPECT_NEAR(760, presses[1].x, 1e-3);
    EXPECT_NEAR(480, presses[1].y, 1e-3);
    EXPECT_TRUE(presses[1].right);
    EXPECT_TRUE(listener->rightButtonHeldInScene());
    input.button(input::BUTTON1_MASK, false);
    process();
    EXPECT_FALSE(listener->rightButtonHeldInScene());

    click(input::BUTTON2_MASK);
    EXPECT_EQ(2u, presses.size()) << "the middle button does nothing in the scene";
}

TEST_F(ListenerTest, APressTakenByAWidgetStaysThere)
{
    int clicked = 0;
    button->subscribeEvent(CEGUI::PushButton::EventClicked, [&clicked](const CEGUI::EventArgs&) {
        ++clicked;
        return true;
    });
    moveTo(0.95f, 0.15f);
    click(input::BUTTON0_MASK);
    EXPECT_EQ(1, clicked);
    EXPECT_TRUE(presses.empty());
    EXPECT_FALSE(listener->leftButtonHeldInScene());
}

TEST_F(ListenerTest, MouseMotionMovesTheWidgetCursorByTheDisplaySize)
{
    headlessgui::context().injectMousePosition(400, 300);
    moveTo(0.6f, 0.75f);
    CEGUI::Vector2f position = headlessgui::context().getMouseCursor().getPosition();
    EXPECT_NEAR(480, position.d_x, 1e-3);
    EXPECT_NEAR(450, position.d_y, 1e-3);

    // A cursor that lost track of the pointer catches up with it.
    headlessgui::context().getMouseCursor().setPosition(CEGUI::Vector2f(10, 10));
    input.moveTo(0.5f, 0.5f);
    moveTo(0.25f, 0.5f);
    position = headlessgui::context().getMouseCursor().getPosition();
    EXPECT_NEAR(200, position.d_x, 1e-3);
    EXPECT_NEAR(300, position.d_y, 1e-3);
}

Ogre::Radian headingOf(const Ogre::Camera& camera)
{
    const Ogre::Vector3 direction = camera.getDirection();
    return Ogre::Math::ATan2(direction.x, direction.z);
}

TEST_F(ListenerTest, RightDragTurnsTheCameraButNotWithBothButtons)
{
    moveTo(0.5f, 0.5f);
    const Ogre::Radian before = headingOf(camera);
    input.button(input::BUTTON1_MASK, true);
    input.moveTo(0.51f, 0.5f);
    process();
    EXPECT_NEAR(-0.72f, (headingOf(camera) - before).valueDegrees(), 1e-2);

    const Ogre::Quaternion turned = camera.getOrientation();
    input.button(input::BUTTON0_MASK, true);
    input.moveTo(0.6f, 0.5f);
    process();
    EXPECT_TRUE(turned.equals(camera.getOrientation(), Ogre::Radian(1e-6f)));
}

TEST_F(ListenerTest, KeysReachTheEditorWithTheirModifiersAndWhetherTextIsBeingTyped)
{
    input.keyDown(input::KC_LCONTROL);
    input.keyDown(input::KC_LSHIFT);
    input.keyDown(input::KC_Z);
    process();
    typing(true);
    input.keyUp(input::KC_LSHIFT);
    input.keyUp(input::KC_LCONTROL);
    input.keyDown(input::KC_Y);
    process();

    const auto pressed = [this](input::KeyCode code) {
        for (const Key& key : keys)
            if (key.code == code)
                return key;
        ADD_FAILURE() << "no key " << code;
        return Key{};
    };
    EXPECT_EQ(input::CTRL_MASK | input::SHIFT_MASK, pressed(input::KC_Z).modifiers);
    EXPECT_FALSE(pressed(input::KC_Z).typing);
    EXPECT_EQ(0, pressed(input::KC_Y).modifiers);
    EXPECT_TRUE(pressed(input::KC_Y).typing);
}

TEST_F(ListenerTest, EscapeAndDeleteNeverReachATextFieldNorEndTheRunByThemselves)
{
    focusText();
    typing(true);
    // Not typed: they go on to the editor, whose mode decides what they do.
    press(input::KC_ESCAPE, 27);
    press(input::KC_DELETE, 127);
    EXPECT_EQ("abc", editText());
    EXPECT_FALSE(listener->quitRequested());

    // The polled Escape leaves the decision to the editor too.
    typing(false);
    input.keyDown(input::KC_ESCAPE);
    EXPECT_TRUE(listener->frameStarted({0, 0}));
    EXPECT_TRUE(listener->frameEnded({0, 0}));
    listener->requestQuit();
    EXPECT_FALSE(listener->frameEnded({0, 0}));
}

TEST_F(ListenerTest, ACommandKeyIsUsedUpAndNotTypedIntoTheFocusedField)
{
    focusText();
    typing(true);
    commands = true;
    EXPECT_TRUE(press(input::KC_X, 'x'));
    EXPECT_EQ("abc", editText());
    commands = false;
    EXPECT_TRUE(press(input::KC_X, 'x'));
    EXPECT_EQ("xabc", editText());
}

TEST_F(ListenerTest, ClosingTheWindowAsksTheEditorAndTheRunGoesOnUntilItQuits)
{
    input.closeWindow();
    process();
    EXPECT_TRUE(listener->frameStarted({0, 0}));
    EXPECT_EQ(1, closes);
    EXPECT_TRUE(listener->frameStarted({0, 0})) << "one close asks once";
    EXPECT_EQ(1, closes);
    input.closeWindow();
    process();
    listener->frameStarted({0, 0});
    EXPECT_EQ(2, closes);
}

TEST_F(ListenerTest, WhileTypingKeysGoToTheFocusedWidget)
{
    focusText();
    typing(true);
    EXPECT_TRUE(press(input::KC_X, 'x'));
    EXPECT_EQ("xabc", editText());
    press(input::KC_END, 0);
    press(input::KC_BACK, 8);
    EXPECT_EQ("xab", editText());
}

}  // namespace
