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

// A lattice of 3,721 objects, one every 6 units over the whole terrain.
std::vector<Item> lattice()
{
    std::vector<Item> items;
    for (int x = -180; x <= 180; x += 6)
        for (int z = -180; z <= 180; z += 6)
            items.push_back(makeObject(static_cast<ItemId>(items.size()), "kup.mesh", static_cast<float>(x),
                                       static_cast<float>(z)));
    return items;
}

TEST_F(DrawingTest, AViewDrawsTheLargestLookingItemsOfItsBudgetAndOnlyThoseHaveEntities)
{
    document.replaceAll(lattice(), "");
    EXPECT_EQ(0u, entityCount()) << "nothing drawn yet";
    camera.setPosition(0, 10, 170);
    camera.lookAt(0, 0, 0);
    drawFrame();

    std::set<ItemId> seen;
    for (Ogre::SceneNode* node : drawn)
        if (const auto id = mirror.itemOf(node->getAttachedObject(0)))
            seen.insert(*id);
    std::size_t inView = 0;
    for (const Item& item : document.items())
        inView += camera.isVisible(Ogre::AxisAlignedBox(item.x - 1, -0.5f, item.z - 1, item.x + 1, 0.5f, item.z + 1));
    EXPECT_GT(inView, 1500u);
    ASSERT_EQ(SceneMirror::drawBudget, drawn.size());
    EXPECT_EQ(drawn.size(), seen.size()) << "each once";
    EXPECT_EQ(SceneMirror::drawBudget, entityCount());
    EXPECT_EQ(SceneMirror::drawBudget, mirror.shownCount());
    // Of boxes all alike, those that look largest are the nearest in view:
    // none left out is nearer than one drawn.
    float farthestDrawn = 0, nearestLeftOut = 1e9f;
    for (const Item& item : document.items()) {
        const Ogre::AxisAlignedBox box(item.x - 1, -0.5f, item.z - 1, item.x + 1, 0.5f, item.z + 1);
        const float distance = box.distance(camera.getPosition());
        if (seen.count(item.id)) {
            EXPECT_TRUE(camera.isVisible(box)) << "item at " << item.x << ", " << item.z;
            farthestDrawn = std::max(farthestDrawn, distance);
        } else if (camera.isVisible(box)) {
            nearestLeftOut = std::min(nearestLeftOut, distance);
        }
    }
    EXPECT_LE(farthestDrawn, nearestLeftOut + 1e-3f);

    // The scene manager draws what the mirror chooses for its camera, and
    // nothing else of the placed items.
    Considered considered;
    considered.listenTo(sceneManager, &considered);
    Ogre::VisibleObjectsBoundsInfo bounds;
    sceneManager.getRenderQueue()->clear();
    sceneManager._findVisibleObjects(&camera, &bounds, false);
    std::set<ItemId> considering;
    for (const Ogre::MovableObject* object : considered.objects)
        if (const auto id = mirror.itemOf(object))
            considering.insert(*id);
    EXPECT_EQ(seen, considering);
    considered.listenTo(sceneManager, nullptr);
}

TEST_F(DrawingTest, ItemsComingIntoViewGetEntitiesAndThoseLeavingItGiveThemBack)
{
    ASSERT_EQ("", add(document, makeObject(0, "testadam.mesh", -150, -150)));
    ASSERT_EQ("", add(document, makeArea(1, "kup.mesh", 60, 140, 70, 150)));
    camera.setPosition(-150, 30, -100);
    camera.lookAt(-150, 0, -150);
    drawFrame();
    ASSERT_TRUE(shownInScene(0));
    EXPECT_FALSE(sceneManager.hasEntity("Human1"));
    expectVector({-150, 0, -150}, nodeOf(0).getPosition());

    // The camera turns to the area: the object's entity and node go.
    camera.setPosition(65, 30, 100);
    camera.lookAt(65, 0, 145);
    drawFrame();
    EXPECT_FALSE(sceneManager.hasEntity("Human0"));
    EXPECT_FALSE(sceneManager.hasSceneNode("Human0Node"));
    ASSERT_TRUE(shownInScene(1));
    expectVector({5, 0.1f, 5}, nodeOf(1).getScale());
    EXPECT_EQ(1u, entityCount());
    EXPECT_EQ(1u, placedNodeCount());

    // Picks find both all the same, through their boxes.
    const Ogre::Ray down({-150, 50, -150}, Ogre::Vector3::NEGATIVE_UNIT_Y);
    ASSERT_FALSE(picker.pick(down).empty());
    EXPECT_EQ(0, picker.pick(down).front().item);
    EXPECT_EQ(1, picker.pick(Ogre::Ray({65, 50, 145}, Ogre::Vector3::NEGATIVE_UNIT_Y)).front().item);

    // Moved into the view, the object gets its entity with the next frame, where it now stands.
    ASSERT_EQ("", document.execute(std::make_unique<ChangeItem>(*document.find(0), movedTo(*document.find(0), 60, 150))));
    EXPECT_FALSE(sceneManager.hasEntity("Human0"));
    drawFrame();
    ASSERT_TRUE(shownInScene(0));
    expectVector({60, 0.1f, 150}, nodeOf(0).getPosition());
    // Moved out of it, it gives the entity back.
    ASSERT_EQ("", document.execute(std::make_unique<ChangeItem>(*document.find(0), movedTo(*document.find(0), -150, -150))));
    drawFrame();
    EXPECT_FALSE(sceneManager.hasEntity("Human0"));
    EXPECT_EQ(1u, entityCount());
}

