#include "tests/editing/EditingScene.h"

#include "scene/MeshLoading.h"
#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/HeadlessOgre.h"

#include <Ogre.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>

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
    // Counter-clockwise seen from outside: closed, solid boxes.
    const int faces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    for (const auto& face : faces)
        box.quad(face[0], face[1], face[2], face[3]);
    box.end();
    box.convertToMesh(meshName);
}

// The test terrain's configuration and the box meshes, made once per run.
const std::string& terrainConfig()
{
    static const std::string path = [] {
        const std::string folder = testing::TempDir() + "editing-test-terrain";
        std::filesystem::create_directories(folder);
        std::vector<std::uint8_t> pixels;
        for (int row = 0; row < pageSize; ++row)
            for (int column = 0; column < pageSize; ++column)
                pixels.push_back(static_cast<std::uint8_t>(greyOfColumn(column)));
        headlessogre::root();
        // The staged meshes are not used: the tests rely on these exact boxes.
        writeBox("kup.mesh", {-1, -0.5f, -1}, {1, 0.5f, 1});
        writeBox("yol.mesh", {-0.5f, -0.5f, -5.5f}, {0.5f, 0.5f, 5.5f});
        writeBox("testadam.mesh", {-1, 0, -1}, {1, 4, 1});
        return headlessogre::writeTestTerrain(folder, pixels, pageSize, pageWorld, pageWorld, maxHeight, 17);
    }();
    return path;
}

Ogre::Camera& makeCamera(Ogre::SceneManager& sceneManager)
{
    Ogre::Camera* camera = sceneManager.createCamera("PlayerCam");
    camera->setNearClipDistance(1);
    camera->setFarClipDistance(10000);
    camera->setAspectRatio(800.0f / 600.0f);
    camera->setPosition(0, 120, 120);
    camera->lookAt(0, 0, 0);
    return *camera;
}

}  // namespace

Ogre::Vector3 gridPoint(float x, float z)
{
    return {x < 0 ? x - 0.4f : x + 0.4f, 0, z < 0 ? z - 0.4f : z + 0.4f};
}

void expectVector(const Ogre::Vector3& expected, const Ogre::Vector3& actual)
{
    EXPECT_TRUE(expected.positionEquals(actual, 1e-4f)) << "expected " << expected << ", got " << actual;
}

EditingScene::EditingScene()
    : sceneManager(headlessogre::sceneWithTerrain(terrainConfig())), camera(makeCamera(sceneManager))
{
    document.setItemCheck([](const Item& item) { return meshLoadProblem(item.mesh); });
}

ViewPoint EditingScene::viewOf(const Ogre::Vector3& world) const
{
    const Ogre::Vector4 clip = camera.getProjectionMatrix() * camera.getViewMatrix() * Ogre::Vector4(world);
    return {(clip.x / clip.w + 1) / 2, (1 - clip.y / clip.w) / 2};
}

void EditingScene::drawFrame()
{
    // What a frame does before it draws: the scene graph brought up to date and
    // the items of the view chosen, without a render system to draw them with.
    sceneManager.getRootSceneNode()->_update(true, false);
    drawn.clear();
    mirror.drawnFor(camera, drawn);
}

bool EditingScene::drawnNow(ItemId id) const { return std::find(drawn.begin(), drawn.end(), id) != drawn.end(); }

void EditingScene::pressAt(const Ogre::Vector3& world, bool adding)
{
    // The user presses into a view that was drawn.
    drawFrame();
    tools.press(viewOf(world), adding);
}

void EditingScene::hoverAt(const Ogre::Vector3& world) { tools.hover(viewOf(world)); }

Ogre::Vector3 EditingScene::groundBehind(const Ogre::Vector3& world) const
{
    const ViewPoint at = viewOf(world);
    const Ogre::Ray ray = camera.getCameraToViewportRay(at.x, at.y);
    return ray.getPoint(ray.intersects(Ogre::Plane(Ogre::Vector3::UNIT_Y, 0)).second);
}

void EditingScene::markArea(float x1, float z1, float x2, float z2)
{
    tools.beginAreaPlacement();
    pressAt(gridPoint(x1, z1));
    pressAt(gridPoint(x2, z2));
}

Ogre::SceneNode& EditingScene::nodeOf(ItemId id) const
{
    return *sceneManager.getSceneNode("Human" + std::to_string(id) + "Node");
}

bool EditingScene::hasOwnEntity(ItemId id) const
{
    const std::string name = "Human" + std::to_string(id);
    if (!sceneManager.hasEntity(name) || !sceneManager.hasSceneNode(name + "Node"))
        return false;
    const Ogre::Entity* entity = sceneManager.getEntity(name);
    const Ogre::SceneNode* node = sceneManager.getSceneNode(name + "Node");
    return entity->getParentSceneNode() == node && node->getParent() == sceneManager.getSceneNode("placedItems")
        && node->isInSceneGraph();
}

bool EditingScene::boxShown(ItemId id) const
{
    const Ogre::SceneNode* node = mirror.nodeOf(id);
    return node && node->getShowBoundingBox();
}

const Placement& EditingScene::placed(ItemId id) const
{
    const Placement* placement = mirror.placement(id);
    EXPECT_TRUE(placement) << "item " << id;
    static const Placement nowhere;
    return placement ? *placement : nowhere;
}

std::size_t EditingScene::entityCount() const { return sceneManager.getMovableObjects("Entity").size(); }

std::size_t EditingScene::placedNodeCount() const
{
    return sceneManager.getSceneNode("placedItems")->numChildren();
}

float EditingScene::terrainHeightAt(float x)
{
    // Heights between two heightmap columns are interpolated linearly.
    const float step = pageWorld / (pageSize - 1);
    const int column = static_cast<int>((x - columnWorldX(0)) / step);
    const float within = (x - columnWorldX(column)) / step;
    const float grey = greyOfColumn(column) * (1 - within) + greyOfColumn(column + 1) * within;
    return grey / 255 * maxHeight;
}
