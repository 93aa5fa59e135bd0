#pragma once

#include "app/BaseFrameListener.h"

#include <CEGUI/InputEvent.h>

#include <functional>

namespace CEGUI { class Renderer; }
namespace Ogre {
class SceneManager;
}
class TerrainSceneManager;

// The editor's frame and input listener: feeds the widgets, hands the presses
// they do not take to the scene, keeps the camera above the terrain, plays the
// click when a widget takes a press.
class EditorFrameListener : public BaseFrameListener,
                            public input::MouseMotionListener,
                            public input::MouseListener {
public:
    // What the rest of the editor does with the input the widgets leave.
    struct Hooks {
        // Once a frame, after the camera moved: panels and the cursor object.
        std::function<void()> frame;
        // A press no widget took, at its screen position in pixels.
        std::function<void(float x, float y, bool right)> scenePress;
        // A key press; typing tells whether the keys go to the widgets. True
        // when the key was a command (a shortcut, Escape, Delete) and is used up.
        std::function<bool(const input::KeyEvent& key, bool typing)> key;
        // The window is being closed; the editor decides whether and when to end.
        std::function<void()> close;
    };

    EditorFrameListener(Ogre::SceneManager* sceneManager, Ogre::RenderWindow* window, Ogre::Camera* camera,
                        Ogre::Camera* secondCamera, CEGUI::Renderer* guiRenderer);
    ~EditorFrameListener() override;

    bool frameStarted(const Ogre::FrameEvent& evt) override;
    bool frameEnded(const Ogre::FrameEvent& evt) override;
    virtual void handleRightDrag(input::MouseEvent* e);

    void keyPressed(input::KeyEvent* e) override;
    void mousePressed(input::MouseEvent* e) override;
    void mouseReleased(input::MouseEvent* e) override;
    void mouseMoved(input::MouseEvent* e) override;
    void mouseDragged(input::MouseEvent* e) override;

    // Switches the keys between the camera (polled) and the widgets (buffered).
    void toggleKeyboardBuffering();

    static CEGUI::MouseButton toGuiButton(int buttonId);

    Hooks hooks;
    Ogre::SceneManager* sceneManager;
    CEGUI::Renderer* guiRenderer;
    bool quitRequested = false;
    // The length of the frame being started, in seconds.
    float frameSeconds = 0;
    bool leftButtonDown = false;
    bool rightButtonDown = false;
    // The modifier keys (input::KeyModifierMask) held at the last button press or release.
    int buttonModifiers = 0;
    unsigned int clickSource = 0;
    unsigned int musicSource = 0;

protected:
    // Escape and closing the window go through the hooks: the editor may ask first.
    bool escapeEndsRun() override { return false; }
    bool closeEndsRun() override;

private:
    void keepCameraAboveTerrain();
    Ogre::Vector2 displaySize() const;

    // The terrain the camera stays above; none in another kind of scene.
    const TerrainSceneManager* terrain = nullptr;
};
