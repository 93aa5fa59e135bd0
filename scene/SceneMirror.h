#pragma once

#include "document/DocumentObserver.h"
#include "scene/ItemGrid.h"
#include "scene/PlacementGeometry.h"
#include "scene/terrain/TerrainSceneManager.h"

#include <OgreMesh.h>
#include <OgreRenderQueue.h>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Ogre {
class Camera;
class Entity;
class Ray;
class MovableObject;
class SceneManager;
class SceneNode;
}
class Document;

// Keeps the scene in step with the document. Every item has its place, its
// mesh and its box in a grid over x and z, kept up to date on every change: picks
// look only at the items near the ray, through those boxes. An item has its
// entity "Human" + id and its node "Human" + id + "Node" under one parent node
// only while a view draws it or it is highlighted: a view of a terrain scene asks
// for the items that look largest from it, those coming into that set get an
// entity and a node, those leaving it give theirs back. A scenario of any size
// thus holds a few hundred entities, made and destroyed a few at a time as the
// camera moves.
class SceneMirror : public DocumentObserver, private TerrainSceneManager::ChildChooser {
public:
    // Placed entities carry this query flag; picks look only for it.
    static constexpr unsigned int placedItemFlag = 2;
    // Items are drawn at most this far from the camera (plus their own size),
    // and of the items in view only the drawBudget that look largest from it
    // (size over distance): the others are a few pixels or hidden behind
    // nearer ones, and drawing them all would make every frame grow with the
    // scenario.
    static constexpr float renderingDistance = 450;
    static constexpr std::size_t drawBudget = 180;
    // The render queue of the items' solid parts: before the terrain's.
    static constexpr std::uint8_t solidItemQueue = Ogre::RENDER_QUEUE_2;

    SceneMirror(Ogre::SceneManager& sceneManager, Document& document);
    ~SceneMirror() override;
    SceneMirror(const SceneMirror&) = delete;
    SceneMirror& operator=(const SceneMirror&) = delete;

    // The item whose entity this is, if it is one of the mirror's.
    std::optional<ItemId> itemOf(const Ogre::MovableObject* object) const;
    // The item's node while it has one (it is drawn or highlighted).
    Ogre::SceneNode* nodeOf(ItemId id) const;
    // Where the item's node stands, or would stand: drawn or not.
    std::optional<Ogre::Vector3> positionOf(ItemId id) const;
    Ogre::SceneNode* itemsNode() const { return parent; }
    // The items whose boxes the ray meets, each with the distance along the ray
    // to where it enters the box, in no particular order: the answer a scene
    // query for placed items would give if every item had its entity, found
    // through the grid.
    void itemsAlong(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const;
    const ItemGrid& grid() const { return index; }
    // Shows the item's bounding box, or hides it. An item with its box shown
    // keeps its entity and is drawn however far it is.
    void highlight(ItemId id, bool shown);
    // The nodes of the items a view from the camera draws: the drawBudget in
    // view within renderingDistance that look largest from it, and the
    // highlighted ones. Items new to the set get their entity and node; items
    // of the last view's set that are not in this one give theirs back. The
    // editor draws one view a frame; two views of different places would trade
    // the entities back and forth every frame.
    void showFor(const Ogre::Camera& camera, std::vector<Ogre::SceneNode*>& drawn);
    // How many items have an entity now.
    std::size_t shownCount() const { return withEntity.size(); }

    void itemAdded(const Item& item) override;
    void itemChanged(const Item& before, const Item& after) override;
    void itemRemoved(const Item& item) override;
    void allReplaced() override;

private:
    struct Placed {
        ItemId id = 0;
        const Ogre::MeshPtr* mesh = nullptr;  // in meshes
        Placement placement;
        Ogre::SceneNode* node = nullptr;      // with the entity, while it has one
        Ogre::Entity* entity = nullptr;
        std::uint32_t lastView = 0;           // the last view that drew it
        bool highlighted = false;
    };

    void choose(const Ogre::Camera& camera, std::vector<Ogre::SceneNode*>& chosen) override;
    void build(const Item& item);
    const Ogre::MeshPtr& meshOf(const std::string& file);
    void reindex(Placed& placed);
    // Gives the item its entity and node, or takes them back.
    void show(Placed& placed);
    void unshow(Placed& placed);
    // Destroys the entity and node; the caller takes the item out of withEntity.
    void giveBack(Placed& placed);
    void destroyAll();

    Ogre::SceneManager& sceneManager;
    Document& document;
    Ogre::SceneNode* parent;
    std::unordered_map<ItemId, Placed> items;
    // The items that have an entity now.
    std::vector<Placed*> withEntity;
    std::unordered_map<const Ogre::MovableObject*, ItemId> owners;
    ItemGrid index;
    TerrainSceneManager* terrain;
    std::vector<void*> inView;
    std::uint32_t view = 0;
    // The meshes by file name, so that placing an item looks none up in the resource groups.
    std::unordered_map<std::string, Ogre::MeshPtr> meshes;
};

// Puts the node where the item stands, in the item's shape.
void placeNode(Ogre::SceneNode& node, const Placement& placement);
// The terrain items stand on in a scene, or null when it has none.
const Heightfield* groundOf(const Ogre::SceneManager& sceneManager);
