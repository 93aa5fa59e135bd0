#include "app/EditorFrameListener.h"

#include "gui/EditorMode.h"
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

}  // namespace

EditorFrameListener::EditorFrameListener(Ogre::SceneManager* sceneManager, Ogre::RenderWindow* window,
                                         Ogre::Camera* camera, Ogre::Camera* secondCamera,
                                         CEGUI::Renderer* guiRenderer)
    : BaseFrameListener(window, camera, secondCamera, false, true), guiRenderer(guiRenderer),
      terrain(terrainOf(*sceneManager))
{
    // The base part has registered this object as key listener already.
    events().addMouseMotionListener(this);
    events().addMouseListener(this);
    if (Ogre::Overlay* statistics = statisticsOverlay())
        statistics->hide();
    clickSource = startEditorSound().click;
}

EditorFrameListener::~EditorFrameListener() = default;

void EditorFrameListener::follow(EditorMode& editorMode)
{
    mode = &editorMode;
    editorMode.follow([this](const EditorMode& now) { bufferKeys(now.allowed().widgetKeys); });
}

bool EditorFrameListener::cameraTakesKeys() const { return !mode || mode->allowed().cameraKeys; }

bool EditorFrameListener::frameStarted(const Ogre::FrameEvent& evt)
{
    const bool result = BaseFrameListener::frameStarted(evt);
    guiContext().getMouseCursor().show();
    keepCameraAboveTerrain();
    if (hooks.frame)
        hooks.frame(evt.timeSinceLastFrame);
    return result;
}

void EditorFrameListener::keepCameraAboveTerrain()
{
    // Straight from the heightfield: a scene query here would walk every object each frame.
    if (!terrain)
        return;
    const Ogre::Vector3 position = camera().getPosition();
    if (const std::optional<float> ground = terrain->getHeightAt(position.x, position.z)) {
        const float height = *ground + cameraClearance;
        if (height > position.y)
            camera().setPosition(position.x, height, position.z);
    }
}

bool EditorFrameListener::frameEnded(const Ogre::FrameEvent&)
{
    if (quit)
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
    if (!leftButtonDown && rightButtonDown && cameraTakesKeys())
        cameraControls().turnByDrag(e->getRelX(), e->getRelY());
}

void EditorFrameListener::mousePressed(input::MouseEvent* e)
{
    modifiersAtButton = e->getModifiers();
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
    modifiersAtButton = e->getModifiers();
    guiContext().injectMouseButtonUp(toGuiButton(e->getButtonID()));
    e->consume();
    if (e->getButtonID() & input::BUTTON0_MASK)
        leftButtonDown = false;
    else if (e->getButtonID() & input::BUTTON1_MASK)
        rightButtonDown = false;
}

void EditorFrameListener::keyPressed(input::KeyEvent* e)
{
    if (hooks.key && hooks.key(*e))
        e->consume();
}

bool EditorFrameListener::closeEndsRun()
{
    if (!hooks.close)
        return true;
    reader().clearWindowClosed();
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
