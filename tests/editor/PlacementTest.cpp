#include "tests/editor/ListenerFixture.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cmath>

namespace {

using PlacementTest = ListenerFixture;

void expectVector(const Ogre::Vector3& expected, const Ogre::Vector3& actual)
{
    EXPECT_NEAR(expected.x, actual.x, 1e-5);
    EXPECT_NEAR(expected.y, actual.y, 1e-5);
    EXPECT_NEAR(expected.z, actual.z, 1e-5);
}

Ogre::Vector3 cutToGrid(const Ogre::Vector3& point, float y)
{
    return {std::trunc(point.x), y, std::trunc(point.z)};
}

TEST_F(PlacementTest, CatalogButtonShowsTheCursorObject)
{
    listener->beginObjectPlacement("testadam");
    EXPECT_EQ(Object, editing.placementMode);
    EXPECT_EQ("testadam", editing.currentMeshName);
    ASSERT_NE(nullptr, editing.previewEntity);
    EXPECT_EQ("mouseObjectEntity", editing.previewEntity->getName());
    EXPECT_EQ("testadam.mesh", editing.previewEntity->getMesh()->getName());
    EXPECT_EQ(editing.mouseObjectNode, editing.previewEntity->getParentSceneNode());
    expectVector({1, 1, 1}, editing.mouseObjectNode->getScale());
}

TEST_F(PlacementTest, ObjectClickPlacesOneSelectedObjectOnTheGrid)
{
    listener->beginObjectPlacement("testadam");
    clickAt({12.7f, 0, -3.6f});

    ASSERT_EQ(1u, registry.objects.size());
    const ObjectRecord& record = *registry.objects[0];
    EXPECT_EQ("testadam.mesh", record.meshName);
    EXPECT_EQ("Human0Node", record.nodeName);
    EXPECT_EQ("human", record.typeName);
    EXPECT_EQ("Human0", record.entity->getName());
    EXPECT_EQ(2u, record.entity->getQueryFlags());
    expectVector({12, 0, -3}, record.node->getPosition());

    EXPECT_EQ(record.node, editing.selectedNode);
    EXPECT_TRUE(record.node->getShowBoundingBox());
    EXPECT_EQ("12.000000", windowText("xPosition"));
    EXPECT_EQ("-3.000000", windowText("yPosition"));
    EXPECT_EQ(1, scene.session.panels.propertiesTabShown);
    EXPECT_EQ(1, scene.session.panels.propertiesTabSlideIn);

    EXPECT_EQ(None, editing.placementMode);
    EXPECT_TRUE(editing.currentMeshName.empty());
    EXPECT_EQ(nullptr, editing.previewEntity);
    EXPECT_FALSE(scene.sceneManager->hasEntity("mouseObjectEntity"));
}

TEST_F(PlacementTest, ClickOnAnObjectSelectsItAndMovesItToTheGroundBehind)
{
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(20, 10));
    Ogre::SceneNode* placed = editing.selectedNode;
    rightClick();
    ASSERT_EQ(nullptr, editing.selectedNode);

    const Ogre::Vector3 onObject(20, 2, 10);
    const Ogre::Vector3 behind = cutToGrid(groundBehind(onObject), 0.1f);
    ASSERT_NE(Ogre::Vector3(20, 0.1f, 10), behind);
    clickAt(onObject);

    EXPECT_EQ(placed, editing.selectedNode);
    expectVector(behind, placed->getPosition());
    EXPECT_TRUE(placed->getShowBoundingBox());
    EXPECT_EQ("20.000000", windowText("xPosition"));
    EXPECT_EQ(1u, registry.objects.size());
}

TEST_F(PlacementTest, ObjectClickOnAnObjectPlacesTheNewOneBehindAndSelectsIt)
{
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(20, 10));
    Ogre::SceneNode* first = editing.selectedNode;

    listener->beginObjectPlacement("testadam");
    const Ogre::Vector3 onObject(20, 2, 10);
    clickAt(onObject);

    ASSERT_EQ(2u, registry.objects.size());
    Ogre::SceneNode* second = registry.objects[1]->node;
    EXPECT_EQ(second, editing.selectedNode);
    expectVector(cutToGrid(groundBehind(onObject), 0), second->getPosition());
    expectVector({20, 0, 10}, first->getPosition());
    EXPECT_FALSE(first->getShowBoundingBox());
    EXPECT_TRUE(second->getShowBoundingBox());
}

