#pragma once

#include "playtest/TestRun.h"
#include "panels/KeyChord.h"
#include "playtest/Walk.h"
#include "platform/input/KeyCodes.h"

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace input { class KeyEvent; }
namespace Ogre { class Camera; }
class CursorPreview;
class Document;
class EditorMode;
class SceneMirror;
class Selection;

// "Dene": the author walks through the scenario as the trainee will. The panels
// give way to the camera view, the keys walk the camera over the terrain, and
// the blue areas show their messages and quizzes in "denemeWindow". Ending the
// run brings the editor back as it was and sums the run up in a notice
// captioned "Deneme Sonucu"; the document is only read.
class TestRunController {
public:
    struct Parts {
        const Document& document;
        const Selection& selection;
        SceneMirror& mirror;
        CursorPreview& cursor;
        EditorMode& mode;
        Ogre::Camera& camera;
        GroundHeight ground;
    };

    explicit TestRunController(Parts parts);
    ~TestRunController();
    void wire();

    // Whether a key is held now (the keys are polled while the run walks).
    void setKeyState(std::function<bool(input::KeyCode)> keyDown) { keyIsDown = std::move(keyDown); }

    // Starts a run; false unless a scenario is being edited and no window has the editor.
    bool start();
    // Ends the run with the summary notice and the editor as it was.
    void finish();
    bool running() const { return run != nullptr; }
    const TestRun* currentRun() const { return run.get(); }

    // Once a frame of seconds while running: walk, then look for an area's message.
    void frame(float seconds);
    static constexpr KeyChord startKey{input::KC_F5};

    // F5 starts a run; during one every key is the run's (Escape ends it). True when used up.
    bool handleKey(const input::KeyEvent& key);

    // The buttons of "denemeWindow".
    void answer(int choice);
    void proceed();

private:
    void showMessage(const TestRun::Shown& shown);
    void hideMessage();
    bool messageOpen() const;

    struct Saved {
        Ogre::Vector3 cameraPosition;
        Ogre::Quaternion cameraOrientation;
    };

    Parts parts;
    std::function<bool(input::KeyCode)> keyIsDown;
    std::unique_ptr<TestRun> run;
    Saved saved;
};
