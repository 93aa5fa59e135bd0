#pragma once

#include "document/DocumentObserver.h"
#include "scene/ItemBatches.h"
#include "scene/ItemGrid.h"
#include "scene/PlacementGeometry.h"
#include "scene/ViewCover.h"

#include <OgreMesh.h>
#include <OgreRenderQueue.h>

#include <cstdint>
#include <memory>
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
// mesh and its box in a grid over x and z, kept up to date on every change:
// picks look only at the items near the ray, and a view only at the cells it
// shows. Every item in view is drawn, as a copy in the batches of its mesh
// (see ItemBatches): a frame costs a few draw calls per mesh, not one per
// item. A highlighted item has its own entity "Human" + id on the node
// "Human" + id + "Node" under the placed items' node, which shows its box and
// is drawn however far it is, and it is left out of the batches meanwhile.
class SceneMirror : public DocumentObserver {
public:
    // Placed entities carry this query flag; picks look only for it.
    static constexpr unsigned int placedItemFlag = 2;
    // Items this near the camera are drawn whenever they are in view; farther
    // ones only when what is drawn nearer does not hide them wholly and they
    // span at least smallestDrawnPixels across.
    static constexpr float alwaysDrawnWithin = 150;
    static constexpr float smallestDrawnPixels = 2;
    // The render queue of the items' solid parts: before the terrain's.
    static constexpr std::uint8_t solidItemQueue = Ogre::RENDER_QUEUE_2;

    SceneMirror(Ogre::SceneManager& sceneManager, Document& document);
    ~SceneMirror() override;
    SceneMirror(const SceneMirror&) = delete;
    SceneMirror& operator=(const SceneMirror&) = delete;

    // The item whose entity this is, if it is one of the mirror's.
    std::optional<ItemId> itemOf(const Ogre::MovableObject* object) const;
    // The item's node while it has one (it is highlighted).
    Ogre::SceneNode* nodeOf(ItemId id) const;
    // Where the item stands and in what shape, as it is drawn.
    const Placement* placement(ItemId id) const;
    std::optional<Ogre::Vector3> positionOf(ItemId id) const;
    Ogre::SceneNode* itemsNode() const { return parent; }
    // The items whose boxes the ray meets, each with the distance along the ray
    // to where it enters the box, in no particular order: the answer a scene
    // query for placed items would give if every item had its entity, found
    // through the grid.
    void itemsAlong(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const;
    const ItemGrid& grid() const { return index; }
    // Shows the item's bounding box, or hides it. An item with its box shown
    // has its own entity and is drawn however far it is.
    void highlight(ItemId id, bool shown);
    // The items a view from the camera draws, each once: those whose boxes it
    // may show, and the highlighted ones wherever they are.
    void drawnFor(const Ogre::Camera& camera, std::vector<ItemId>& drawn) const;
    // How many items have an entity of their own now.
    std::size_t shownCount() const { return withEntity; }

    void itemAdded(const Item& item) override;
    void itemChanged(const Item& before, const Item& after) override;
    void itemRemoved(const Item& item) override;
    void allReplaced() override;

private:
    struct Mesh {
        Ogre::MeshPtr mesh;
        std::uint32_t shape = 0;  // in the batches
        // Boxes that hide what lies behind them, with the length of their diagonals.
        std::vector<Ogre::AxisAlignedBox> solid;
        std::vector<float> solidSizes;
    };
    struct Placed {
        ItemId id = 0;
        const Mesh* mesh = nullptr;  // in meshes
        Placement placement;
        float rows[12] = {};     // the placement as the rows of a 3x4 matrix
        float radius = 0;        // of the placed mesh's bounding sphere
        float scale = 0;         // the largest of the placement's scales
        Ogre::AxisAlignedBox box;
        Ogre::SceneNode* node = nullptr;  // with the entity, while highlighted
        Ogre::Entity* entity = nullptr;
    };

    void build(const Item& item);
    const Mesh& meshOf(const std::string& file);
    void place(Placed& placed, const Item& item);
    // Gives the item its entity and node, or takes them back.
    void show(Placed& placed);
    void unshow(Placed& placed);
    // The items in the camera's view that the batches draw.
    const std::vector<const Placed*>& batchedFor(const Ogre::Camera& camera) const;
    void copiesFor(const Ogre::Camera& camera, std::vector<ItemBatches::Copy>& copies) const;
    void destroyAll();

    Ogre::SceneManager& sceneManager;
    Document& document;
    Ogre::SceneNode* parent;
    std::unique_ptr<ItemBatches> batched;
    std::unordered_map<ItemId, Placed> items;
    std::size_t withEntity = 0;
    std::unordered_map<const Ogre::MovableObject*, ItemId> owners;
    ItemGrid index;
    mutable std::vector<ItemId> inView;
    mutable std::vector<std::pair<float, const Placed*>> nearestFirst;
    mutable std::vector<const Placed*> batchedNow;
    mutable ViewCover cover;
    // The meshes by file name, so that placing an item looks none up in the resource groups.
    std::unordered_map<std::string, Mesh> meshes;
};

// Puts the node where the item stands, in the item's shape.
void placeNode(Ogre::SceneNode& node, const Placement& placement);
// The terrain items stand on in a scene, or null when it has none.
const Heightfield* groundOf(const Ogre::SceneManager& sceneManager);
