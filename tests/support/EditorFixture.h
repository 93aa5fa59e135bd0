#pragma once

#include "app/Editor.h"
#include "app/EditorFrameListener.h"
#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/FakeInputSource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace CEGUI { class Window; }
namespace Ogre { class Camera; }

// The editor on the real layout, without a display: the widgets run on the
// null renderer, the scene on an engine without a render system, and the
// editor's listener on scripted input. SetUp follows the editor's start-up:
// layout loaded, then the editor built over the scene and the camera
// "PlayerCam", wired (file dialog added, catalog from the staged
// "objects.txt", popups closed, panels locked until there is a scenario) and
// connected to the listener.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Where the editor runs: the folder of "objects.txt" and the parent of the
    // pictures' "../media" folder.
    virtual std::string workDirectory() const;
    // Where the editor's file dialog starts: empty, the working directory.
    virtual std::string fileDialogStart() const { return {}; }
    // The scene the editor works in: empty, without terrain.
    virtual TerrainSceneManager& makeScene();
    // A scene on the editor's staged terrain, for fixtures whose makeScene wants one.
    static TerrainSceneManager& stagedTerrain();

    // Runs the editor's per-frame step count times.
    void frames(int count);
    // There is a scenario to edit, as after New, without New's other effects.
    void startEditing();
    // The listener's first frame: the camera stands above the terrain.
    void firstListenerFrame();
    // A key pressed and let go with the modifiers (input::KeyModifierMask) held,
    // as the listener gets it.
    void pressKey(input::KeyCode key, int modifiers = 0);
    // Whether the camera's view draws the item, as a rendered frame would
    // (the editor's own step draws nothing).
    bool drawn(ItemId id) const;
    // A window's x as a share of the width of its parent's inside.
    static float relativeX(const std::string& windowName);
    // Adds an item to the document the way an edit does; returns its id.
    ItemId add(const Item& item);
    ItemId addObject() { return add(makeObject(editor->document().peekId(), "kup.mesh", 0, 0)); }
    ItemId addArea() { return add(makeArea(editor->document().peekId(), "kup.mesh", 0, 0, 4, 4)); }
    // The item as the document holds it (fails the test when there is none).
    const Item& item(ItemId id) const;
    // The text of the notice window, where the editor tells the user what went wrong.
    static std::string noticeText();
    static void hideNotice();

    FakeInputSource input;
    TerrainSceneManager* scene = nullptr;
    Ogre::Camera* camera = nullptr;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<EditorFrameListener> listener;
};

// The editor on its staged terrain with a scenario to edit, after the
// listener's first frame: the camera stands above the ground.
class EditingOnTerrain : public EditorFixture {
protected:
    TerrainSceneManager& makeScene() override { return stagedTerrain(); }
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditing();
        firstListenerFrame();
    }
};

CEGUI::Window* window(const std::string& name);
