#include "tests/editing/EditingScene.h"

#include "document/Commands.h"
#include "document/ScenarioFile.h"
#include "scene/PlacementGeometry.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

using SceneMirrorTest = EditingScene;

std::string add(Document& document, const Item& item) { return document.execute(std::make_unique<AddItem>(item)); }

TEST_F(SceneMirrorTest, ItemsAreDrawnWhereTheyStandAndASelectedOneHasAnEntityNamedByItsId)
{
    ASSERT_EQ("", add(document, makeObject(17, "testadam.mesh", 4, -2)));
    drawFrame();
    EXPECT_TRUE(drawnNow(17));
    expectVector({4, 0, -2}, placed(17).position);
    EXPECT_EQ(0u, entityCount()) << "drawn in a batch of its mesh";

    selection.select(17);
    ASSERT_TRUE(hasOwnEntity(17));
    Ogre::Entity* entity = sceneManager.getEntity("Human17");
    EXPECT_EQ("testadam.mesh", entity->getMesh()->getName());
    EXPECT_EQ(SceneMirror::placedItemFlag, entity->getQueryFlags());
    expectVector({4, 0, -2}, nodeOf(17).getPosition());
    drawFrame();
    EXPECT_EQ(1, std::count(drawn.begin(), drawn.end(), 17)) << "drawn once, by its entity";
    EXPECT_EQ(18, document.peekId());
}

TEST_F(SceneMirrorTest, AnItemWhoseMeshCannotBeLoadedIsRefusedAndShowsNothing)
{
    const std::string problem = add(document, makeObject(0, "nosuch.mesh", 0, 0));
    EXPECT_NE(std::string::npos, problem.find("nosuch.mesh")) << problem;
    EXPECT_TRUE(document.items().empty());
    EXPECT_EQ(0, document.peekId());
    EXPECT_FALSE(sceneManager.hasSceneNode("Human0Node"));
    EXPECT_FALSE(sceneManager.hasEntity("Human0"));
}

TEST_F(SceneMirrorTest, ChangesAndRemovalsTouchOnlyTheirOwnItem)
{
    const Item object = makeObject(0, "testadam.mesh", 1, 1);
    ASSERT_EQ("", add(document, object));
    ASSERT_EQ("", add(document, makeArea(1, "kup.mesh", 0, 0, 6, 4)));
    ASSERT_EQ("", add(document, makeRoad(2, "yol.mesh", 0, 0, 3, 10)));
    drawFrame();
    ASSERT_EQ((std::vector<ItemId>{0, 1, 2}), drawn);

    // Straight away, before the next frame.
    ASSERT_EQ("", document.execute(std::make_unique<ChangeItem>(object, movedTo(object, -9, 7))));
    expectVector({-9, 0.1f, 7}, placed(0).position);
    expectVector({3, 1, 2}, placed(1).position);

    selection.select(1);
    ASSERT_EQ("", document.execute(std::make_unique<RemoveItem>(2)));
    EXPECT_EQ(nullptr, mirror.placement(2));
    ASSERT_EQ("", document.execute(std::make_unique<RemoveItem>(1)));
    EXPECT_FALSE(sceneManager.hasSceneNode("Human1Node"));
    EXPECT_EQ(0u, placedNodeCount());
    EXPECT_EQ(0u, entityCount());
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{0}, drawn);
}

TEST_F(SceneMirrorTest, ReplacingAllItemsLeavesNoEntityOrNodeOfThePreviousOnes)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ("", add(document, makeObject(document.peekId(), "testadam.mesh", float(i), 0)));
    ASSERT_EQ("", add(document, makeArea(document.peekId(), "kup.mesh", 0, 0, 6, 4)));
    ASSERT_EQ("", add(document, makeRoad(document.peekId(), "yol.mesh", 0, 0, 3, 10)));
    selection.select(1);
    drawFrame();
    ASSERT_EQ(5u, drawn.size());
    ASSERT_EQ(1u, entityCount());

    // As New does: the entity goes at once, not with the next frame.
    document.replaceAll({}, "");
    EXPECT_EQ(0u, entityCount());
    EXPECT_EQ(0u, placedNodeCount());
    EXPECT_FALSE(selection.selected());
    drawFrame();
    EXPECT_TRUE(drawn.empty());

    // As Open does, over items again.
    ASSERT_EQ("", add(document, makeObject(document.peekId(), "testadam.mesh", 0, 0)));
    const ItemId first = document.peekId();
    document.replaceAll({makeObject(first, "testadam.mesh", 5, 5), makeArea(first + 1, "kup.mesh", 0, 0, 2, 2)}, "b.zev");
    drawFrame();
    EXPECT_EQ((std::vector<ItemId>{first, first + 1}), drawn);
    EXPECT_EQ(nullptr, mirror.placement(first - 1));

    // The command form, undone and redone.
    ASSERT_EQ("", document.execute(std::make_unique<ReplaceAll>(std::vector<Item>{
                      makeRoad(first + 2, "yol.mesh", 0, 0, 5, 0)})));
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{first + 2}, drawn);
    ASSERT_EQ("", document.undo());
    drawFrame();
    EXPECT_EQ((std::vector<ItemId>{first, first + 1}), drawn);
    EXPECT_EQ(0u, entityCount());
}

