#include "tests/editing/EditingScene.h"

#include "document/Commands.h"
#include "scene/ItemGrid.h"
#include "scene/SolidBoxes.h"
#include "scene/ViewCover.h"

#include <OgreCamera.h>
#include <OgreManualObject.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

namespace {

using DrawingTest = EditingScene;

std::string add(Document& document, const Item& item) { return document.execute(std::make_unique<AddItem>(item)); }

// A lattice of 3,721 standing boxes (2 x 4 x 2), one every 6 units over the whole terrain.
std::vector<Item> lattice()
{
    std::vector<Item> items;
    for (int x = -180; x <= 180; x += 6)
        for (int z = -180; z <= 180; z += 6)
            items.push_back(makeObject(static_cast<ItemId>(items.size()), "testadam.mesh", static_cast<float>(x),
                                       static_cast<float>(z)));
    return items;
}

// The box of a standing box item where the mirror places it (on the terrain).
Ogre::AxisAlignedBox boxOf(const SceneMirror& mirror, const Item& item)
{
    const Placement& placed = *mirror.placement(item.id);
    Ogre::AxisAlignedBox box(-1, 0, -1, 1, 4, 1);
    box.transform(Ogre::Affine3(placed.position, placed.orientation, placed.scale));
    return box;
}

struct Pose {
    Ogre::Vector3 from, to;
};

// Low along the lattice's rows, where the near boxes hide most of the far
// ones, from above, where nothing is hidden, and from a corner.
const Pose poses[] = {{{0, 2, 190}, {0, 2, -200}}, {{3, 3, 185}, {-40, 0, 0}}, {{0, 120, 120}, {0, 0, 0}},
                      {{-190, 6, -190}, {0, 0, 0}}};

TEST_F(DrawingTest, EveryItemInViewWithin150UnitsIsDrawnAndNoItemOutOfView)
{
    document.replaceAll(lattice(), "");
    for (const Pose& pose : poses) {
        camera.setPosition(pose.from);
        camera.lookAt(pose.to);
        drawFrame();
        const std::set<ItemId> drawnOnce(drawn.begin(), drawn.end());
        EXPECT_EQ(drawn.size(), drawnOnce.size()) << "each once, from " << pose.from;
        std::size_t near = 0;
        for (const Item& item : document.items()) {
            const Ogre::AxisAlignedBox box = boxOf(mirror, item);
            const bool inView = camera.isVisible(box);
            if (inView && box.distance(pose.from) <= 150) {
                ++near;
                EXPECT_TRUE(drawnOnce.count(item.id)) << "item at " << item.x << ", " << item.z << " from " << pose.from;
            }
            if (!inView) {
                EXPECT_FALSE(drawnOnce.count(item.id)) << "item at " << item.x << ", " << item.z << " from " << pose.from;
            }
        }
        EXPECT_GT(near, 100u) << pose.from;
    }
}

// A camera with no viewport draws a picture 512 pixels high: its field of
// view is set so that the box item standing at the origin, seen from
// (0, 2, distance), spans the given pixels across its bounding sphere.
void seeOneItemAcross(Ogre::Camera& camera, float distance, float pixels)
{
    const float radius = Ogre::MeshManager::getSingleton().getByName("testadam.mesh")->getBoundingSphereRadius();
    camera.setPosition(0, 2, distance);
    camera.lookAt(0, 2, 0);
    // The eye is 1 unit from the nearest point of the box.
    const float pixelsPerUnit = pixels * (distance - 1) / (2 * radius);
    camera.setFOVy(Ogre::Radian(2 * std::atan(512 / (2 * pixelsPerUnit))));
}

TEST_F(DrawingTest, AFarItemIsDrawnFromTwoPixelsAcrossAndANearOneHoweverSmall)
{
    ASSERT_EQ("", add(document, makeObject(0, "testadam.mesh", 0, 0)));
    seeOneItemAcross(camera, 180, 2.1f);
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{0}, drawn);
    seeOneItemAcross(camera, 180, 1.9f);
    drawFrame();
    EXPECT_TRUE(drawn.empty());
    // Within 150 units it is drawn however small it looks.
    seeOneItemAcross(camera, 140, 0.5f);
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{0}, drawn);
    // Selected, it is drawn at any size.
    seeOneItemAcross(camera, 180, 0.5f);
    selection.select(0);
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{0}, drawn);
}

// Whether anything else stands between the eye and the point: the first box
// the ray to the point meets is another item's, nearer than the point.
bool coveredFrom(const SceneMirror& mirror, const Ogre::Vector3& eye, const Ogre::Vector3& point, ItemId item)
{
    const Ogre::Ray ray(eye, (point - eye).normalisedCopy());
    std::vector<std::pair<ItemId, float>> hits;
    mirror.itemsAlong(ray, hits);
    const float distance = eye.distance(point);
    return std::any_of(hits.begin(), hits.end(), [&](const auto& hit) {
        return hit.first != item && hit.second < distance;
    });
}

