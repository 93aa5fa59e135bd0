#pragma once

#include "app/EditorFrameListener.h"
#include "tests/editor/EditorTestScene.h"

#include <gtest/gtest.h>

#include <memory>

namespace CEGUI { class Window; }

// A ground point that the editor's grid cuts to the whole numbers (x, z): it lies
// 0.4 further from zero in each direction.
Ogre::Vector3 gridPoint(float x, float z);

// An editor listener over the test scene, with a headless interface that holds
// the windows the listener and the panel steps use. The camera view
// "windowFrame" covers the left 80% of the 800x600 display; the rest of the
// display has no widget, so presses there reach the scene.
class ListenerFixture : public ::testing::Test {
protected:
    ListenerFixture();
    ~ListenerFixture() override;

    // Screen pixels at which the camera view shows the world point.
    CEGUI::Vector2f screenPointOf(const Ogre::Vector3& world) const;
    // A left press whose position is where the camera sees the world point.
    void clickAt(const Ogre::Vector3& world);
    void rightClick();
    // Where a ray through the world point from the camera meets the flat ground behind it.
    Ogre::Vector3 groundBehind(const Ogre::Vector3& world) const;
    std::string windowText(const std::string& name) const;

    // Marks an area with a click at each corner.
    void markArea(float x1, float z1, float x2, float z2);

    EditorTestScene scene;
    CEGUI::Window* view = nullptr;
    std::unique_ptr<EditorFrameListener> listener;
    EditingState& editing = scene.session.editing;
    ObjectRegistry& registry = scene.session.registry;
};
