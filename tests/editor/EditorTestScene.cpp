#include "tests/editor/EditorTestScene.h"

#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/HeadlessOgre.h"

#include <Ogre.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace {

const int pageSize = 33;
const float pageWorld = 400;
const float maxHeight = 51;
// Heightmap columns from this one on rise by risePerColumn grey levels each.
const int firstRisingColumn = 24;
const int risePerColumn = 28;

float columnWorldX(int column) { return -pageWorld / 2 + column * pageWorld / (pageSize - 1); }

int greyOfColumn(int column) { return column < firstRisingColumn ? 0 : (column - firstRisingColumn) * risePerColumn; }

void writeBox(const std::string& meshName, const Ogre::Vector3& low, const Ogre::Vector3& high)
{
    Ogre::ManualObject box("box/" + meshName);
    box.begin("BaseWhiteNoLighting", Ogre::RenderOperation::OT_TRIANGLE_LIST);
    for (int corner = 0; corner < 8; ++corner)
        box.position(corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y, corner & 4 ? high.z : low.z);
    const int faces[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1}, {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
    for (const auto& face : faces)
        box.quad(face[0], face[1], face[2], face[3]);
    box.end();
    box.convertToMesh(meshName);
}

void createMeshes()
{
    // The staged meshes are not used: the tests rely on these exact boxes.
    writeBox("kup.mesh", {-1, -0.5f, -1}, {1, 0.5f, 1});
    writeBox("yol.mesh", {-0.5f, -0.5f, -5.5f}, {0.5f, 0.5f, 5.5f});
    writeBox("testadam.mesh", {-1, 0, -1}, {1, 4, 1});
}

// The test terrain's configuration, written once per run into the test folder.
const std::string& terrainConfig()
{
    static const std::string path = [] {
        const std::string folder = testing::TempDir() + "editor-test-terrain";
        std::filesystem::create_directories(folder);
        std::vector<std::uint8_t> pixels;
        for (int row = 0; row < pageSize; ++row)
            for (int column = 0; column < pageSize; ++column)
                pixels.push_back(static_cast<std::uint8_t>(greyOfColumn(column)));
        headlessogre::root();
        createMeshes();
        return headlessogre::writeTestTerrain(folder, pixels, pageSize, pageWorld, pageWorld, maxHeight, 17);
    }();
    return path;
}

}  // namespace

EditorTestScene::EditorTestScene()
{
    sceneManager = &headlessogre::sceneWithTerrain(terrainConfig());
    camera = sceneManager->createCamera("PlayerCam");
    camera->setNearClipDistance(1);
    camera->setFarClipDistance(10000);
    camera->setAspectRatio(800.0f / 600.0f);
    camera->setPosition(0, 120, 120);
    camera->lookAt(0, 0, 0);
    session.editing.mouseObjectNode = sceneManager->getRootSceneNode()->createChildSceneNode("mouseObjectNode");
}

// The scene goes with the next test's fresh scene.
EditorTestScene::~EditorTestScene() = default;

Ogre::Vector2 EditorTestScene::project(const Ogre::Vector3& world) const
{
    const Ogre::Vector4 clip = camera->getProjectionMatrix() * camera->getViewMatrix() * Ogre::Vector4(world);
    return {(clip.x / clip.w + 1) / 2, (1 - clip.y / clip.w) / 2};
}

void EditorTestScene::updateBounds() { sceneManager->getRootSceneNode()->_update(true, false); }

float EditorTestScene::terrainHeightAt(float x)
{
    // Heights between two heightmap columns are interpolated linearly.
    const float step = pageWorld / (pageSize - 1);
    const int column = static_cast<int>((x - columnWorldX(0)) / step);
    const float within = (x - columnWorldX(column)) / step;
    const float grey = greyOfColumn(column) * (1 - within) + greyOfColumn(column + 1) * within;
    return grey / 255 * maxHeight;
}