TEST_F(SceneMirrorTest, APickAnswersWithTheItemIdAndThenTheGround)
{
    ASSERT_EQ("", add(document, makeObject(7, "testadam.mesh", 20, 10)));
    ASSERT_EQ("", add(document, makeObject(8, "testadam.mesh", -20, 10)));
    sceneManager.getRootSceneNode()->_update(true, false);

    const std::vector<PickHit> hits = picker.pick(viewOf({20, 2, 10}));
    ASSERT_GE(hits.size(), 2u);
    EXPECT_EQ(7, hits[0].item);
    EXPECT_FALSE(hits[0].ground);
    std::size_t items = 0;
    for (const PickHit& hit : hits)
        items += hit.item.has_value();
    EXPECT_EQ(1u, items) << "only the item under the point, once";
    EXPECT_TRUE(hits.back().ground);

    const std::vector<PickHit> ground = picker.pick(viewOf(gridPoint(0, 0)));
    ASSERT_EQ(1u, ground.size());
    ASSERT_TRUE(ground[0].ground);
    EXPECT_TRUE(gridPoint(0, 0).positionEquals(*ground[0].ground, 1e-2f)) << *ground[0].ground;
}

TEST_F(SceneMirrorTest, UndoingADeleteBringsTheEntityBack)
{
    tools.beginObjectPlacement("testadam");
    pressAt(gridPoint(5, 5));
    const ItemId placed = lastItem().id;
    ASSERT_TRUE(tools.deleteSelected());

    EXPECT_FALSE(hasOwnEntity(placed));
    EXPECT_FALSE(selection.selected());
    EXPECT_TRUE(document.items().empty());

    ASSERT_EQ("", document.undo());
    drawFrame();
    ASSERT_TRUE(drawnNow(placed));
    expectVector({5, 0, 5}, this->placed(placed).position);
    const std::vector<PickHit> hits = picker.pick(viewOf({5, 2, 5}));
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(placed, hits[0].item);

    ASSERT_EQ("", document.redo());
    drawFrame();
    EXPECT_FALSE(drawnNow(placed));
    EXPECT_EQ(0u, placedNodeCount());
}

TEST_F(SceneMirrorTest, DeletingTheSelectedAreaTakesItFromDocumentAndScene)
{
    markArea(0, 0, 6, 4);
    const ItemId area = lastItem().id;
    ASSERT_EQ(area, selection.selected());

    EXPECT_TRUE(tools.deleteSelected());
    EXPECT_TRUE(document.items().empty());
    EXPECT_FALSE(sceneManager.hasSceneNode("Human" + std::to_string(area) + "Node"));
    EXPECT_FALSE(sceneManager.hasEntity("Human" + std::to_string(area)));
    EXPECT_FALSE(selection.selected());
    EXPECT_FALSE(tools.deleteSelected()) << "nothing is selected any more";
}

TEST_F(SceneMirrorTest, EntriesTheFileOnlyShowsAreDeletedLikeAnyOther)
{
    Item other = makeObject(0, "testadam.mesh", 3, 3);
    other.kind = ItemKind::Other;
    other.type = "tree";
    ASSERT_EQ("", add(document, other));
    drawFrame();
    ASSERT_TRUE(drawnNow(0));
    selection.select(0);
    EXPECT_TRUE(tools.deleteSelected());
    EXPECT_EQ(0u, document.items().size());
    drawFrame();
    EXPECT_FALSE(drawnNow(0));
}

