#pragma once

#include <OgreHardwareVertexBuffer.h>
#include <OgreMaterial.h>
#include <OgreMesh.h>
#include <OgreMovableObject.h>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace Ogre {
class Camera;
}

// Draws many placed items in few calls: every copy of a mesh that a view shows
// goes into one instance list, and each part of the mesh is drawn once for the
// whole list, the copies placed by a vertex program. A copy that looks small
// from the camera is drawn with the mesh's far version when there is one.
// The list is made anew for every view from what the mirror names, so an
// edit shows in the next frame with nothing to rebuild.
class ItemBatches : public Ogre::MovableObject {
public:
    // One copy to draw: the mesh as shape(), its world transform as the three
    // rows of a 3x4 matrix, and how large it is (its bounding sphere's radius
    // after scaling).
    struct Copy {
        std::uint32_t shape;
        const float* rows;
        float radius;
    };
    using CopiesFor = std::function<void(const Ogre::Camera& camera, std::vector<Copy>& copies)>;

    // A copy is drawn with the far version of its mesh while its bounding
    // sphere spans fewer pixels across than this.
    static constexpr float farBelowPixels = 20;

    // How many pixels of the camera's view one unit spans at a distance of one unit.
    static float pixelsPerUnit(const Ogre::Camera& camera);

    ItemBatches(CopiesFor copiesFor, std::uint8_t solidQueue);
    ~ItemBatches() override;

    // The index that names the mesh in a Copy; the first call for a mesh
    // looks for its far version ("name.far.mesh").
    std::uint32_t shape(const Ogre::MeshPtr& mesh);

    const Ogre::String& getMovableType() const override;
    const Ogre::AxisAlignedBox& getBoundingBox() const override;
    Ogre::Real getBoundingRadius() const override;
    void _notifyCurrentCamera(Ogre::Camera* camera) override;
    void _updateRenderQueue(Ogre::RenderQueue* queue) override;
    void visitRenderables(Ogre::Renderable::Visitor* visitor, bool debugRenderables) override;

private:
    class Part;
    struct Level {
        Ogre::MeshPtr mesh;
        std::vector<float> rows;  // this view's copies, one after the other
        Ogre::HardwareVertexBufferSharedPtr instances;
        std::size_t capacity = 0;
        std::vector<std::unique_ptr<Part>> parts;  // made on first use
    };
    struct Shape {
        std::array<Level, 2> levels;  // near, far
    };

    void upload(Level& level);
    void makeParts(Level& level);

    CopiesFor copiesFor;
    std::uint8_t solidQueue;
    Ogre::Camera* camera = nullptr;
    std::deque<Shape> shapes;
    std::vector<Copy> copies;
};