TEST_F(DrawingTest, FarItemsLeftOutAreHiddenWhollyBehindNearerOnes)
{
    document.replaceAll(lattice(), "");
    std::size_t leftOut = 0;
    for (const Pose& pose : poses) {
        camera.setPosition(pose.from);
        camera.lookAt(pose.to);
        drawFrame();
        const std::set<ItemId> drawnOnce(drawn.begin(), drawn.end());
        for (const Item& item : document.items()) {
            const Ogre::AxisAlignedBox box = boxOf(mirror, item);
            if (!camera.isVisible(box) || drawnOnce.count(item.id))
                continue;
            ++leftOut;
            // Points all over the box, a little inside its edges.
            const Ogre::Vector3 centre = box.getCenter(), half = box.getHalfSize() * 0.95f;
            for (float dx : {-1.f, 0.f, 1.f})
                for (float dy : {-1.f, 0.f, 1.f})
                    for (float dz : {-1.f, 0.f, 1.f}) {
                        const Ogre::Vector3 point = centre + half * Ogre::Vector3(dx, dy, dz);
                        ASSERT_TRUE(coveredFrom(mirror, pose.from, point, item.id))
                            << "item at " << item.x << ", " << item.z << " seen from " << pose.from << " at " << point;
                    }
        }
    }
    // Seen low along the rows, most of the far boxes are hidden and left out.
    EXPECT_GT(leftOut, 500u);
}

TEST_F(DrawingTest, ItemsComingIntoViewAreDrawnAndThoseLeavingItAreNot)
{
    ASSERT_EQ("", add(document, makeObject(0, "testadam.mesh", -150, -150)));
    ASSERT_EQ("", add(document, makeArea(1, "kup.mesh", 60, 140, 70, 150)));
    camera.setPosition(-150, 30, -100);
    camera.lookAt(-150, 0, -150);
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{0}, drawn);

    camera.setPosition(65, 30, 100);
    camera.lookAt(65, 0, 145);
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{1}, drawn);
    EXPECT_EQ(0u, entityCount());

    // Picks find both all the same, through their boxes.
    const Ogre::Ray down({-150, 50, -150}, Ogre::Vector3::NEGATIVE_UNIT_Y);
    ASSERT_FALSE(picker.pick(down).empty());
    EXPECT_EQ(0, picker.pick(down).front().item);
    EXPECT_EQ(1, picker.pick(Ogre::Ray({65, 50, 145}, Ogre::Vector3::NEGATIVE_UNIT_Y)).front().item);

    // Moved into the view, the object is drawn in the next frame, where it now stands.
    ASSERT_EQ("", document.execute(std::make_unique<ChangeItem>(*document.find(0), movedTo(*document.find(0), 60, 150))));
    drawFrame();
    EXPECT_EQ((std::vector<ItemId>{0, 1}), drawn);
    expectVector({60, 0.1f, 150}, placed(0).position);
    // Moved out of it, it is not.
    ASSERT_EQ("", document.execute(std::make_unique<ChangeItem>(*document.find(0), movedTo(*document.find(0), -150, -150))));
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{1}, drawn);
}

TEST_F(DrawingTest, TheSelectedItemKeepsItsEntityOutOfViewUntilItIsLetGo)
{
    ASSERT_EQ("", add(document, makeObject(0, "testadam.mesh", -150, -150)));
    camera.setPosition(65, 30, 100);
    camera.lookAt(65, 0, 145);
    drawFrame();
    EXPECT_TRUE(drawn.empty());

    // Selected, it is drawn with its box however far it is.
    selection.select(0);
    ASSERT_TRUE(hasOwnEntity(0));
    EXPECT_TRUE(nodeOf(0).getShowBoundingBox());
    drawFrame();
    EXPECT_EQ(std::vector<ItemId>{0}, drawn);

    // Deleted while selected, it leaves nothing behind, nor does the next frame.
    ASSERT_EQ("", document.execute(std::make_unique<RemoveItem>(0)));
    EXPECT_EQ(0u, entityCount());
    EXPECT_EQ(0u, placedNodeCount());
    ASSERT_EQ("", document.undo());
    selection.select(0);
    ASSERT_TRUE(hasOwnEntity(0));

    selection.clear();
    EXPECT_FALSE(boxShown(0));
    EXPECT_EQ(0u, entityCount());
    EXPECT_EQ(0u, placedNodeCount());
    drawFrame();
    EXPECT_TRUE(drawn.empty());
}

