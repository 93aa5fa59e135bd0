#pragma once

#include "document/DocumentObserver.h"
#include "scene/ItemGrid.h"

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
// over x and z follows every change, so picks look only at the items near the ray.
class SceneMirror : public DocumentObserver {
public:
    // Placed entities carry this query flag; picks look only for it.
    static constexpr unsigned int placedItemFlag = 2;

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
    // Shows the item's bounding box, or hides it.
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
    mutable std::vector<ItemId> candidates;
};

// Puts the node where the item stands, in the item's shape.
void placeNode(Ogre::SceneNode& node, const Item& item);
