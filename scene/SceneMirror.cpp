#include "scene/SceneMirror.h"

#include "document/Document.h"
#include "scene/InstancedMaterials.h"
#include "scene/SolidBoxes.h"
#include "scene/terrain/TerrainSceneManager.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMaterial.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

#include <algorithm>
#include <cmath>

namespace {

// Of each mesh, the largest of its solid boxes that hide what lies behind items.
constexpr std::size_t solidBoxesPerMesh = 4;

}  // namespace

void placeNode(Ogre::SceneNode& node, const Placement& placement)
{
    node.setOrientation(placement.orientation);
    node.setScale(placement.scale);
    node.setPosition(placement.position);
}

const Heightfield* groundOf(const Ogre::SceneManager& sceneManager)
{
    const auto* terrain = dynamic_cast<const TerrainSceneManager*>(&sceneManager);
    return terrain ? terrain->heightfield() : nullptr;
}

SceneMirror::SceneMirror(Ogre::SceneManager& sceneManager, Document& document)
    : sceneManager(sceneManager), document(document),
      parent(sceneManager.getRootSceneNode()->createChildSceneNode("placedItems")),
      batched(std::make_unique<ItemBatches>(
          [this](const Ogre::Camera& camera, std::vector<ItemBatches::Copy>& copies) { copiesFor(camera, copies); },
          solidItemQueue))
{
    orderPassesByMaterialName();
    batched->_notifyManager(&sceneManager);
    parent->attachObject(batched.get());
    allReplaced();
    document.addObserver(this);
}

SceneMirror::~SceneMirror()
{
    document.removeObserver(this);
    destroyAll();
    parent->detachObject(batched.get());
    sceneManager.destroySceneNode(parent);
}

std::optional<ItemId> SceneMirror::itemOf(const Ogre::MovableObject* object) const
{
    const auto found = owners.find(object);
    if (found == owners.end())
        return std::nullopt;
    return found->second;
}

Ogre::SceneNode* SceneMirror::nodeOf(ItemId id) const
{
    const auto found = items.find(id);
    return found == items.end() ? nullptr : found->second.node;
}

const Placement* SceneMirror::placement(ItemId id) const
{
    const auto found = items.find(id);
    return found == items.end() ? nullptr : &found->second.placement;
}

std::optional<Ogre::Vector3> SceneMirror::positionOf(ItemId id) const
{
    if (const Placement* where = placement(id))
        return where->position;
    return std::nullopt;
}

void SceneMirror::highlight(ItemId id, bool on)
{
    const auto found = items.find(id);
    if (found == items.end())
        return;
    if (on)
        show(found->second);
    else
        unshow(found->second);
}

void SceneMirror::itemAdded(const Item& item) { build(item); }

void SceneMirror::itemChanged(const Item&, const Item& after)
{
    const auto found = items.find(after.id);
    if (found == items.end())
        return;
    Placed& placed = found->second;
    const Mesh& mesh = meshOf(after.mesh);
    if (&mesh != placed.mesh && placed.entity) {
        unshow(placed);
        placed.mesh = &mesh;
        show(placed);
    }
    placed.mesh = &mesh;
    place(placed, after);
}

void SceneMirror::itemRemoved(const Item& item)
{
    const auto found = items.find(item.id);
    if (found == items.end())
        return;
    unshow(found->second);
    index.remove(item.id);
    items.erase(found);
}

void SceneMirror::allReplaced()
{
    destroyAll();
    items.reserve(document.items().size());
    for (const Item& item : document.items())
        build(item);
}

