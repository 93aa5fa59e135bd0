#pragma once

#include "app/BaseFrameListener.h"
#include "editor/EditorSession.h"

#include <OgreSceneQuery.h>

namespace CEGUI {
class Renderer;
enum MouseButton : int;
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
};
