#pragma once

#include "app/BaseFrameListener.h"
#include "editor/EditorSession.h"

#include <CEGUI/InputEvent.h>
#include <OgreSceneQuery.h>

namespace CEGUI {
class EventArgs;
class Renderer;
}
namespace Ogre { class SceneManager; }

// The editor's frame and input listener: feeds the widgets, edits the scene
// with the presses they do not take, keeps the camera above the terrain.
class EditorFrameListener : public BaseFrameListener,
                            public input::MouseMotionListener,
                            public input::MouseListener {
public:
    EditorFrameListener(Ogre::SceneManager* sceneManager, Ogre::RenderWindow* window,
                        Ogre::Camera* camera, Ogre::Camera* secondCamera,
                        CEGUI::Renderer* guiRenderer, EditorSession& session);
    ~EditorFrameListener() override;

    bool frameStarted(const Ogre::FrameEvent& evt) override;
    bool frameEnded(const Ogre::FrameEvent& evt) override;
    virtual void handleLeftPress(input::MouseEvent* e);
    virtual void handleRightPress(input::MouseEvent* e);
    virtual void handleRightDrag(input::MouseEvent* e);

    void keyPressed(input::KeyEvent* e) override;
    void mousePressed(input::MouseEvent* e) override;
    void mouseReleased(input::MouseEvent* e) override;
    void mouseMoved(input::MouseEvent* e) override;
    void mouseDragged(input::MouseEvent* e) override;

    Ogre::RaySceneQueryResult& castPickRay(float x, float y);
    void removePreview();
    void updatePreview();
    void startSound();

    // What the toolbox buttons and the camera view do (their widget handlers forward here).
    // A catalog entry: the next click places an object of meshName + ".mesh".
    void beginObjectPlacement(const std::string& meshName);
    void beginAreaPlacement();
    void beginRoadPlacement();
    // A click in the camera view, at the event's screen position: a right click
    // cancels, any other button picks.
    bool onViewClicked(const CEGUI::EventArgs& args);

    static CEGUI::MouseButton toGuiButton(int buttonId);

    Ogre::SceneManager* sceneManager;
    CEGUI::Renderer* guiRenderer;
    bool quitRequested = false;
    bool leftButtonDown = false;
    bool rightButtonDown = false;
    Ogre::RaySceneQuery* pickQuery = nullptr;
    float anchorX = 0, anchorZ = 0;
    float endX = 0, endZ = 0;
    unsigned int clickSource = 0;
    unsigned int musicSource = 0;
    int clickStep = 0;

    EditorSession& session;

private:
    // What one ground point or hit of a click leads to.
    enum class Walk { Continue, End, Return };

    Walk placeObject(const Ogre::Vector3& ground);
    Walk addRoadPoint(const Ogre::Vector3& ground);
    Walk addAreaCorner(const Ogre::Vector3& ground);
    Walk moveSelected(const Ogre::Vector3& ground);
    void clearSelectionAndCursor();
    // Gives up the current placement after a mesh could not be loaded.
    void abandonPlacement();
    // The first point of an area or road: the anchor, and the cursor entity on it.
    void markAnchor(const Ogre::Vector2& point, const std::string& meshFile);
    // A new item of meshFile at the anchor, pickable and selected.
    SceneItem placeAtAnchor(const std::string& meshFile);
    // Shows the cursor entity of meshFile on the cursor node, collapsed at the anchor.
    void showAnchorCursor(const std::string& meshFile);
    void attachPreviewEntity(const std::string& meshFile);
    void destroyPreviewEntity();
    void keepCameraAboveTerrain();
    Ogre::Vector2 displaySize() const;
};
