#include "tests/editing/EditingScene.h"

#include "document/ScenarioFile.h"
#include "document/FileAccess.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cmath>
#include <cstdio>

namespace {

using PlacementTest = EditingScene;

Ogre::Vector3 cutToGrid(const Ogre::Vector3& point, float y) { return {std::trunc(point.x), y, std::trunc(point.z)}; }

TEST_F(PlacementTest, CatalogEntryShowsTheCursorObjectOutsideTheDocument)
{
    tools.beginObjectPlacement("testadam");
    EXPECT_EQ(Placing::Object, tools.placing());
    ASSERT_TRUE(sceneManager.hasEntity("mouseObjectEntity"));
    Ogre::Entity* preview = sceneManager.getEntity("mouseObjectEntity");
    EXPECT_EQ("testadam.mesh", preview->getMesh()->getName());
    EXPECT_EQ(sceneManager.getSceneNode("mouseObjectNode"), preview->getParentSceneNode());
    expectVector({1, 1, 1}, preview->getParentSceneNode()->getScale());
    EXPECT_TRUE(document.items().empty());
    EXPECT_EQ(0u, placedNodeCount());
}

TEST_F(PlacementTest, ObjectPressPlacesOneSelectedObjectOnTheWholeNumberGrid)
{
    tools.beginObjectPlacement("testadam");
    pressAt({12.7f, 0, -3.6f});

    ASSERT_EQ(1u, document.items().size());
    const Item& item = lastItem();
    EXPECT_EQ(ItemKind::Object, item.kind);
    EXPECT_EQ("human", item.type);
    EXPECT_EQ("testadam.mesh", item.mesh);
    EXPECT_EQ(12, item.x);
    EXPECT_EQ(-3, item.z);
    ASSERT_TRUE(hasOwnEntity(item.id));
    EXPECT_EQ(SceneMirror::placedItemFlag, sceneManager.getEntity("Human" + std::to_string(item.id))->getQueryFlags());
    expectVector({12, 0, -3}, nodeOf(item.id).getPosition());
    EXPECT_EQ(item.id, selection.selected());
    EXPECT_TRUE(nodeOf(item.id).getShowBoundingBox());

    EXPECT_EQ(Placing::Nothing, tools.placing());
    EXPECT_FALSE(sceneManager.hasEntity("mouseObjectEntity"));
    EXPECT_TRUE(notices.empty());
}

TEST_F(PlacementTest, PressOnAnObjectSelectsItAndNothingElse)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(20, 10));
    const ItemId placed = lastItem().id;
    tools.cancel();
    ASSERT_FALSE(selection.selected());

    pressAt({20, 2, 10});

    EXPECT_EQ(placed, selection.selected());
    ASSERT_EQ(1u, document.items().size());
    EXPECT_EQ(20, lastItem().x);
    EXPECT_EQ(10, lastItem().z);
    expectVector({20, 0, 10}, nodeOf(placed).getPosition());
    EXPECT_TRUE(nodeOf(placed).getShowBoundingBox());
    // The last edit is still the placing: the press moved nothing.
    ASSERT_EQ("", document.undo());
    EXPECT_TRUE(document.items().empty());
}

TEST_F(PlacementTest, ObjectPressOnAnObjectPlacesTheNewOneBehindAndSelectsIt)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(20, 10));
    const ItemId first = lastItem().id;

    tools.beginObjectPlacement("testadam");
    const Ogre::Vector3 onObject(20, 2, 10);
    pressAt(onObject);

    ASSERT_EQ(2u, document.items().size());
    const ItemId second = lastItem().id;
    EXPECT_EQ(second, selection.selected());
    expectVector(cutToGrid(groundBehind(onObject), 0), nodeOf(second).getPosition());
    expectVector({20, 0, 10}, placed(first).position);
    EXPECT_FALSE(boxShown(first));
    EXPECT_TRUE(nodeOf(second).getShowBoundingBox());
}