TEST_F(DrawingTest, TheSelectedItemKeepsItsEntityOutOfViewUntilItIsLetGo)
{
    ASSERT_EQ("", add(document, makeObject(0, "testadam.mesh", -150, -150)));
    camera.setPosition(65, 30, 100);
    camera.lookAt(65, 0, 145);
    drawFrame();
    EXPECT_EQ(0u, entityCount());

    // Selected, it is drawn with its box however far it is.
    selection.select(0);
    ASSERT_TRUE(shownInScene(0));
    EXPECT_TRUE(nodeOf(0).getShowBoundingBox());
    drawFrame();
    ASSERT_EQ(1u, drawn.size());
    EXPECT_EQ(&nodeOf(0), drawn.front());

    // Deleted while selected, it leaves nothing behind, nor does the next frame.
    ASSERT_EQ("", document.execute(std::make_unique<RemoveItem>(0)));
    EXPECT_EQ(0u, entityCount());
    EXPECT_EQ(0u, placedNodeCount());
    ASSERT_EQ("", document.undo());
    selection.select(0);
    ASSERT_TRUE(shownInScene(0));

    selection.clear();
    EXPECT_FALSE(nodeOf(0).getShowBoundingBox());
    drawFrame();
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(0u, entityCount());
    EXPECT_EQ(0u, placedNodeCount());
}

TEST(ItemGridMostVisible, TheBudgetLargestLookingItemsInTheWantedCellsWithinTheReach)
{
    ItemGrid grid(10);
    std::vector<int> payloads(41 * 41 + 1);
    for (int x = -20; x <= 20; ++x)
        for (int z = -20; z <= 20; ++z) {
            const int slot = (x + 20) * 41 + (z + 20);
            payloads[slot] = slot;
            grid.insert(slot, Ogre::AxisAlignedBox(x * 10 + 4.f, 0, z * 10 + 4.f, x * 10 + 6.f, 1, z * 10 + 6.f),
                        &payloads[slot]);
        }
    // The eye stands among the small boxes, at their height: how large they
    // look goes with their distance over the ground.
    const Ogre::Vector3 eye(5, 0.5f, 5);
    const auto distance = [](void* payload) {
        const int slot = *static_cast<int*>(payload);
        const float x = (slot / 41 - 20) * 10 + 5.f, z = (slot % 41 - 20) * 10 + 5.f;
        return std::max(Ogre::Vector2(x, z).distance({5, 5}) - 1, 0.f);
    };
    const auto all = [](const Ogre::AxisAlignedBox&) { return true; };
    std::vector<void*> found;
    grid.mostVisible(eye, 1000, 13, all, found);
    // The item of the cell, its 4 neighbours 9 away, 4 diagonal ones 13 away and the 4 two cells off, 19 away.
    ASSERT_EQ(13u, found.size());
    for (void* payload : found)
        EXPECT_LE(distance(payload), 20.f);

    found.clear();
    grid.mostVisible(eye, 30, 100000, all, found);
    EXPECT_EQ(29u, found.size());  // the items whose boxes are within 30: a circle, not a square
    for (void* payload : found)
        EXPECT_LE(distance(payload), 30.f);

    // Only the cells the caller wants: those east of x = 0; then only the items north of z = 0.
    found.clear();
    grid.mostVisible(eye, 30, 100000, [](const Ogre::AxisAlignedBox& box) { return box.getMinimum().x >= 0; }, found);
    EXPECT_EQ(18u, found.size());
    found.clear();
    grid.mostVisible(eye, 30, 100000, [](const Ogre::AxisAlignedBox& box) { return box.getMaximum().z <= 0 || box.getSize().x > 2; }, found);
    for (void* payload : found)
        EXPECT_LT((*static_cast<int*>(payload)) % 41 - 20, 0);
    EXPECT_EQ(11u, found.size());

    // A box of side 20 about 140 away looks larger than the small ones 19
    // away, smaller than those 13 away: it comes tenth, before them.
    const int big = 41 * 41;
    payloads[big] = big;
    grid.insert(big, Ogre::AxisAlignedBox(-150, 0, -10, -130, 20, 10), &payloads[big]);
    found.clear();
    grid.mostVisible(eye, 1000, 10, all, found);
    ASSERT_EQ(10u, found.size());
    EXPECT_NE(found.end(), std::find(found.begin(), found.end(), &payloads[big]));
    for (void* payload : found) {
        if (payload != &payloads[big]) {
            EXPECT_LE(distance(payload), 14.f);
        }
    }
    found.clear();
    grid.mostVisible(eye, 1000, 9, all, found);
    EXPECT_EQ(found.end(), std::find(found.begin(), found.end(), &payloads[big]));
}

}  // namespace