// Opening the same file again and again over a loaded scenario keeps the scene
// and the memory as they were after the first time.
TEST_F(SceneMirrorTest, ReopeningALargeFileNeitherGrowsTheSceneNorTheMemory)
{
    const std::string path = testing::TempDir() + "thousand.zev";
    {
        Document written;
        std::vector<Item> items;
        for (int i = 0; i < 1000; ++i) {
            const float x = float(i % 40 * 4 - 80), z = float(i / 40 * 4 - 50);
            if (i % 10 == 0)
                items.push_back(makeArea(i, "kup.mesh", x, z, x + 2, z + 2));
            else if (i % 10 == 1)
                items.push_back(makeRoad(i, "yol.mesh", x, z, x, z + 3));
            else
                items.push_back(makeObject(i, "testadam.mesh", x, z));
        }
        written.replaceAll(std::move(items), "");
        ASSERT_EQ("", saveScenario(written, path));
    }
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ("", add(document, makeObject(document.peekId(), "testadam.mesh", float(i), 0)));

    std::size_t memoryAfterSecond = 0, drawnFirst = 0;
    for (int round = 1; round <= 5; ++round) {
        ASSERT_EQ("", openScenario(document, path)) << round;
        ASSERT_EQ(1000u, document.items().size());
        drawFrame();
        if (round == 1)
            drawnFirst = drawn.size();
        EXPECT_EQ(drawnFirst, drawn.size()) << round;
        EXPECT_EQ(0u, entityCount()) << round;
        EXPECT_EQ(0u, placedNodeCount()) << round;
        if (round == 2)
            memoryAfterSecond = mallinfo2().uordblks;
    }
    EXPECT_GT(drawnFirst, 500u);
    const std::size_t memoryAfterFifth = mallinfo2().uordblks;
    std::remove(path.c_str());
    EXPECT_FALSE(sceneManager.hasEntity("Human0"));
    // One open builds some 1 MB of scene for the items; the engine's bookkeeping
    // may keep a few bytes more, a leak of any part of the items far more.
    EXPECT_LT(memoryAfterFifth, memoryAfterSecond + 64 * 1024)
        << "after the 2nd open " << memoryAfterSecond << " bytes, after the 5th " << memoryAfterFifth;
}

TEST(PlacementGeometry, PickPointsAreCutTowardZero)
{
    EXPECT_EQ(-3.0f, truncateToWhole(-3.6f));
    EXPECT_EQ(3.0f, truncateToWhole(3.6f));
    EXPECT_EQ(-2.0f, truncateToWhole(-2.7f));
    EXPECT_EQ(0.0f, truncateToWhole(-0.4f));
    EXPECT_EQ(7.0f, truncateToWhole(7.0f));
}

// The road mesh is 11 long along z: its two ends must land on the segment's
// start and end, however the segment runs, so chained segments meet.
TEST(PlacementGeometry, RoadsRunFromTheirStartToTheirEndAtAnyAngle)
{
    const float segments[][4] = {{0, 0, 3, 10}, {0, 0, -8, 2}, {5, 5, 2, -5}, {-7, 3, -7, -20}, {10, -4, 40, -4}};
    for (const auto& s : segments) {
        const RoadShape shape = roadShape(s[0], s[1], s[2], s[3]);
        const Ogre::Affine3 node(shape.position, shape.orientation, shape.scale);
        expectVector({s[0], 1, s[1]}, node * Ogre::Vector3(0, 0, -5.5f));
        expectVector({s[2], 1, s[3]}, node * Ogre::Vector3(0, 0, 5.5f));
        // Two wide across and as thick as before.
        EXPECT_NEAR(2.0f * 0.5f, (node * Ogre::Vector3(0.5f, 0, 0) - shape.position).length(), 1e-4f);
        EXPECT_FLOAT_EQ(0.1f, shape.scale.y);
    }
}

TEST(PlacementGeometry, AreaScaleIsHalfTheExtentInEitherCornerOrder)
{
    expectVector({3, 0.1f, 2}, areaScale(0, 0, 6, 4));
    expectVector({3, 0.1f, 2}, areaScale(6, 4, 0, 0));
}

TEST(MovedTo, AnAreaOfOddWidthLosesHalfAUnitEachSide)
{
    const Item odd = movedTo(makeArea(0, "kup.mesh", 1, 0, 6, 2), 10, 0);
    EXPECT_EQ(8, odd.x1);
    EXPECT_EQ(12, odd.x2);
    EXPECT_EQ(10, odd.x);
}

TEST(MovedTo, AnAreaKeepsTheOrderOfItsCorners)
{
    const Item moved = movedTo(makeArea(0, "kup.mesh", 6, 4, 0, 0), -10, 3);
    EXPECT_EQ(-7, moved.x1);
    EXPECT_EQ(5, moved.z1);
    EXPECT_EQ(-13, moved.x2);
    EXPECT_EQ(1, moved.z2);
}

}  // namespace