TEST_F(PlacementTest, TwoCornersMakeABlueArea)
{
    tools.beginAreaPlacement();
    pressAt(gridPoint(0, 0));
    EXPECT_TRUE(tools.hasAnchor());
    ASSERT_TRUE(sceneManager.hasEntity("mouseObjectEntity"));
    EXPECT_EQ("kup.mesh", sceneManager.getEntity("mouseObjectEntity")->getMesh()->getName());
    expectVector({0, 0.1f, 0}, sceneManager.getSceneNode("mouseObjectNode")->getScale());
    EXPECT_TRUE(document.items().empty());

    pressAt(gridPoint(6, 4));
    ASSERT_EQ(1u, document.items().size());
    const Item& area = lastItem();
    EXPECT_EQ(ItemKind::Area, area.kind);
    EXPECT_EQ("bluearea", area.type);
    EXPECT_EQ("kup.mesh", area.mesh);
    EXPECT_EQ(0, area.x1);
    EXPECT_EQ(0, area.z1);
    EXPECT_EQ(6, area.x2);
    EXPECT_EQ(4, area.z2);
    EXPECT_FALSE(area.message);
    ASSERT_TRUE(hasOwnEntity(area.id));
    expectVector({3, 0.1f, 2}, nodeOf(area.id).getScale());
    expectVector({3, 1, 2}, nodeOf(area.id).getPosition());
    EXPECT_EQ(area.id, selection.selected());
    EXPECT_EQ(Placing::Nothing, tools.placing());
    EXPECT_FALSE(tools.hasAnchor());
    EXPECT_FALSE(sceneManager.hasEntity("mouseObjectEntity"));
}

TEST_F(PlacementTest, CornersInTheOtherOrderGiveTheSameAreaWithTheCornersKept)
{
    markArea(6, 4, 0, 0);
    ASSERT_EQ(1u, document.items().size());
    const Item& area = lastItem();
    expectVector({3, 0.1f, 2}, nodeOf(area.id).getScale());
    expectVector({3, 1, 2}, nodeOf(area.id).getPosition());
    EXPECT_EQ(6, area.x1);
    EXPECT_EQ(4, area.z1);
    EXPECT_EQ(0, area.x2);
    EXPECT_EQ(0, area.z2);
}

TEST_F(PlacementTest, MovingAnAreaKeepsItsSize)
{
    markArea(0, 0, 6, 4);
    pressAt(gridPoint(10, 10));
    const Item& area = lastItem();
    expectVector({10, 0.1f, 10}, nodeOf(area.id).getPosition());
    expectVector({3, 0.1f, 2}, nodeOf(area.id).getScale());
    EXPECT_EQ(7, area.x1);
    EXPECT_EQ(8, area.z1);
    EXPECT_EQ(13, area.x2);
    EXPECT_EQ(12, area.z2);
}

TEST_F(PlacementTest, RoadSegmentsChainAndACancelKeepsThem)
{
    tools.beginRoadPlacement();
    pressAt(gridPoint(0, 0));
    EXPECT_TRUE(document.items().empty());
    ASSERT_TRUE(sceneManager.hasEntity("mouseObjectEntity"));
    EXPECT_EQ("yol.mesh", sceneManager.getEntity("mouseObjectEntity")->getMesh()->getName());

    pressAt(gridPoint(3, 10));
    ASSERT_EQ(1u, document.items().size());
    const Item first = lastItem();
    EXPECT_EQ(ItemKind::Road, first.kind);
    EXPECT_EQ("yol.mesh", first.mesh);
    EXPECT_EQ(0, first.x1);
    EXPECT_EQ(0, first.z1);
    EXPECT_EQ(3, first.x2);
    EXPECT_EQ(10, first.z2);
    ASSERT_TRUE(hasOwnEntity(first.id));
    // From its start to its end: halfway, as long as the segment.
    expectVector({2, 0.1f, std::sqrt(109.0f) / 11}, nodeOf(first.id).getScale());
    expectVector({1.5f, 1, 5}, nodeOf(first.id).getPosition());
    EXPECT_EQ(first.id, selection.selected());
    EXPECT_EQ(Placing::Road, tools.placing());
    // The next segment starts where this one ended.
    ASSERT_TRUE(sceneManager.hasEntity("mouseObjectEntity"));
    expectVector({3, 0, 10}, sceneManager.getSceneNode("mouseObjectNode")->getPosition());

    pressAt(gridPoint(-8, 12));
    ASSERT_EQ(2u, document.items().size());
    EXPECT_EQ(3, lastItem().x1);
    EXPECT_EQ(10, lastItem().z1);
    EXPECT_EQ(-8, lastItem().x2);
    EXPECT_EQ(12, lastItem().z2);

    tools.cancel();
    EXPECT_EQ(2u, document.items().size());
    drawFrame();
    EXPECT_TRUE(drawnNow(first.id));
    EXPECT_TRUE(drawnNow(lastItem().id));
    EXPECT_FALSE(sceneManager.hasEntity("mouseObjectEntity"));
    EXPECT_EQ(Placing::Nothing, tools.placing());
    EXPECT_FALSE(tools.hasAnchor());
    EXPECT_FALSE(selection.selected());
}

