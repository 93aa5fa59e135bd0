#include "scene/SceneMirror.h"

#include "document/Document.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreMaterial.h>

#include <algorithm>

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
      terrain(dynamic_cast<TerrainSceneManager*>(&sceneManager))
{
    allReplaced();
    document.addObserver(this);
    if (terrain)
        terrain->chooseChildren(parent, this);
}

SceneMirror::~SceneMirror()
{
    if (terrain)
        terrain->chooseChildren(parent, nullptr);
    document.removeObserver(this);
    destroyAll();
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

std::optional<Ogre::Vector3> SceneMirror::positionOf(ItemId id) const
{
    const auto found = items.find(id);
    if (found == items.end())
        return std::nullopt;
    return found->second.placement.position;
}

void SceneMirror::highlight(ItemId id, bool on)
{
    const auto found = items.find(id);
    if (found == items.end())
        return;
    Placed& placed = found->second;
    placed.highlighted = on;
    if (on)
        show(placed);
    // Without its box, the next view decides whether it keeps its entity.
    if (placed.node)
        placed.node->showBoundingBox(on);
}

void SceneMirror::itemAdded(const Item& item) { build(item); }

void SceneMirror::itemChanged(const Item&, const Item& after)
{
    const auto found = items.find(after.id);
    if (found == items.end())
        return;
    Placed& placed = found->second;
    const Ogre::MeshPtr& mesh = meshOf(after.mesh);
    placed.placement = placementOf(after, groundOf(sceneManager));
    if (&mesh != placed.mesh && placed.entity) {
        unshow(placed);
        placed.mesh = &mesh;
        show(placed);
    }
    placed.mesh = &mesh;
    if (placed.node)
        placeNode(*placed.node, placed.placement);
    reindex(placed);
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

const Ogre::MeshPtr& SceneMirror::meshOf(const std::string& file)
{
    Ogre::MeshPtr& mesh = meshes[file];
    if (!mesh)
        mesh = Ogre::MeshManager::getSingleton().load(file, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
    return mesh;
}

void SceneMirror::build(const Item& item)
{
    const Ogre::MeshPtr& mesh = meshOf(item.mesh);
    Placed& placed = items[item.id];
    placed = Placed{};
    placed.id = item.id;
    placed.mesh = &mesh;
    placed.placement = placementOf(item, groundOf(sceneManager));
    reindex(placed);
}

void SceneMirror::reindex(Placed& placed)
{
    // The box an entity of the mesh gets on a node placed so: the node's full
    // transform is built from the same position, scale and turn, so the box is
    // the very one the engine would test.
    Ogre::AxisAlignedBox box = (*placed.mesh)->getBounds();
    const Placement& place = placed.placement;
    box.transform(Ogre::Affine3(place.position, place.orientation, place.scale));
    index.insert(placed.id, box, &placed);
}

void SceneMirror::show(Placed& placed)
{
    if (placed.entity)
        return;
    const std::string name = "Human" + std::to_string(placed.id);
    Ogre::Entity* entity = sceneManager.createEntity(name, *placed.mesh);
    entity->setQueryFlags(placedItemFlag);
    entity->setRenderingDistance(renderingDistance);
    // Solid parts are drawn before the terrain: the ground they hide is then
    // never shaded, and the picture is the same, the depth test deciding. The
    // translucent ones (blue areas) must blend over the terrain, after it.
    for (Ogre::SubEntity* part : entity->getSubEntities())
        if (!part->getMaterial()->isTransparent())
            part->setRenderQueueGroup(solidItemQueue);
    Ogre::SceneNode* node = parent->createChildSceneNode(name + "Node");
    node->attachObject(entity);
    placeNode(*node, placed.placement);
    node->showBoundingBox(placed.highlighted);
    // A view may be looking for what to draw right now, after the scene graph
    // was brought up to date: the new node's bounds are needed at once.
    node->_update(true, false);
    placed.node = node;
    placed.entity = entity;
    owners.emplace(entity, placed.id);
    withEntity.push_back(&placed);
}

void SceneMirror::unshow(Placed& placed)
{
    if (!placed.entity)
        return;
    giveBack(placed);
    withEntity.erase(std::find(withEntity.begin(), withEntity.end(), &placed));
}

void SceneMirror::giveBack(Placed& placed)
{
    owners.erase(placed.entity);
    sceneManager.destroyEntity(placed.entity);
    parent->removeAndDestroyChild(placed.node);
    placed.entity = nullptr;
    placed.node = nullptr;
}

void SceneMirror::itemsAlong(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const
{
    index.hitsAlongRay(ray, hits);
}

void SceneMirror::choose(const Ogre::Camera& camera, std::vector<Ogre::SceneNode*>& chosen)
{
    showFor(camera, chosen);
}

void SceneMirror::showFor(const Ogre::Camera& camera, std::vector<Ogre::SceneNode*>& drawn)
{
    if (++view == 0)
        view = 1;
    const Ogre::Vector3& eye = camera.getDerivedPosition();
    inView.clear();
    index.mostVisible(eye, renderingDistance, drawBudget,
                      [&camera](const Ogre::AxisAlignedBox& box) { return camera.isVisible(box); }, inView);
    for (void* item : inView) {
        Placed& placed = *static_cast<Placed*>(item);
        placed.lastView = view;
        show(placed);
        drawn.push_back(placed.node);
    }
    // The highlighted items, and the entities this view no longer draws go back.
    std::size_t kept = 0;
    for (Placed* placed : withEntity) {
        if (placed->lastView != view && placed->highlighted) {
            placed->lastView = view;
            drawn.push_back(placed->node);
        }
        if (placed->lastView == view)
            withEntity[kept++] = placed;
        else
            giveBack(*placed);
    }
    withEntity.resize(kept);
}

void SceneMirror::destroyAll()
{
    for (Placed* placed : withEntity)
        sceneManager.destroyEntity(placed->entity);
    parent->removeAndDestroyAllChildren();
    withEntity.clear();
    owners.clear();
    items.clear();
    index.clear();
}