TEST_F(PlacementTest, TwoCornersMakeABlueArea)
{
    listener->beginAreaPlacement();
    clickAt(gridPoint(0, 0));
    EXPECT_EQ(1, listener->clickStep);
    ASSERT_NE(nullptr, editing.previewEntity);
    EXPECT_EQ("kup.mesh", editing.previewEntity->getMesh()->getName());
    expectVector({0, 0.1f, 0}, editing.mouseObjectNode->getScale());
    EXPECT_TRUE(registry.areas.empty());

    clickAt(gridPoint(6, 4));
    ASSERT_EQ(1u, registry.areas.size());
    const AreaRecord& area = *registry.areas[0];
    expectVector({3, 0.1f, 2}, area.node->getScale());
    expectVector({3, 1, 2}, area.node->getPosition());
    EXPECT_EQ(0, area.x1);
    EXPECT_EQ(0, area.z1);
    EXPECT_EQ(6, area.x2);
    EXPECT_EQ(4, area.z2);
    EXPECT_EQ("kup.mesh", area.meshName);
    EXPECT_EQ("bluearea", area.typeName);
    EXPECT_EQ(nullptr, area.message);
    EXPECT_EQ(2u, area.entity->getQueryFlags());
    EXPECT_EQ(area.node, editing.selectedNode);
    EXPECT_EQ(None, editing.placementMode);
    EXPECT_EQ(0, listener->clickStep);
    // Placing an area does not show its position.
    EXPECT_EQ("", windowText("xPosition"));
}

TEST_F(PlacementTest, CornersInTheOtherOrderGiveTheSameAreaWithSwappedRecord)
{
    markArea(6, 4, 0, 0);
    ASSERT_EQ(1u, registry.areas.size());
    const AreaRecord& area = *registry.areas[0];
    expectVector({3, 0.1f, 2}, area.node->getScale());
    expectVector({3, 1, 2}, area.node->getPosition());
    EXPECT_EQ(6, area.x1);
    EXPECT_EQ(4, area.z1);
    EXPECT_EQ(0, area.x2);
    EXPECT_EQ(0, area.z2);
}

TEST_F(PlacementTest, MovingAnAreaKeepsItsSize)
{
    markArea(0, 0, 6, 4);
    clickAt(gridPoint(10, 10));
    const AreaRecord& area = *registry.areas[0];
    expectVector({10, 0.1f, 10}, area.node->getPosition());
    expectVector({3, 0.1f, 2}, area.node->getScale());
    EXPECT_EQ(7, area.x1);
    EXPECT_EQ(8, area.z1);
    EXPECT_EQ(13, area.x2);
    EXPECT_EQ(12, area.z2);
}

TEST_F(PlacementTest, RoadSegmentsChainAndARightClickKeepsThem)
{
    listener->beginRoadPlacement();
    clickAt(gridPoint(0, 0));
    EXPECT_TRUE(registry.roads.empty());
    ASSERT_NE(nullptr, editing.previewEntity);
    EXPECT_EQ("yol.mesh", editing.previewEntity->getMesh()->getName());

    clickAt(gridPoint(3, 10));
    ASSERT_EQ(1u, registry.roads.size());
    const RoadRecord& first = *registry.roads[0];
    EXPECT_EQ(0, first.x1);
    EXPECT_EQ(0, first.z1);
    EXPECT_EQ(3, first.x2);
    EXPECT_EQ(10, first.z2);
    EXPECT_EQ("yol.mesh", first.meshName);
    EXPECT_EQ(2u, static_cast<Ogre::Entity*>(first.node->getAttachedObject(0))->getQueryFlags());
    expectVector({2, 0.1f, 10.0f / 11}, first.node->getScale());
    expectVector({1, 1, 5}, first.node->getPosition());
    EXPECT_EQ(first.node, editing.selectedNode);
    EXPECT_EQ(Road, editing.placementMode);
    ASSERT_NE(nullptr, editing.previewEntity);
    expectVector({3, 0, 10}, editing.mouseObjectNode->getPosition());

    clickAt(gridPoint(-8, 12));
    ASSERT_EQ(2u, registry.roads.size());
    EXPECT_EQ(3, registry.roads[1]->x1);
    EXPECT_EQ(10, registry.roads[1]->z1);
    EXPECT_EQ(-8, registry.roads[1]->x2);

    rightClick();
    EXPECT_EQ(2u, registry.roads.size());
    EXPECT_TRUE(first.node->isInSceneGraph());
    EXPECT_TRUE(registry.roads[1]->node->isInSceneGraph());
    EXPECT_EQ(nullptr, editing.previewEntity);
    EXPECT_FALSE(scene.sceneManager->hasEntity("mouseObjectEntity"));
    EXPECT_EQ(None, editing.placementMode);
    EXPECT_EQ(0, listener->clickStep);
    EXPECT_EQ(nullptr, editing.selectedNode);
}

