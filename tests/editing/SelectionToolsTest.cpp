#include "tests/editing/EditingScene.h"

#include "document/Commands.h"
#include "document/GroupEdits.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <set>

namespace {

// Selecting several items with Shift and a rubber band, and editing them as a
// group, through the tools' view input.
class SelectionTools : public EditingScene {
protected:
    ItemId put(Item item)
    {
        item.id = document.peekId();
        EXPECT_EQ("", document.execute(std::make_unique<AddItem>(item)));
        return item.id;
    }
    ItemId object(float x, float z) { return put(makeObject(0, "testadam.mesh", x, z)); }

    // A band around the world points, a little larger than they need.
    void bandAround(std::initializer_list<Ogre::Vector3> points, bool adding = false)
    {
        ViewPoint low{1, 1}, high{0, 0};
        for (const Ogre::Vector3& p : points) {
            const ViewPoint at = viewOf(p);
            low = {std::min(low.x, at.x), std::min(low.y, at.y)};
            high = {std::max(high.x, at.x), std::max(high.y, at.y)};
        }
        drawFrame();
        tools.beginBand({high.x + 0.01f, high.y + 0.01f}, adding);
        tools.dragBand({0.5f, 0.5f});
        ASSERT_TRUE(tools.band());
        tools.endBand({low.x - 0.01f, low.y - 0.01f});
        EXPECT_FALSE(tools.band());
    }

    std::set<ItemId> selected() const
    {
        std::set<ItemId> ids;
        for (const Item& item : selection.items())
            ids.insert(item.id);
        return ids;
    }

