#include "tests/editing/EditingScene.h"

#include "document/Commands.h"
#include "scene/ItemGrid.h"

#include <OgreCamera.h>
#include <OgreRenderQueue.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSceneQuery.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <sstream>

namespace {

using PickIndexTest = EditingScene;

std::string add(Document& document, const Item& item) { return document.execute(std::make_unique<AddItem>(item)); }

std::string describe(const std::vector<PickHit>& hits)
{
    std::ostringstream text;
    for (const PickHit& hit : hits) {
        if (hit.item)
            text << "item " << *hit.item << "; ";
        if (hit.ground)
            text << "ground " << *hit.ground << "; ";
    }
    return text.str();
}

// What the scene's own ray query reports for placed items and the terrain, in
// its order: it tests every object in the scene against the ray.
std::vector<PickHit> fullQuery(Ogre::SceneManager& sceneManager, const SceneMirror& mirror, const Ogre::Ray& ray)
{
    Ogre::RaySceneQuery* query = sceneManager.createRayQuery(ray, SceneMirror::placedItemFlag);
    query->setSortByDistance(true, 0);
    std::vector<PickHit> hits;
    for (const Ogre::RaySceneQueryResultEntry& entry : query->execute()) {
        PickHit hit;
        if (entry.worldFragment)
            hit.ground = entry.worldFragment->singleIntersection;
        else if (entry.movable)
            hit.item = mirror.itemOf(entry.movable);
        if (hit.item || hit.ground)
            hits.push_back(hit);
    }
    sceneManager.destroyQuery(query);
    return hits;
}

bool same(const std::vector<PickHit>& a, const std::vector<PickHit>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].item != b[i].item || a[i].ground.has_value() != b[i].ground.has_value())
            return false;
        if (a[i].ground && !a[i].ground->positionEquals(*b[i].ground, 1e-4f))
            return false;
    }
    return true;
}

std::optional<ItemId> firstItem(const std::vector<PickHit>& hits)
{
    for (const PickHit& hit : hits)
        if (hit.item)
            return hit.item;
    return std::nullopt;
}

// A crowded scene: objects standing in and on each other, areas under them and
// over each other, roads across the areas, items on the slope, items on the
// borders of the index's cells and areas spanning many of them.
void crowd(Document& document)
{
    ItemId id = 0;
    const auto put = [&](Item item) { ASSERT_EQ("", add(document, item)) << item.mesh; };
    put(makeObject(id++, "testadam.mesh", 11, 10));
    put(makeObject(id++, "kup.mesh", 10, 12));
    put(makeArea(id++, "kup.mesh", 0, 0, 30, 20));
    put(makeArea(id++, "kup.mesh", 5, 5, 15, 15));
    put(makeArea(id++, "kup.mesh", -90, -70, 90, 60));  // across many cells
    put(makeRoad(id++, "yol.mesh", -40, 12, 40, 12));
    put(makeRoad(id++, "yol.mesh", 12, -40, 12, 40));
    put(makeRoad(id++, "yol.mesh", 12, 40, 12, -40));
    // Three in one place, 8, 9 and 10: met at the same distance, they come in
    // the order of their engine names, "Human10" first.
    for (int i = 0; i < 3; ++i)
        put(makeObject(id++, "testadam.mesh", 10, 10));
    for (int x = -96; x <= 96; x += 32)  // on cell borders
        for (int z = -64; z <= 64; z += 32) {
            put(makeObject(id++, "testadam.mesh", static_cast<float>(x), static_cast<float>(z)));
            put(makeObject(id++, "kup.mesh", x + 0.5f, z - 0.5f));
        }
    for (int x = 110; x <= 190; x += 20)  // on the slope, above and under the ground
        put(makeObject(id++, "testadam.mesh", static_cast<float>(x), -20));
    for (int i = 0; i < 40; ++i)
        put(makeObject(id++, i % 2 ? "kup.mesh" : "testadam.mesh", static_cast<float>((i * 37) % 180 - 90),
                       static_cast<float>((i * 53) % 140 - 70)));
    // Turned objects (long ones, whose boxes turning changes most) and roads at
    // every angle, on the flat and on the slope.
    for (int i = 0; i < 24; ++i) {
        Item turned = makeObject(id++, i % 3 ? "yol.mesh" : "testadam.mesh", static_cast<float>((i * 41) % 300 - 150),
                                 static_cast<float>((i * 29) % 160 - 80));
        turned.turn = (i * 37) % 360;
        put(turned);
        const float angle = i * 15 * Ogre::Math::fDeg2Rad;
        const float x = static_cast<float>((i * 23) % 280 - 140), z = static_cast<float>((i * 31) % 120 - 60);
        put(makeRoad(id++, "yol.mesh", x, z, std::round(x + 30 * std::cos(angle)), std::round(z + 30 * std::sin(angle))));
    }
}

