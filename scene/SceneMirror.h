#pragma once

#include "document/DocumentObserver.h"
#include <OgreMesh.h>
#include "scene/ItemGrid.h"
#include "scene/terrain/TerrainSceneManager.h"

#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Ogre {
class Entity;
class Ray;
class MovableObject;
class SceneManager;
class SceneNode;
}
class Document;

// Keeps the scene in step with the document: every item has its entity
// "Human" + id and its node "Human" + id + "Node" under one parent node, made
// when the item comes, moved when it changes and destroyed when it goes. A grid
// over x and z follows every change, so picks look only at the items near the
// ray, and a view of a terrain scene considers only the items nearest to it.
class SceneMirror : public DocumentObserver, private TerrainSceneManager::ChildChooser {
public:
    // Placed entities carry this query flag; picks look only for it.
    static constexpr unsigned int placedItemFlag = 2;
    // Items are drawn at most this far from the camera (plus their own size),
    // and of the items in view only about the nearest drawBudget: further off
    // they are a few pixels or hidden behind nearer ones, and drawing them all
    // would make every frame grow with the scenario.
    static constexpr float renderingDistance = 450;
    static constexpr std::size_t drawBudget = 250;

    SceneMirror(Ogre::SceneManager& sceneManager, Document& document);
    ~SceneMirror() override;
    SceneMirror(const SceneMirror&) = delete;
    SceneMirror& operator=(const SceneMirror&) = delete;

    // The item whose entity this is, if it is one of the mirror's.
    std::optional<ItemId> itemOf(const Ogre::MovableObject* object) const;
    Ogre::SceneNode* nodeOf(ItemId id) const;
    Ogre::SceneNode* itemsNode() const { return parent; }
    // The items whose boxes the ray meets, each with the distance along the ray
    // to where it enters the box, in no particular order: the answer a scene
    // query for placed items gives, found through the grid.
    void itemsAlong(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const;
    const ItemGrid& grid() const { return index; }
    // Shows the item's bounding box, or hides it. An item with its box shown is
    // drawn however far it is.
    void highlight(ItemId id, bool shown);

    void itemAdded(const Item& item) override;
    void itemChanged(const Item& before, const Item& after) override;
    void itemRemoved(const Item& item) override;
    void allReplaced() override;

private:
    struct Shown {
        Ogre::SceneNode* node;
        Ogre::Entity* entity;
    };

    void choose(const Ogre::Camera& camera, std::vector<Ogre::SceneNode*>& chosen) override;
    void build(const Item& item);
    void reindex(ItemId id, Ogre::Entity& entity);
    void destroy(ItemId id);
    void destroyAll();

    Ogre::SceneManager& sceneManager;
    Document& document;
    Ogre::SceneNode* parent;
    std::unordered_map<ItemId, Shown> shown;
    std::unordered_map<const Ogre::MovableObject*, ItemId> owners;
    ItemGrid index;
    TerrainSceneManager* terrain;
    std::vector<void*> near;
    // Items shown with their box (the selection): drawn at any distance.
    std::vector<ItemId> highlighted;
    // The meshes by file name, so that building an item looks none up in the resource groups.
    std::unordered_map<std::string, Ogre::MeshPtr> meshes;
};

// Puts the node where the item stands, in the item's shape.
void placeNode(Ogre::SceneNode& node, const Item& item);