TEST_F(PlacementTest, ASelectedRoadDoesNotMove)
{
    listener->beginRoadPlacement();
    clickAt(gridPoint(0, 0));
    clickAt(gridPoint(3, 10));
    Ogre::SceneNode* road = registry.roads[0]->node;
    rightClick();

    clickAt({1, 1, 5});
    EXPECT_EQ(road, editing.selectedNode);
    expectVector({1, 1, 5}, road->getPosition());
    // The click stops at the road it cannot move: its box is not shown.
    EXPECT_FALSE(road->getShowBoundingBox());
    clickAt(gridPoint(40, 40));
    EXPECT_EQ(road, editing.selectedNode);
    expectVector({1, 1, 5}, road->getPosition());
    EXPECT_EQ(0, registry.roads[0]->x1);
}

TEST_F(PlacementTest, RightClickDropsTheSelectionAndSlidesThePropertiesOut)
{
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(5, 5));
    Ogre::SceneNode* placed = editing.selectedNode;
    scene.session.panels.propertiesTabSlideOut = 0;

    rightClick();
    EXPECT_EQ(nullptr, editing.selectedNode);
    EXPECT_FALSE(placed->getShowBoundingBox());
    EXPECT_EQ(0, scene.session.panels.propertiesTabShown);
    EXPECT_EQ(1, scene.session.panels.propertiesTabSlideOut);
}

TEST_F(PlacementTest, NamesGoOnAfterTheRegistryIsCleared)
{
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(5, 5));
    registry.clearAll();
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(5, 5));
    ASSERT_EQ(1u, registry.objects.size());
    EXPECT_EQ("Human1Node", registry.objects[0]->nodeName);
}

TEST_F(PlacementTest, MovingAClearedSelectionDoesNothing)
{
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(5, 5));
    Ogre::SceneNode* cleared = editing.selectedNode;
    registry.clearAll();
    clickAt(gridPoint(30, 30));
    expectVector({5, 0, 5}, cleared->getPosition());
}

TEST_F(PlacementTest, AMeshThatCannotBeLoadedChangesNothing)
{
    listener->beginObjectPlacement("testadam");
    clickAt(gridPoint(5, 5));
    Ogre::SceneNode* selected = editing.selectedNode;

    testing::internal::CaptureStderr();
    listener->beginObjectPlacement("missing");
    const std::string buttonNotice = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, buttonNotice.find("missing.mesh")) << buttonNotice;
    EXPECT_EQ(None, editing.placementMode);
    EXPECT_TRUE(editing.currentMeshName.empty());
    EXPECT_EQ(nullptr, editing.previewEntity);
    EXPECT_FALSE(scene.sceneManager->hasEntity("mouseObjectEntity"));

    // A catalog entry whose mesh is gone by the time of the click.
    editing.placementMode = Object;
    editing.currentMeshName = "vanished";
    editing.selectedNode = selected;
    testing::internal::CaptureStderr();
    clickAt(gridPoint(9, 9));
    const std::string clickNotice = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, clickNotice.find("vanished.mesh")) << clickNotice;
    EXPECT_EQ(1u, registry.objects.size());
    EXPECT_EQ(1, editing.nameCounter);
    EXPECT_FALSE(scene.sceneManager->hasSceneNode("Human1Node"));
    EXPECT_EQ(selected, editing.selectedNode);
    EXPECT_EQ(None, editing.placementMode);
}

TEST_F(PlacementTest, AClickThatMissesEverythingOnlyRemovesTheCursor)
{
    listener->beginObjectPlacement("testadam");
    scene.camera->setPosition(0, 120, 120);
    scene.camera->lookAt(0, 200, -1000);  // at the sky
    input::MouseEvent press(nullptr, 0, input::BUTTON0_MASK, 0, 0, 0.5f, 0.5f, 0, 1);
    listener->handleLeftPress(&press);
    EXPECT_TRUE(registry.objects.empty());
    EXPECT_EQ(nullptr, editing.previewEntity);
    EXPECT_EQ(Object, editing.placementMode);
}

}  // namespace