TEST_F(PickIndexTest, PicksThroughTheIndexGiveTheFullQuerysAnswers)
{
    crowd(document);
    // Highlighted, every item has its entity wherever the camera looks: the
    // scene query then sees them all, with the boxes the engine works out.
    for (const Item& item : document.items())
        mirror.highlight(item.id, true);
    ASSERT_EQ(document.items().size(), entityCount());
    struct View {
        Ogre::Vector3 from, to;
    };
    // Looking down, low and level across the whole scene, from outside the
    // terrain, straight down, and from underneath.
    const View views[] = {{{0, 120, 120}, {0, 0, 0}},     {{-150, 6, 30}, {150, 2, 10}}, {{260, 40, -220}, {0, 0, 0}},
                          {{10, 200, 10.5f}, {10, 0, 10}}, {{12, 80, 12}, {12, 0, 12.01f}}, {{0, -30, 0}, {40, 5, 40}}};
    std::set<ItemId> turnedOrAngled;
    for (const Item& item : document.items())
        if (item.turn != 0 || (item.kind == ItemKind::Road && item.x1 != item.x2 && item.z1 != item.z2))
            turnedOrAngled.insert(item.id);
    std::size_t compared = 0, withSeveralItems = 0, withTies = 0, withTurned = 0;
    for (const View& view : views) {
        camera.setPosition(view.from);
        camera.lookAt(view.to);
        for (int row = 0; row <= 30; ++row)
            for (int column = 0; column <= 40; ++column) {
                const ViewPoint at{column / 40.0f, row / 30.0f};
                const std::vector<PickHit> indexed = picker.pick(at);
                const std::vector<PickHit> full = fullQuery(sceneManager, mirror, camera.getCameraToViewportRay(at.x, at.y));
                ASSERT_TRUE(same(full, indexed)) << "camera at " << view.from << ", view point " << at.x << ", "
                                                 << at.y << "\nfull query: " << describe(full)
                                                 << "\nindex:      " << describe(indexed);
                ++compared;
                std::size_t items = 0;
                bool turnedHit = false;
                for (const PickHit& hit : full) {
                    items += hit.item.has_value();
                    turnedHit = turnedHit || (hit.item && turnedOrAngled.count(*hit.item));
                }
                withTurned += turnedHit;
                withSeveralItems += items >= 2;
                withTies += describe(full).find("item 10; item 8; item 9;") != std::string::npos;
            }
    }
    EXPECT_EQ(6u * 31 * 41, compared);
    // The comparison meant something: many rays meet several items, and some
    // meet the three objects standing in one place at the same distance.
    EXPECT_GT(withSeveralItems, 300u);
    EXPECT_GT(withTies, 0u);
    // ... and many meet turned objects and roads at an angle.
    EXPECT_GT(withTurned, 300u);
}

