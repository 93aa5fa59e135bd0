#include "app/EditorFrameListener.h"

#include "gui/WindowLookup.h"
#include "scene/terrain/TerrainSceneManager.h"
#include "sound/AudioStart.h"

#include <AL/al.h>
#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreOverlay.h>
#include <OgreSceneManager.h>
#include <OgreStringConverter.h>

namespace {

CEGUI::GUIContext& guiContext() { return CEGUI::System::getSingleton().getDefaultGUIContext(); }

// The camera never stays closer than this above the terrain under it.
const float cameraClearance = 5.0f;

bool typesCharacter(unsigned int codePoint) { return codePoint >= 32 && codePoint != 127; }

}  // namespace

EditorFrameListener::EditorFrameListener(Ogre::SceneManager* sceneManager, Ogre::RenderWindow* window,
                                         Ogre::Camera* camera, Ogre::Camera* secondCamera,
                                         CEGUI::Renderer* guiRenderer)
    : BaseFrameListener(window, camera, secondCamera, false, true),
      sceneManager(sceneManager), guiRenderer(guiRenderer)
{
    // The base part has registered this object as key listener already.
    eventProcessor->addMouseMotionListener(this);
    eventProcessor->addMouseListener(this);
    terrain = dynamic_cast<TerrainSceneManager*>(sceneManager);
    if (debugOverlay)
        debugOverlay->hide();
    const SoundSources sources = startEditorSound();
    clickSource = sources.click;
    musicSource = sources.music;
}

EditorFrameListener::~EditorFrameListener() = default;

void EditorFrameListener::toggleKeyboardBuffering()
{
    bufferedKeys = !bufferedKeys;
    if (inputReader)
        inputReader->setBufferedInput(bufferedKeys, bufferedMouse);
}

bool EditorFrameListener::frameStarted(const Ogre::FrameEvent& evt)
{
    frameSeconds = evt.timeSinceLastFrame;
    CEGUI::Window* view = getWindow("windowFrame");
    view->setVisible(false);
    view->setVisible(true);
    const bool result = BaseFrameListener::frameStarted(evt);
    CEGUI::MouseCursor& cursor = guiContext().getMouseCursor();
    if (bufferedMouse)
        cursor.show();
    else
        cursor.hide();
    keepCameraAboveTerrain();
    if (hooks.frame)
        hooks.frame();
    return result;
}

void EditorFrameListener::keepCameraAboveTerrain()
{
    // Straight from the heightfield: a scene query here would walk every object each frame.
    if (!terrain)
        return;
    const Ogre::Vector3 position = camera->getPosition();
    if (const std::optional<float> ground = terrain->getHeightAt(position.x, position.z)) {
        const float height = *ground + cameraClearance;
        if (height > position.y)
            camera->setPosition(position.x, height, position.z);
    }
}

bool EditorFrameListener::frameEnded(const Ogre::FrameEvent&)
{
    if (quitRequested)
        return false;
    updateStatistics();
    return true;
}

Ogre::Vector2 EditorFrameListener::displaySize() const
{
    const CEGUI::Renderer* renderer = guiRenderer ? guiRenderer : CEGUI::System::getSingleton().getRenderer();
    const CEGUI::Sizef& size = renderer->getDisplaySize();
    return {size.d_width, size.d_height};
}

void EditorFrameListener::mouseMoved(input::MouseEvent* e)
{
    // The motion is taken up to where the pointer is, so the widget cursor never
    // drifts from the pointer (at start, or after the pointer left the window).
    const Ogre::Vector2 display = displaySize();
    const CEGUI::Vector2f cursor = guiContext().getMouseCursor().getPosition();
    guiContext().injectMouseMove(e->getX() * display.x - cursor.d_x, e->getY() * display.y - cursor.d_y);
    e->consume();
}

void EditorFrameListener::mouseDragged(input::MouseEvent* e)
{
    mouseMoved(e);
    if (!leftButtonDown && rightButtonDown)
        handleRightDrag(e);
}

void EditorFrameListener::mousePressed(input::MouseEvent* e)
{
    buttonModifiers = e->getModifiers();
    if (guiContext().injectMouseButtonDown(toGuiButton(e->getButtonID()))) {
        e->consume();
        alSourcePlay(clickSource);
        return;
    }
    e->consume();
    const bool left = e->getButtonID() & input::BUTTON0_MASK;
    if (left)
        leftButtonDown = true;
    else if (e->getButtonID() & input::BUTTON1_MASK)
        rightButtonDown = true;
    else
        return;
    if (hooks.scenePress) {
        const Ogre::Vector2 display = displaySize();
        hooks.scenePress(e->getX() * display.x, e->getY() * display.y, !left);
    }
}

void EditorFrameListener::mouseReleased(input::MouseEvent* e)
{
    buttonModifiers = e->getModifiers();
    guiContext().injectMouseButtonUp(toGuiButton(e->getButtonID()));
    e->consume();
    if (e->getButtonID() & input::BUTTON0_MASK)
        leftButtonDown = false;
    else if (e->getButtonID() & input::BUTTON1_MASK)
        rightButtonDown = false;
}

void EditorFrameListener::handleRightDrag(input::MouseEvent* e)
{
    if (!freeCamera)
        return;
    camera->yaw(Ogre::Radian(-(rotateSpeed * e->getRelX()) * 2 * Ogre::Math::fDeg2Rad));
    camera->pitch(Ogre::Radian(-(rotateSpeed * e->getRelY()) * 2 * Ogre::Math::fDeg2Rad));
}

void EditorFrameListener::keyPressed(input::KeyEvent* e)
{
    // While the keys drive the camera, a key press acts on the scene; while they go to
    // the widgets (a text field is being filled), it goes there. Escape and Delete
    // never reach a text field, so a key meant for the text cannot end the run or
    // delete the area whose message is being written.
    const bool typing = bufferedKeys;
    const bool command = hooks.key && hooks.key(*e, typing);
    if (command || e->getKey() == input::KC_ESCAPE || e->getKey() == input::KC_DELETE) {
        e->consume();
        return;
    }
    if (!typing)
        return;
    guiContext().injectKeyDown(static_cast<CEGUI::Key::Scan>(e->getKey()));
    if (typesCharacter(e->getKeyChar()))
        guiContext().injectChar(e->getKeyChar());
    e->consume();
}

bool EditorFrameListener::closeEndsRun()
{
    if (!hooks.close)
        return true;
    inputReader->clearWindowClosed();
    hooks.close();
    return false;
}

CEGUI::MouseButton EditorFrameListener::toGuiButton(int buttonId)
{
    switch (buttonId) {
    case input::BUTTON1_MASK: return CEGUI::RightButton;
    case input::BUTTON2_MASK: return CEGUI::MiddleButton;
    case input::BUTTON3_MASK: return CEGUI::X1Button;
    default: return CEGUI::LeftButton;
    }
}
