#pragma once

#include "document/Document.h"
#include "editing/EditingTools.h"
#include "editing/Selection.h"
#include "editing/SelectionHighlight.h"
#include "scene/CursorPreview.h"
#include "scene/SceneMirror.h"
#include "scene/ScenePicker.h"

#include <OgreVector.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace Ogre {
class Camera;
class SceneManager;
class SceneNode;
}

// A ground point that the editor's grid cuts to the whole numbers (x, z): it lies
// 0.4 further from zero in each direction.
Ogre::Vector3 gridPoint(float x, float z);

// The editor's document, scene and editing pieces wired as in the editor, over a
// headless engine: the terrain scene manager on a small test terrain, the camera
// "PlayerCam" looking down on the origin from (0, 120, 120), and simple box
// meshes "kup.mesh" (2 x 1 x 2), "yol.mesh" (1 x 1 x 11) and "testadam.mesh"
// (2 x 4 x 2, standing on its origin). Notices for the user are collected.
//
// The terrain spans -200..200 in x and z. It is flat at height 0 for x up to
// 100 and rises from there towards the +x edge (terrainHeightAt gives the height).
class EditingScene : public ::testing::Test {
protected:
    EditingScene();

    // The view point (0..1 across and down) at which the camera sees the world point.
    ViewPoint viewOf(const Ogre::Vector3& world) const;
    // Asks what the camera's view draws, as a frame does: the items it draws
    // are in drawn afterwards.
    void drawFrame();
    bool drawnNow(ItemId id) const;
    // A left press (after a frame; adding: with Shift) or a hover where the camera sees the world point.
    void pressAt(const Ogre::Vector3& world, bool adding = false);
    void hoverAt(const Ogre::Vector3& world);
    // Where a ray through the world point from the camera meets the flat ground behind it.
    Ogre::Vector3 groundBehind(const Ogre::Vector3& world) const;
    void markArea(float x1, float z1, float x2, float z2);

    // The scene as the engine holds it: a highlighted item's own entity and node.
    Ogre::SceneNode& nodeOf(ItemId id) const;
    bool hasOwnEntity(ItemId id) const;
    bool boxShown(ItemId id) const;
    // Where the mirror draws the item.
    const Placement& placed(ItemId id) const;
    std::size_t entityCount() const;
    std::size_t placedNodeCount() const;
    const Item& lastItem() const { return document.items().back(); }

    static float terrainHeightAt(float x);

    Ogre::SceneManager& sceneManager;
    Ogre::Camera& camera;
    Document document;
    Selection selection{document};
    SceneMirror mirror{sceneManager, document};
    CursorPreview cursor{sceneManager};
    ScenePicker picker{sceneManager, camera, mirror};
    SelectionHighlight highlight{selection, mirror};
    std::vector<std::string> notices;
    std::vector<ItemId> drawn;
    EditingTools tools{
        EditingContext{document, selection, picker, cursor, [this](const std::string& n) { notices.push_back(n); }}};
};

void expectVector(const Ogre::Vector3& expected, const Ogre::Vector3& actual);