TEST_F(PickIndexTest, EachEditShowsInTheNextPick)
{
    // No scene-graph update between the edits and the picks: the index follows
    // the document by itself.
    const Ogre::Vector3 first(30, 2, 20), second(-40, 2, -10);
    tools.beginObjectPlacement("testadam");
    tools.press(viewOf(gridPoint(30, 20)));
    const ItemId placed = lastItem().id;
    EXPECT_EQ(placed, firstItem(picker.pick(viewOf(first))));

    // Selected, it moves to the ground pressed next.
    tools.press(viewOf(gridPoint(-40, -10)));
    ASSERT_EQ(-40, lastItem().x);
    EXPECT_EQ(std::nullopt, firstItem(picker.pick(viewOf(first))));
    EXPECT_EQ(placed, firstItem(picker.pick(viewOf(second))));

    ASSERT_TRUE(tools.deleteSelected());
    EXPECT_EQ(std::nullopt, firstItem(picker.pick(viewOf(second))));

    ASSERT_EQ("", document.undo());
    EXPECT_EQ(placed, firstItem(picker.pick(viewOf(second))));
    ASSERT_EQ("", document.undo());
    EXPECT_EQ(placed, firstItem(picker.pick(viewOf(first))));
    EXPECT_EQ(std::nullopt, firstItem(picker.pick(viewOf(second))));
    ASSERT_EQ("", document.undo());
    EXPECT_EQ(std::nullopt, firstItem(picker.pick(viewOf(first))));
    ASSERT_EQ("", document.redo());
    EXPECT_EQ(placed, firstItem(picker.pick(viewOf(first))));

    // New and Open replace everything at once.
    document.replaceAll({makeArea(50, "kup.mesh", -50, -20, -30, 0)}, "");
    EXPECT_EQ(std::nullopt, firstItem(picker.pick(viewOf(first))));
    EXPECT_EQ(50, firstItem(picker.pick(viewOf({-40, 1, -10}))));
    EXPECT_EQ(1u, mirror.grid().size());
}

TEST(ItemGrid, FindsEachItemOnceAlongARayAndForgetsRemovedOnes)
{
    ItemGrid grid(10);
    grid.insert(1, Ogre::AxisAlignedBox({-35, 0, -1}, {35, 1, 1}));  // across seven cells
    grid.insert(2, Ogre::AxisAlignedBox({52, 0, 52}, {54, 1, 54}));
    grid.insert(3, Ogre::AxisAlignedBox({-5, 0, 40}, {-4, 1, 41}));
    std::vector<ItemId> found;
    grid.alongRay(Ogre::Ray({-100, 5, 0}, {1, 0, 0}), found);
    EXPECT_EQ(std::vector<ItemId>{1}, found);

    // Diagonal, through the corner points of the cells.
    found.clear();
    grid.alongRay(Ogre::Ray({0, 5, 0}, {1, -0.01f, 1}), found);
    std::sort(found.begin(), found.end());
    EXPECT_EQ((std::vector<ItemId>{1, 2}), found);

    // Away from every item, from beyond them.
    found.clear();
    grid.alongRay(Ogre::Ray({70, 5, 70}, {1, 0, 1}), found);
    EXPECT_TRUE(found.empty());

    // Moved: found in its new cells only.
    grid.insert(2, Ogre::AxisAlignedBox({-6, 0, 30}, {-3, 1, 31}));
    found.clear();
    grid.alongRay(Ogre::Ray({-4.5f, 50, 100}, {0, 0, -1}), found);
    std::sort(found.begin(), found.end());
    EXPECT_EQ((std::vector<ItemId>{1, 2, 3}), found);
    found.clear();
    grid.alongRay(Ogre::Ray({53, 50, 53}, {0, -1, 0}), found);
    EXPECT_TRUE(found.empty()) << found.size() << " found, the first " << found.front();

    grid.remove(1);
    found.clear();
    grid.inRectangle(-100, -100, 100, 100, found);
    std::sort(found.begin(), found.end());
    EXPECT_EQ((std::vector<ItemId>{2, 3}), found);
    grid.clear();
    found.clear();
    grid.inRectangle(-100, -100, 100, 100, found);
    EXPECT_TRUE(found.empty());
}

}  // namespace
