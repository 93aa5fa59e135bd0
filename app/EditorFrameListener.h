#pragma once

#include "app/BaseFrameListener.h"

#include <CEGUI/InputEvent.h>

#include <functional>

namespace CEGUI { class Renderer; }
namespace Ogre {
class SceneManager;
}
class EditorMode;
class TerrainSceneManager;

// The editor's frame and input listener: feeds the widgets the mouse, hands the
// presses they do not take to the scene and every key press to the editor,
// keeps the camera above the terrain, plays the click when a widget takes a press.
class EditorFrameListener : public BaseFrameListener,
                            public input::MouseMotionListener,
                            public input::MouseListener {
public:
    // What the rest of the editor does with the input.
    struct Hooks {
        // Once a frame of seconds, after the camera moved: panels and the cursor object.
        std::function<void(float seconds)> frame;
        // A press no widget took, at its screen position in pixels.
        std::function<void(float x, float y, bool right)> scenePress;
        // A key press; true when the editor took it (it is used up).
        std::function<bool(const input::KeyEvent& key)> key;
        // The window is being closed; the editor decides whether and when to end.
        std::function<void()> close;
    };

    EditorFrameListener(Ogre::SceneManager* sceneManager, Ogre::RenderWindow* window, Ogre::Camera* camera,
                        Ogre::Camera* secondCamera, CEGUI::Renderer* guiRenderer);
    ~EditorFrameListener() override;

    void setHooks(Hooks editorHooks) { hooks = std::move(editorHooks); }
    // From now on the keys are events for the widgets while the mode types into
    // them and polled otherwise; the camera moves only while the mode lets it.
    void follow(EditorMode& mode);
    // The frame loop ends after this frame.
    void requestQuit() { quit = true; }
    bool quitRequested() const { return quit; }

    bool frameStarted(const Ogre::FrameEvent& evt) override;
    bool frameEnded(const Ogre::FrameEvent& evt) override;

    void keyPressed(input::KeyEvent* e) override;
    void mousePressed(input::MouseEvent* e) override;
    void mouseReleased(input::MouseEvent* e) override;
    void mouseMoved(input::MouseEvent* e) override;
    void mouseDragged(input::MouseEvent* e) override;

    // The modifier keys (input::KeyModifierMask) held at the last button press or release.
    int buttonModifiers() const { return modifiersAtButton; }
    // Whether a press of the button that no widget took is held (the scene has it).
    bool leftButtonHeldInScene() const { return leftButtonDown; }
    bool rightButtonHeldInScene() const { return rightButtonDown; }

    static CEGUI::MouseButton toGuiButton(int buttonId);

protected:
    bool cameraTakesKeys() const override;
    // Escape and closing the window go through the hooks: the editor may ask first.
    bool escapeEndsRun() override { return false; }
    bool closeEndsRun() override;

private:
    void keepCameraAboveTerrain();
    Ogre::Vector2 displaySize() const;

    Hooks hooks;
    const EditorMode* mode = nullptr;
    CEGUI::Renderer* guiRenderer;
    // The terrain the camera stays above; none in another kind of scene.
    const TerrainSceneManager* terrain = nullptr;
    bool quit = false;
    bool leftButtonDown = false;
    bool rightButtonDown = false;
    int modifiersAtButton = 0;
    unsigned int clickSource = 0;
};
