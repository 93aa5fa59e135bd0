#include "editor/EditorFrameListener.h"

#include "app/WindowLookup.h"
#include "editor/Selection.h"
#include "editor/ViewCoordinates.h"
#include "panels/Panels.h"

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
// Where the downward ray that finds the terrain under the camera starts.
const float terrainProbeHeight = 5000.0f;

bool typesCharacter(unsigned int codePoint) { return codePoint >= 32 && codePoint != 127; }

}  // namespace

EditorFrameListener::EditorFrameListener(Ogre::SceneManager* sceneManager, Ogre::RenderWindow* window,
                                         Ogre::Camera* camera, Ogre::Camera* secondCamera,
                                         CEGUI::Renderer* guiRenderer, EditorSession& session)
    : BaseFrameListener(window, camera, secondCamera, false, true),
      sceneManager(sceneManager), guiRenderer(guiRenderer), session(session)
{
    // The base part has registered this object as key listener already.
    eventProcessor->addMouseMotionListener(this);
    eventProcessor->addMouseListener(this);
    session.editing.currentMeshName.clear();
    pickQuery = sceneManager->createRayQuery(Ogre::Ray(), 0xFFFFFFFF);
    session.editing.nameCounter = 0;
    session.editing.selectedNode = nullptr;
    clickStep = 0;
    if (debugOverlay)
        debugOverlay->hide();
    startSound();
}

EditorFrameListener::~EditorFrameListener() { sceneManager->destroyQuery(pickQuery); }

bool EditorFrameListener::frameStarted(const Ogre::FrameEvent& evt)
{
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
    animatePanels(session);
    updatePreview();
    return result;
}

void EditorFrameListener::keepCameraAboveTerrain()
{
    const Ogre::Vector3 position = camera->getPosition();
    pickQuery->setRay(Ogre::Ray({position.x, terrainProbeHeight, position.z}, Ogre::Vector3::NEGATIVE_UNIT_Y));
    for (const Ogre::RaySceneQueryResultEntry& entry : pickQuery->execute()) {
        if (!entry.worldFragment)
            continue;
        const float height = entry.worldFragment->singleIntersection.y + cameraClearance;
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
    if (guiContext().injectMouseButtonDown(toGuiButton(e->getButtonID()))) {
        e->consume();
        alSourcePlay(clickSource);
        return;
    }
    e->consume();
    if (e->getButtonID() & input::BUTTON0_MASK) {
        leftButtonDown = true;
        handleLeftPress(e);
    } else if (e->getButtonID() & input::BUTTON1_MASK) {
        rightButtonDown = true;
        handleRightPress(e);
    }
}

void EditorFrameListener::mouseReleased(input::MouseEvent* e)
{
    guiContext().injectMouseButtonUp(toGuiButton(e->getButtonID()));
    e->consume();
    if (e->getButtonID() & input::BUTTON0_MASK)
        leftButtonDown = false;
    else if (e->getButtonID() & input::BUTTON1_MASK)
        rightButtonDown = false;
}

void EditorFrameListener::handleRightDrag(input::MouseEvent* e)
{
    camera->yaw(Ogre::Radian(-(rotateSpeed * e->getRelX()) * 2 * Ogre::Math::fDeg2Rad));
    camera->pitch(Ogre::Radian(-(rotateSpeed * e->getRelY()) * 2 * Ogre::Math::fDeg2Rad));
}

void EditorFrameListener::keyPressed(input::KeyEvent* e)
{
    // While the keys drive the camera, a key press acts on the scene; while they go to
    // the widgets (a text field is being filled), it goes there. Escape and Delete
    // never reach a text field, and while one is being filled they leave the scene
    // and the run alone, so a key meant for the text cannot end the run or delete
    // the area whose message is being written.
    const bool typing = bufferedKeys;
    if (e->getKey() == input::KC_ESCAPE) {
        if (!typing)
            quitRequested = true;
        e->consume();
        return;
    }
    if (e->getKey() == input::KC_DELETE) {
        if (!typing)
            deleteSelected(session);
        return;
    }
    if (!typing)
        return;
    guiContext().injectKeyDown(static_cast<CEGUI::Key::Scan>(e->getKey()));
    if (typesCharacter(e->getKeyChar()))
        guiContext().injectChar(e->getKeyChar());
    e->consume();
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

bool EditorFrameListener::onViewClicked(const CEGUI::EventArgs& args)
{
    const auto& click = static_cast<const CEGUI::MouseEventArgs&>(args);
    CEGUI::Window* view = getWindow("windowFrame");
    const Ogre::Vector2 at = toWindowRelative(*view, click.position);
    view->setText(Ogre::StringConverter::toString(at.x) + " " + Ogre::StringConverter::toString(at.y));
    input::MouseEvent press(nullptr, 1, 1, 0.1f, 1, at.x, at.y, 0, static_cast<int>(click.clickCount));
    if (click.button == CEGUI::RightButton)
        handleRightPress(&press);
    else
        handleLeftPress(&press);
    closeMenuPopups();
    return true;
}