TEST_F(PlacementTest, ASelectedRoadDoesNotMove)
{
    tools.beginRoadPlacement();
    pressAt(gridPoint(0, 0));
    pressAt(gridPoint(3, 10));
    const Item road = lastItem();
    tools.cancel();

    pressAt({1.5f, 1, 5});
    EXPECT_EQ(road.id, selection.selected());
    pressAt(gridPoint(40, 40));
    EXPECT_EQ(road.id, selection.selected());
    EXPECT_EQ(road, lastItem());
    expectVector({1.5f, 1, 5}, nodeOf(road.id).getPosition());
    // The last edit is still the segment's placing, not a move.
    ASSERT_EQ("", document.undo());
    EXPECT_TRUE(document.items().empty());
}

// A selected road segment shows what Delete would remove, like every other item.
TEST_F(PlacementTest, ASelectedRoadShowsItsBoxThoughItDoesNotMove)
{
    tools.beginRoadPlacement();
    pressAt(gridPoint(0, 0));
    pressAt(gridPoint(3, 10));
    const ItemId road = lastItem().id;
    tools.cancel();

    const Item before = lastItem();
    pressAt({1.5f, 1, 5});
    ASSERT_EQ(road, selection.selected());
    EXPECT_TRUE(nodeOf(road).getShowBoundingBox());
    EXPECT_EQ(before, lastItem());
}

TEST_F(PlacementTest, CancelDropsTheSelectionAndItsBox)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(5, 5));
    const ItemId placed = lastItem().id;
    ASSERT_TRUE(nodeOf(placed).getShowBoundingBox());

    tools.cancel();
    EXPECT_FALSE(selection.selected());
    EXPECT_FALSE(boxShown(placed));
    EXPECT_EQ(1u, document.items().size());
}

TEST_F(PlacementTest, IdsAndNamesGoOnAfterTheItemsAreReplaced)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(5, 5));
    document.replaceAll({}, "");
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(5, 5));
    ASSERT_EQ(1u, document.items().size());
    EXPECT_EQ(1, lastItem().id);
    EXPECT_TRUE(hasOwnEntity(1));
    EXPECT_FALSE(sceneManager.hasSceneNode("Human0Node"));
}

TEST_F(PlacementTest, APressAfterTheSelectedItemWentMovesNothing)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(5, 5));
    document.replaceAll({makeObject(document.peekId(), "testadam.mesh", -20, -20)}, "");
    pressAt(gridPoint(30, 30));
    ASSERT_EQ(1u, document.items().size());
    EXPECT_EQ(-20, lastItem().x);
    expectVector({-20, 0, -20}, placed(lastItem().id).position);
    EXPECT_FALSE(document.canUndo());
    EXPECT_TRUE(notices.empty());
}

TEST_F(PlacementTest, AMeshThatCannotBeLoadedChangesNothingAndIsNamed)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(5, 5));
    const ItemId placed = lastItem().id;

    tools.beginObjectPlacement("missing");
    ASSERT_EQ(1u, notices.size());
    EXPECT_NE(std::string::npos, notices[0].find("missing.mesh")) << notices[0];
    EXPECT_EQ(Placing::Nothing, tools.placing());
    EXPECT_FALSE(sceneManager.hasEntity("mouseObjectEntity"));

    // A catalog entry whose mesh is gone by the time of the press (a name of its
    // own each time: the engine keeps the name of a mesh it failed to load).
    static int run = 0;
    const std::string vanished = "vanished" + std::to_string(run++);
    Ogre::ManualObject box("vanishing");
    box.begin("BaseWhiteNoLighting");
    box.position(0, 0, 0);
    box.position(1, 0, 0);
    box.position(0, 1, 0);
    box.end();
    box.convertToMesh(vanished + ".mesh");
    selection.select(placed);
    tools.beginObjectPlacement(vanished);
    ASSERT_EQ(Placing::Object, tools.placing());
    Ogre::MeshManager::getSingleton().remove(vanished + ".mesh", Ogre::RGN_DEFAULT);
    notices.clear();
    pressAt(gridPoint(9, 9));

    ASSERT_EQ(1u, notices.size());
    EXPECT_NE(std::string::npos, notices[0].find(vanished + ".mesh")) << notices[0];
    EXPECT_EQ(1u, document.items().size());
    EXPECT_EQ(placed + 1, document.peekId());
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{placed}, drawn);
    EXPECT_EQ(Placing::Nothing, tools.placing());
    EXPECT_FALSE(sceneManager.hasEntity("mouseObjectEntity"));
}

