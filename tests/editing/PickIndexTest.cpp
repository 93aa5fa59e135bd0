#include "tests/editing/EditingScene.h"

#include "document/Commands.h"
#include "scene/ItemGrid.h"

#include <OgreCamera.h>
#include <OgreRenderQueue.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSceneQuery.h>

#include <algorithm>
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
}

TEST_F(PickIndexTest, PicksThroughTheIndexGiveTheFullQuerysAnswers)
{
    crowd(document);
    struct View {
        Ogre::Vector3 from, to;
    };
    // Looking down, low and level across the whole scene, from outside the
    // terrain, straight down, and from underneath.
    const View views[] = {{{0, 120, 120}, {0, 0, 0}},     {{-150, 6, 30}, {150, 2, 10}}, {{260, 40, -220}, {0, 0, 0}},
                          {{10, 200, 10.5f}, {10, 0, 10}}, {{12, 80, 12}, {12, 0, 12.01f}}, {{0, -30, 0}, {40, 5, 40}}};
    std::size_t compared = 0, withSeveralItems = 0, withTies = 0;
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
                for (const PickHit& hit : full)
                    items += hit.item.has_value();
                withSeveralItems += items >= 2;
                withTies += describe(full).find("item 10; item 8; item 9;") != std::string::npos;
            }
    }
    EXPECT_EQ(6u * 31 * 41, compared);
    // The comparison meant something: many rays meet several items, and some
    // meet the three objects standing in one place at the same distance.
    EXPECT_GT(withSeveralItems, 300u);
    EXPECT_GT(withTies, 0u);
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

namespace {

// Notes the objects the scene manager looks at for a camera, and keeps them
// out of the render queue (a headless engine has nothing to draw them with).
struct Considered : Ogre::MovableObject::Listener {
    std::vector<const Ogre::MovableObject*> objects;
    bool objectRendering(const Ogre::MovableObject* object, const Ogre::Camera*) override
    {
        objects.push_back(object);
        return false;
    }
    void listenTo(Ogre::SceneManager& sceneManager, Ogre::MovableObject::Listener* listener)
    {
        for (const char* type : {"Entity", "ManualObject"})
            for (const auto& [name, object] : sceneManager.getMovableObjects(type))
                object->setListener(listener);
    }
};

using DrawingTest = EditingScene;

TEST_F(DrawingTest, AViewConsidersOnlyAboutTheNearestItemsInsideItsRange)
{
    // A lattice of 3,721 objects, one every 6 units over the whole terrain.
    std::vector<Item> items;
    for (int x = -180; x <= 180; x += 6)
        for (int z = -180; z <= 180; z += 6)
            items.push_back(makeObject(static_cast<ItemId>(items.size()), "kup.mesh", static_cast<float>(x),
                                       static_cast<float>(z)));
    document.replaceAll(items, "");
    Considered considered;
    considered.listenTo(sceneManager, &considered);

    camera.setPosition(0, 10, 170);
    camera.lookAt(0, 0, 0);
    // As a frame does before it looks for what to draw.
    sceneManager.getRootSceneNode()->_update(true, false);
    Ogre::VisibleObjectsBoundsInfo bounds;
    sceneManager.getRenderQueue()->clear();
    sceneManager._findVisibleObjects(&camera, &bounds, false);

    std::set<ItemId> seen;
    for (const Ogre::MovableObject* object : considered.objects)
        if (const auto id = mirror.itemOf(object))
            seen.insert(*id);
    // Far fewer than the items in view; the budget counts whole cells of the
    // view's edge, so fewer than it may be in view.
    std::size_t inView = 0;
    for (const Item& item : document.items())
        inView += camera.isVisible(Ogre::AxisAlignedBox(item.x - 1, -0.5f, item.z - 1, item.x + 1, 0.5f, item.z + 1));
    EXPECT_GT(inView, 1500u);
    EXPECT_GT(seen.size(), 50u);
    EXPECT_LT(seen.size(), SceneMirror::drawBudget);
    // The items right in front are among them; those behind the camera are not.
    for (const Item& item : document.items()) {
        const Ogre::Vector3 at(item.x, 0, item.z);
        const float distance = at.distance(camera.getPosition());
        if (distance < 40 && camera.isVisible(at)) {
            EXPECT_TRUE(seen.count(item.id)) << "item at " << at << " in view";
        }
        if (item.z > 175) {
            EXPECT_FALSE(seen.count(item.id)) << "item at " << at << " behind the camera";
        }
    }

    // The selected item is drawn however far off it is.
    const auto far = std::find_if(document.items().begin(), document.items().end(),
                                  [](const Item& item) { return item.x == 0 && item.z == -180; });
    ASSERT_NE(document.items().end(), far);
    EXPECT_FALSE(seen.count(far->id));
    selection.select(far->id);
    considered.objects.clear();
    sceneManager.getRenderQueue()->clear();
    sceneManager._findVisibleObjects(&camera, &bounds, false);
    std::size_t times = 0;
    for (const Ogre::MovableObject* object : considered.objects)
        times += mirror.itemOf(object) == far->id;
    EXPECT_EQ(1u, times);
    considered.listenTo(sceneManager, nullptr);
}

TEST(ItemGridNearest, RingsNearestFirstUntilTheBudgetWithinTheReach)
{
    ItemGrid grid(10);
    std::vector<int> payloads(41 * 41);
    for (int x = -20; x <= 20; ++x)
        for (int z = -20; z <= 20; ++z) {
            const int slot = (x + 20) * 41 + (z + 20);
            payloads[slot] = std::max(std::abs(x), std::abs(z));  // the ring of the cell
            grid.insert(slot, Ogre::AxisAlignedBox(x * 10 + 4.f, 0, z * 10 + 4.f, x * 10 + 6.f, 1, z * 10 + 6.f),
                        &payloads[slot]);
        }
    const auto all = [](const Ogre::AxisAlignedBox&) { return true; };
    std::vector<void*> found;
    grid.nearest(5, 5, 1000, 10, all, found);
    // Rings 0 and 1 make 9 items; ring 2 completes past the budget of 10.
    ASSERT_EQ(25u, found.size());
    for (void* payload : found)
        EXPECT_LE(*static_cast<int*>(payload), 2);

    found.clear();
    grid.nearest(5, 5, 30, 100000, all, found);
    EXPECT_EQ(49u, found.size());  // the reach ends the rings: 3 rings, 7 x 7 cells

    // Only the cells the caller wants: those east of x = 0.
    found.clear();
    grid.nearest(5, 5, 30, 100000, [](const Ogre::AxisAlignedBox& cell) { return cell.getMinimum().x >= 0; }, found);
    EXPECT_EQ(28u, found.size());
}

}  // namespace