    // Every selected item shows its box, and no other item does.
    void expectBoxesOnTheSelectionOnly()
    {
        drawFrame();
        for (const Item& item : document.items()) {
            const bool boxed = mirror.nodeOf(item.id) && mirror.nodeOf(item.id)->getShowBoundingBox();
            EXPECT_EQ(selection.contains(item.id), boxed) << "item " << item.id;
        }
    }
};

TEST_F(SelectionTools, ARubberBandSelectsWhatItSurroundsAndShiftPressesAddAndTakeOut)
{
    const ItemId a = object(-30, 0), b = object(-10, 0), c = object(20, 0), d = object(40, 30);
    const std::string before = groupText(document.items());
    bandAround({{-30, 0, 0}, {-10, 0, 0}});
    EXPECT_EQ(selected(), (std::set<ItemId>{a, b}));
    EXPECT_FALSE(selection.selected()) << "several: no single selected item";
    expectBoxesOnTheSelectionOnly();

    bandAround({{20, 0, 0}}, true);
    EXPECT_EQ(selected(), (std::set<ItemId>{a, b, c}));
    pressAt({-10, 2, 0}, true);
    EXPECT_EQ(selected(), (std::set<ItemId>{a, c}));
    pressAt({40, 2, 30}, true);
    EXPECT_EQ(selected(), (std::set<ItemId>{a, c, d}));
    expectBoxesOnTheSelectionOnly();

    // A plain press selects only the item pressed; a band round nothing selects nothing.
    pressAt({-10, 2, 0});
    EXPECT_EQ(selected(), (std::set<ItemId>{b}));
    bandAround({{0, 0, -60}});
    EXPECT_TRUE(selection.empty());
    bandAround({{-30, 0, 0}, {40, 0, 30}});
    EXPECT_EQ(selected().size(), 4u);
    tools.cancel();
    EXPECT_TRUE(selection.empty());
    expectBoxesOnTheSelectionOnly();
    EXPECT_EQ(groupText(document.items()), before) << "selecting moved nothing";
}

TEST_F(SelectionTools, AGroundPressMovesTheGroupSoItsCentreLandsThereInOneStep)
{
    const ItemId a = object(-30, 0), b = object(-10, 4);
    const ItemId area = put(makeArea(0, "kup.mesh", -20, 10, -14, 20));
    bandAround({{-30, 0, 0}, {-10, 0, 4}, {-17, 1, 15}});
    ASSERT_EQ(selected().size(), 3u);
    const std::string before = groupText(document.items());

    // The centre of (-30..-10, 0..15) is (-20, 7.5), taken as (-20, 8).
    pressAt(gridPoint(10, 50));
    EXPECT_EQ(document.find(a)->x, 0);
    EXPECT_EQ(document.find(a)->z, 42);
    EXPECT_EQ(document.find(b)->x, 20);
    EXPECT_EQ(document.find(area)->x1, 10);
    EXPECT_EQ(document.find(area)->z2, 62);
    EXPECT_EQ(selected().size(), 3u);
    ASSERT_EQ("", document.undo());
    EXPECT_EQ(groupText(document.items()), before);
}

TEST_F(SelectionTools, TurningTurnsTheSelectedObjectsOrThePreviewClockwise)
{
    const ItemId a = object(0, 0);
    selection.select(a);
    tools.turn(-15);
    tools.turn(-15);
    EXPECT_EQ(document.find(a)->turn, 330);
    EXPECT_NEAR(30, nodeOf(a).getOrientation().getYaw().valueDegrees(), 1e-3) << "clockwise from above";

    // While an object is placed its preview turns, and the object keeps the turn.
    tools.beginObjectPlacement("testadam");
    tools.turn(90);
    hoverAt(gridPoint(-20, 10));
    EXPECT_NEAR(-90, sceneManager.getSceneNode("mouseObjectNode")->getOrientation().getYaw().valueDegrees(), 1e-3);
    pressAt(gridPoint(-20, 10));
    EXPECT_EQ(lastItem().turn, 90);
    EXPECT_EQ(document.find(a)->turn, 330);
}

TEST_F(SelectionTools, AKeptPlacementPlacesAtEveryPressUntilCancelled)
{
    tools.beginObjectPlacement("testadam", true);
    for (float x : {-20.0f, 0.0f, 20.0f}) {
        pressAt(gridPoint(x, 10));
        EXPECT_EQ(Placing::Object, tools.placing());
        EXPECT_TRUE(sceneManager.hasEntity("mouseObjectEntity")) << "the next one follows the pointer";
    }
    EXPECT_EQ(3u, document.items().size());
    EXPECT_EQ(lastItem().id, selection.selected());

    tools.beginAreaPlacement(true);
    pressAt(gridPoint(0, 0));
    pressAt(gridPoint(4, 4));
    pressAt(gridPoint(10, 0));
    pressAt(gridPoint(14, 6));
    EXPECT_EQ(5u, document.items().size());
    EXPECT_EQ(Placing::Area, tools.placing());
    EXPECT_TRUE(tools.canCancel());
    tools.cancel();
    EXPECT_EQ(Placing::Nothing, tools.placing());
    EXPECT_FALSE(tools.canCancel());
}

TEST_F(SelectionTools, ItemsStandOnTheTerrainUnderThemAndPicksFindThemThere)
{
    tools.beginObjectPlacement("testadam");
    pressAt({150.4f, terrainHeightAt(150.4f), 20.4f});
    const ItemId standing = lastItem().id;
    ASSERT_EQ(150, lastItem().x);
    EXPECT_EQ(0, lastItem().y) << "the file's y does not change";
    EXPECT_NEAR(terrainHeightAt(150), mirror.positionOf(standing)->y, 1e-3);

    // Areas and roads at the highest point under them: here their east edge.
    const ItemId area = put(makeArea(0, "kup.mesh", 120, 0, 140, 10));
    const ItemId road = put(makeRoad(0, "yol.mesh", 110, -10, 150, -10));
    EXPECT_NEAR(terrainHeightAt(140) + 1, mirror.positionOf(area)->y, 1e-3);
    EXPECT_NEAR(terrainHeightAt(150) + 1, mirror.positionOf(road)->y, 1e-3);

    tools.cancel();
    ASSERT_GT(terrainHeightAt(150), 10);
    pressAt({150, terrainHeightAt(150) + 3, 20});
    EXPECT_EQ(standing, selection.selected());
}

}  // namespace