TEST_F(PlacementTest, APressThatMissesEverythingOnlyRemovesTheCursor)
{
    tools.beginObjectPlacement("testadam");
    camera.lookAt(0, 200, -1000);  // at the sky
    tools.press({0.5f, 0.5f});
    EXPECT_TRUE(document.items().empty());
    EXPECT_FALSE(sceneManager.hasEntity("mouseObjectEntity"));
    EXPECT_EQ(Placing::Object, tools.placing());
}

TEST_F(PlacementTest, CursorObjectFollowsTheHoverOverTheTerrain)
{
    tools.beginObjectPlacement("testadam");
    Ogre::SceneNode* node = sceneManager.getSceneNode("mouseObjectNode");
    hoverAt(gridPoint(-7, 14));
    EXPECT_EQ(Ogre::Vector3(-7, 0, 14), node->getPosition());

    // Off the terrain (at the sky) the cursor object stays where it was.
    camera.lookAt(0, 500, -1000);
    tools.hover({0.5f, 0.5f});
    EXPECT_EQ(Ogre::Vector3(-7, 0, 14), node->getPosition());
}

TEST_F(PlacementTest, CursorObjectOverAPlacedItemStandsOnTheGroundBehindIt)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(5, 5));
    ASSERT_EQ(1u, document.items().size());
    tools.beginObjectPlacement("testadam");
    const Ogre::Vector3 onTheMan{5.4f, 3.0f, 5.4f};
    const std::vector<PickHit> hits = picker.pick(viewOf(onTheMan));
    ASSERT_FALSE(hits.empty());
    ASSERT_TRUE(hits.front().item) << "the pointer is over the placed man";

    hoverAt(onTheMan);
    const Ogre::Vector3 behind = groundBehind(onTheMan);
    const Ogre::Vector3 expected{std::trunc(behind.x), 0, std::trunc(behind.z)};
    ASSERT_NE(Ogre::Vector3(5, 0, 5), expected);
    EXPECT_EQ(expected, sceneManager.getSceneNode("mouseObjectNode")->getPosition());
}

TEST_F(PlacementTest, AreaCursorShowsTheAreaAPressWouldMake)
{
    tools.beginAreaPlacement();
    Ogre::SceneNode* node = sceneManager.getSceneNode("mouseObjectNode");
    hoverAt(gridPoint(6, 4));
    EXPECT_EQ(Ogre::Vector3::ZERO, node->getPosition());

    pressAt(gridPoint(0, 0));
    hoverAt(gridPoint(6, 4));
    expectVector({3, 0.1f, 2}, node->getScale());
    expectVector({3, 1, 2}, node->getPosition());
}

TEST_F(PlacementTest, RoadCursorShowsTheSegmentAPressWouldMake)
{
    tools.beginRoadPlacement();
    pressAt(gridPoint(0, 0));
    hoverAt(gridPoint(-8, 2));
    Ogre::SceneNode* node = sceneManager.getSceneNode("mouseObjectNode");
    expectVector({2, 0.1f, std::sqrt(68.0f) / 11}, node->getScale());
    expectVector({-4, 1, 1}, node->getPosition());
    // Turned from +z towards the end point.
    EXPECT_NEAR(std::atan2(-8.0, 2.0) * 180 / M_PI, node->getOrientation().getYaw().valueDegrees(), 1e-3);
}

TEST_F(PlacementTest, PlacedItemsAreWrittenToTheFileAsPlaced)
{
    tools.beginObjectPlacement("testadam");
    pressAt({12.7f, 0, -3.6f});
    markArea(0, 0, 6, 4);
    tools.beginRoadPlacement();
    pressAt(gridPoint(0, 0));
    pressAt(gridPoint(3, 10));
    tools.cancel();

    const std::string path = testing::TempDir() + "placed.zev";
    ASSERT_EQ("", saveScenario(document, path));
    std::string text;
    ASSERT_EQ("", readWholeFile(path, text));
    std::remove(path.c_str());
    EXPECT_EQ("human testadam.mesh 12 0 -3\n"
              "bluearea kup.mesh 3 1 2 0 0 6 4 0 0\n"
              "road yol.mesh 0 0 3 10",
              text);
}

}  // namespace
