#pragma once

#include "app/EditorApplication.h"
#include "app/EditorFrameListener.h"
#include "tests/support/FakeInputSource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace CEGUI { class Window; }
namespace Ogre { class SceneNode; }
class TerrainSceneManager;

// The editor's interface on the real layout, without a display: the widgets
// run on the null renderer, the scene on an engine without a render system,
// and the editor's listener on scripted input. SetUp runs the interface part
// of the editor's start-up in its order (panels locked, popups closed, tabs
// laid out, catalog loaded from the staged "objects.txt", menu bar wired).
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Where the editor runs: the folder of "objects.txt" and the parent of the
    // pictures' "../media" folder.
    virtual std::string workDirectory() const;
    // The scene the editor works in: empty, without terrain.
    virtual TerrainSceneManager& makeScene();

    // Runs the per-frame panel step count times.
    void frames(int count);
    // Relative x of a window, as the slides compute it.
    static float relativeX(const std::string& windowName);
    // Puts an item into the registry with a node of its own (no mesh needed).
    Ogre::SceneNode* addObject();
    AreaRecord& addArea();
    // The text of the notice window, where the editor tells the user what went wrong.
    static std::string noticeText();
    static void hideNotice();

    FakeInputSource input;
    std::unique_ptr<EditorApplication> app;
    EditorFrameListener* listener = nullptr;
    EditorSession* session = nullptr;

private:
    Ogre::SceneNode* addNode();
};

CEGUI::Window* window(const std::string& name);