const SceneMirror::Mesh& SceneMirror::meshOf(const std::string& file)
{
    Mesh& mesh = meshes[file];
    if (!mesh.mesh) {
        mesh.mesh = Ogre::MeshManager::getSingleton().load(file, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
        mesh.shape = batched->shape(mesh.mesh);
        mesh.solid = solidBoxesOf(*mesh.mesh, solidBoxesPerMesh);
        for (const Ogre::AxisAlignedBox& box : mesh.solid)
            mesh.solidSizes.push_back(box.getSize().length());
    }
    return mesh;
}

void SceneMirror::build(const Item& item)
{
    Placed& placed = items[item.id];
    placed = Placed{};
    placed.id = item.id;
    placed.mesh = &meshOf(item.mesh);
    place(placed, item);
}

void SceneMirror::place(Placed& placed, const Item& item)
{
    placed.placement = placementOf(item, groundOf(sceneManager));
    const Placement& where = placed.placement;
    // The turn as a node holds it, normalised: batched copies, the item's own
    // entity and its box then stand on the very same spot.
    Ogre::Quaternion turn = where.orientation;
    turn.normalise();
    const Ogre::Affine3 transform(where.position, turn, where.scale);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            placed.rows[row * 4 + column] = transform[row][column];
    placed.scale = std::max({std::abs(where.scale.x), std::abs(where.scale.y), std::abs(where.scale.z)});
    placed.radius = placed.mesh->mesh->getBoundingSphereRadius() * placed.scale;
    if (placed.node)
        placeNode(*placed.node, where);
    // The box an entity of the mesh gets on a node placed so: the node's full
    // transform is built from the same position, scale and turn, so the box is
    // the very one the engine would test.
    placed.box = placed.mesh->mesh->getBounds();
    placed.box.transform(transform);
    index.insert(placed.id, placed.box);
}

void SceneMirror::show(Placed& placed)
{
    if (placed.entity)
        return;
    const std::string name = "Human" + std::to_string(placed.id);
    Ogre::Entity* entity = sceneManager.createEntity(name, placed.mesh->mesh);
    entity->setQueryFlags(placedItemFlag);
    // Solid parts are drawn before the terrain: the ground they hide is then
    // never shaded, and the picture is the same, the depth test deciding. The
    // translucent ones (blue areas) must blend over the terrain, after it.
    for (Ogre::SubEntity* part : entity->getSubEntities())
        if (!part->getMaterial()->isTransparent())
            part->setRenderQueueGroup(solidItemQueue);
    Ogre::SceneNode* node = parent->createChildSceneNode(name + "Node");
    node->attachObject(entity);
    placeNode(*node, placed.placement);
    node->showBoundingBox(true);
    placed.node = node;
    placed.entity = entity;
    owners.emplace(entity, placed.id);
    ++withEntity;
}

void SceneMirror::unshow(Placed& placed)
{
    if (!placed.entity)
        return;
    owners.erase(placed.entity);
    sceneManager.destroyEntity(placed.entity);
    parent->removeAndDestroyChild(placed.node);
    placed.entity = nullptr;
    placed.node = nullptr;
    --withEntity;
}

void SceneMirror::itemsAlong(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const
{
    index.hitsAlongRay(ray, hits);
}

const std::vector<const SceneMirror::Placed*>& SceneMirror::batchedFor(const Ogre::Camera& camera) const
{
    inView.clear();
    index.inView(camera, inView);
    const Ogre::Vector3& eye = camera.getDerivedPosition();
    nearestFirst.clear();
    for (ItemId id : inView) {
        const Placed& placed = items.find(id)->second;
        nearestFirst.emplace_back(placed.box.squaredDistance(eye), &placed);
    }
    std::sort(nearestFirst.begin(), nearestFirst.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    // A cell of the cover spans this many units at a distance of one unit.
    const float cellSpan = 2 * std::tan(camera.getFOVy().valueRadians() / 2) / ViewCover::cells;
    cover.begin(camera);
    batchedNow.clear();
    // Below this diameter at a distance of one unit an item spans fewer pixels
    // than the smallest drawn (its bounding sphere seen from the nearest point of its box).
    const float smallest = smallestDrawnPixels / ItemBatches::pixelsPerUnit(camera);
    for (const auto& [squaredDistance, placed] : nearestFirst) {
        const float distance = std::sqrt(squaredDistance);
        if (distance > alwaysDrawnWithin && (2 * placed->radius < smallest * distance || cover.hides(placed->box)))
            continue;
        // The highlighted ones are drawn by their entities.
        if (!placed->entity)
            batchedNow.push_back(placed);
        // Boxes too small to cover a cell whole cover none.
        for (std::size_t i = 0; i < placed->mesh->solid.size(); ++i)
            if (placed->mesh->solidSizes[i] * placed->scale > cellSpan * distance)
                cover.cover(placed->mesh->solid[i], placed->rows);
    }
    // In the order of the document, as entities of the items would be drawn:
    // where two items' faces meet at the very same depth the later one shows.
    std::sort(batchedNow.begin(), batchedNow.end(), [](const Placed* a, const Placed* b) { return a->id < b->id; });
    return batchedNow;
}

void SceneMirror::copiesFor(const Ogre::Camera& camera, std::vector<ItemBatches::Copy>& copies) const
{
    for (const Placed* placed : batchedFor(camera))
        copies.push_back(ItemBatches::Copy{placed->mesh->shape, placed->rows, placed->radius});
}

void SceneMirror::drawnFor(const Ogre::Camera& camera, std::vector<ItemId>& drawn) const
{
    for (const Placed* placed : batchedFor(camera))
        drawn.push_back(placed->id);
    for (const auto& [entity, id] : owners)
        drawn.push_back(id);
}

void SceneMirror::destroyAll()
{
    for (auto& [id, placed] : items)
        if (placed.entity)
            sceneManager.destroyEntity(placed.entity);
    parent->removeAndDestroyAllChildren();
    withEntity = 0;
    owners.clear();
    items.clear();
    index.clear();
}