TEST_F(DrawingTest, TheGridGivesTheItemsInViewEachOnceAndNoOthers)
{
    ItemGrid grid(10);
    for (int x = -20; x <= 20; ++x)
        for (int z = -20; z <= 20; ++z)
            grid.insert((x + 20) * 41 + (z + 20),
                        Ogre::AxisAlignedBox(x * 10 + 4.f, 0, z * 10 + 4.f, x * 10 + 6.f, 1, z * 10 + 6.f));
    // A long one across many cells, found once.
    const ItemId wide = 41 * 41;
    grid.insert(wide, Ogre::AxisAlignedBox(-150, 0, -1, 150, 1, 1));

    Ogre::Camera& view = camera;
    view.setPosition(5, 3, 5);
    view.lookAt(5, 3, -100);
    std::vector<ItemId> found;
    grid.inView(view, found);
    std::set<ItemId> once(found.begin(), found.end());
    EXPECT_EQ(found.size(), once.size());
    for (ItemId id = 0; id <= wide; ++id) {
        const bool inView = id == wide || view.isVisible(Ogre::AxisAlignedBox(
            (id / 41 - 20) * 10 + 4.f, 0, (id % 41 - 20) * 10 + 4.f, (id / 41 - 20) * 10 + 6.f, 1,
            (id % 41 - 20) * 10 + 6.f));
        EXPECT_EQ(inView, once.count(id) == 1) << id;
    }
}

// What a box hides depends on its depth on every part of the picture: a long
// wall seen along its length hides what lies behind its far end only there.
TEST_F(DrawingTest, AWallHidesWhatLiesBehindItAndNotWhatStandsBeforeItsFarEnd)
{
    camera.setPosition(0, 0, 0);
    camera.lookAt(0, 0, -1);
    ViewCover cover;
    cover.begin(camera);
    const float identity[12] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};
    cover.cover(Ogre::AxisAlignedBox(5, -50, -200, 6, 50, -10), identity);  // to the right, along the view

    const auto at = [](float x, float z) { return Ogre::AxisAlignedBox(x - 0.2f, -1, z - 0.2f, x + 0.2f, 1, z + 0.2f); };
    EXPECT_TRUE(cover.hides(at(10, -100)));    // behind its near part
    EXPECT_TRUE(cover.hides(at(30, -250)));    // behind it and beyond its far end
    EXPECT_FALSE(cover.hides(at(4.4f, -150))); // before its far part, on the same spot of the picture
    EXPECT_FALSE(cover.hides(at(4.5f, -20)));  // before its near part
    EXPECT_FALSE(cover.hides(at(-10, -100)));  // where it does not reach
}

Ogre::MeshPtr boxMesh(const std::string& name, const std::vector<Ogre::AxisAlignedBox>& boxes, bool withTop)
{
    Ogre::ManualObject object("boxes/" + name);
    object.begin("BaseWhiteNoLighting", Ogre::RenderOperation::OT_TRIANGLE_LIST);
    Ogre::uint32 base = 0;
    for (const Ogre::AxisAlignedBox& box : boxes) {
        const Ogre::Vector3 low = box.getMinimum(), high = box.getMaximum();
        for (int corner = 0; corner < 8; ++corner)
            object.position(corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y, corner & 4 ? high.z : low.z);
        // Counter-clockwise seen from outside; the fourth face is the top.
        const int faces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
        for (int face = 0; face < 6; ++face)
            if (face != 3 || withTop)
                object.quad(base + faces[face][0], base + faces[face][1], base + faces[face][2], base + faces[face][3]);
        base += 8;
    }
    object.end();
    return object.convertToMesh(name);
}

TEST_F(DrawingTest, OnlyClosedBoxesFacingOutCountAsHidingWhatLiesBehindThem)
{
    const Ogre::AxisAlignedBox big({0, 0, 0}, {4, 2, 3}), small({5, 0, 0}, {6, 1, 1});
    const std::vector<Ogre::AxisAlignedBox> two = solidBoxesOf(*boxMesh("twoBoxes.mesh", {small, big}, true), 4);
    ASSERT_EQ(2u, two.size());
    EXPECT_EQ(big, two[0]) << "the largest first";
    EXPECT_EQ(small, two[1]);
    EXPECT_EQ(std::vector<Ogre::AxisAlignedBox>{big}, solidBoxesOf(*boxMesh("twoBoxesOneKept.mesh", {small, big}, true), 1));
    // Without its top a box shows what lies inside it.
    EXPECT_TRUE(solidBoxesOf(*boxMesh("openBox.mesh", {big}, false), 4).empty());
    Ogre::MeshManager::getSingleton().remove("twoBoxes.mesh", Ogre::RGN_DEFAULT);
    Ogre::MeshManager::getSingleton().remove("twoBoxesOneKept.mesh", Ogre::RGN_DEFAULT);
    Ogre::MeshManager::getSingleton().remove("openBox.mesh", Ogre::RGN_DEFAULT);
}

}  // namespace
