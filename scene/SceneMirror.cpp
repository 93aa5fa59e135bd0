#include "scene/SceneMirror.h"

#include "document/Document.h"
#include "scene/PlacementGeometry.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreMath.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

void placeNode(Ogre::SceneNode& node, const Item& item)
{
    node.resetOrientation();
    switch (item.kind) {
    case ItemKind::Road: {
        const RoadShape shape = roadShape(item.x1, item.z1, item.x2, item.z2);
        node.setScale(shape.scale);
        node.setPosition(shape.position);
        if (shape.alongX)
            node.rotate(Ogre::Vector3::UNIT_Y, Ogre::Radian(90 * Ogre::Math::fDeg2Rad), Ogre::Node::TS_LOCAL);
        return;
    }
    case ItemKind::Area:
        node.setScale(areaScale(item.x1, item.z1, item.x2, item.z2));
        break;
    default:
        node.setScale(Ogre::Vector3::UNIT_SCALE);
        break;
    }
    node.setPosition(item.x, item.y, item.z);
}

SceneMirror::SceneMirror(Ogre::SceneManager& sceneManager, Document& document)
    : sceneManager(sceneManager), document(document),
      parent(sceneManager.getRootSceneNode()->createChildSceneNode("placedItems")),
      terrain(dynamic_cast<TerrainSceneManager*>(&sceneManager))
{
    for (const Item& item : document.items())
        build(item);
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
    const auto found = shown.find(id);
    return found == shown.end() ? nullptr : found->second.node;
}

void SceneMirror::highlight(ItemId id, bool on)
{
    Ogre::SceneNode* node = nodeOf(id);
    if (!node)
        return;
    node->showBoundingBox(on);
    highlighted.erase(std::remove(highlighted.begin(), highlighted.end(), id), highlighted.end());
    if (on)
        highlighted.push_back(id);
}

void SceneMirror::itemAdded(const Item& item) { build(item); }

void SceneMirror::itemChanged(const Item&, const Item& after)
{
    const auto found = shown.find(after.id);
    if (found == shown.end())
        return;
    placeNode(*found->second.node, after);
    reindex(after.id, *found->second.entity);
}

void SceneMirror::itemRemoved(const Item& item) { destroy(item.id); }

void SceneMirror::allReplaced()
{
    destroyAll();
    for (const Item& item : document.items())
        build(item);
}

void SceneMirror::build(const Item& item)
{
    const std::string name = "Human" + std::to_string(item.id);
    Ogre::MeshPtr& mesh = meshes[item.mesh];
    if (!mesh)
        mesh = Ogre::MeshManager::getSingleton().load(item.mesh, Ogre::ResourceGroupManager::AUTODETECT_RESOURCE_GROUP_NAME);
    Ogre::Entity* entity = sceneManager.createEntity(name, mesh);
    entity->setQueryFlags(placedItemFlag);
    entity->setRenderingDistance(renderingDistance);
    Ogre::SceneNode* node = parent->createChildSceneNode(name + "Node");
    node->attachObject(entity);
    placeNode(*node, item);
    shown.emplace(item.id, Shown{node, entity});
    owners.emplace(entity, item.id);
    reindex(item.id, *entity);
}

void SceneMirror::reindex(ItemId id, Ogre::Entity& entity)
{
    // The node's transform is worked out on demand from its parents, so the box
    // is where the entity now stands without updating the whole scene graph.
    index.insert(id, entity.getWorldBoundingBox(true), entity.getParentSceneNode());
}

void SceneMirror::itemsAlong(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const
{
    index.hitsAlongRay(ray, hits);
}

void SceneMirror::choose(const Ogre::Camera& camera, std::vector<Ogre::SceneNode*>& chosen)
{
    const Ogre::Vector3& eye = camera.getDerivedPosition();
    near.clear();
    index.nearest(eye.x, eye.z, renderingDistance, drawBudget,
                  [&camera](const Ogre::AxisAlignedBox& cell) { return camera.isVisible(cell); }, near);
    for (void* node : near)
        chosen.push_back(static_cast<Ogre::SceneNode*>(node));
    for (ItemId id : highlighted) {
        Ogre::SceneNode* node = nodeOf(id);
        if (node && std::find(near.begin(), near.end(), node) == near.end())
            chosen.push_back(node);
    }
}

void SceneMirror::destroy(ItemId id)
{
    const auto found = shown.find(id);
    if (found == shown.end())
        return;
    index.remove(id);
    highlighted.erase(std::remove(highlighted.begin(), highlighted.end(), id), highlighted.end());
    owners.erase(found->second.entity);
    sceneManager.destroyEntity(found->second.entity);
    parent->removeAndDestroyChild(found->second.node);
    shown.erase(found);
}

void SceneMirror::destroyAll()
{
    for (const auto& [id, item] : shown)
        sceneManager.destroyEntity(item.entity);
    parent->removeAndDestroyAllChildren();
    shown.clear();
    owners.clear();
    index.clear();
    highlighted.clear();
}
