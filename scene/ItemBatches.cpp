#include "scene/ItemBatches.h"

#include "scene/InstancedMaterials.h"

#include <OgreCamera.h>
#include <OgreHardwareBufferManager.h>
#include <OgreMeshManager.h>
#include <OgreRenderQueue.h>
#include <OgreRenderTarget.h>
#include <OgreResourceGroupManager.h>
#include <OgreSubMesh.h>
#include <OgreTechnique.h>
#include <OgreViewport.h>

#include <cmath>

namespace {

// Per copy: the rows of its world-view-projection matrix, then the rows of its world matrix.
constexpr std::size_t floatsPerCopy = 28;
constexpr unsigned short rowsPerCopy = 7;

// The far version of "name.mesh" is "name.far.mesh", when the media has one.
Ogre::MeshPtr farVersionOf(const Ogre::MeshPtr& mesh)
{
    const std::string& name = mesh->getName();
    const auto dot = name.rfind('.');
    const std::string farName = name.substr(0, dot) + ".far" + (dot == std::string::npos ? "" : name.substr(dot));
    auto& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceExistsInAnyGroup(farName))
        return mesh;
    return Ogre::MeshManager::getSingleton().load(farName, groups.findGroupContainingResource(farName));
}

}  // namespace

// One part of a mesh level, drawn once for all the level's copies of this view.
class ItemBatches::Part : public Ogre::Renderable {
public:
    Part(const ItemBatches& owner, const Ogre::SubMesh& part, const Ogre::VertexData& vertices,
         const Ogre::HardwareVertexBufferSharedPtr& instances)
        : owner(owner), material(instancedVersionOf(part.getMaterial())), operation(part.operationType),
          indices(part.indexData), vertexData(std::make_unique<Ogre::VertexData>())
    {
        vertexData->vertexStart = vertices.vertexStart;
        vertexData->vertexCount = vertices.vertexCount;
        for (const Ogre::VertexElement& element : vertices.vertexDeclaration->getElements())
            vertexData->vertexDeclaration->addElement(element.getSource(), element.getOffset(), element.getType(),
                                                      element.getSemantic(), element.getIndex());
        for (const auto& [source, buffer] : vertices.vertexBufferBinding->getBindings())
            vertexData->vertexBufferBinding->setBinding(source, buffer);
        instanceSource = vertices.vertexBufferBinding->getNextIndex();
        std::size_t offset = 0;
        for (unsigned short row = 0; row < rowsPerCopy; ++row)
            offset += vertexData->vertexDeclaration
                          ->addElement(instanceSource, offset, Ogre::VET_FLOAT4, Ogre::VES_TEXTURE_COORDINATES,
                                       static_cast<unsigned short>(instancedRowsFirstUv + row))
                          .getSize();
        useInstances(instances);
        material->load();
    }

    void useInstances(const Ogre::HardwareVertexBufferSharedPtr& instances)
    {
        vertexData->vertexBufferBinding->setBinding(instanceSource, instances);
    }

    std::uint8_t queue(std::uint8_t solid) const
    {
        return material->isTransparent() ? Ogre::RENDER_QUEUE_MAIN : solid;
    }

    std::size_t count = 0;

    const Ogre::MaterialPtr& getMaterial() const override { return material; }
    void getRenderOperation(Ogre::RenderOperation& op) override
    {
        op.operationType = operation;
        op.useIndexes = indices != nullptr && indices->indexCount > 0;
        op.vertexData = vertexData.get();
        op.indexData = indices;
        op.numberOfInstances = count;
        op.srcRenderable = this;
    }
    void getWorldTransforms(Ogre::Matrix4* transform) const override { *transform = Ogre::Matrix4::IDENTITY; }
    Ogre::Real getSquaredViewDepth(const Ogre::Camera*) const override { return 0; }
    const Ogre::LightList& getLights() const override { return owner.queryLights(); }

private:
    const ItemBatches& owner;
    Ogre::MaterialPtr material;
    Ogre::RenderOperation::OperationType operation;
    Ogre::IndexData* indices;
    std::unique_ptr<Ogre::VertexData> vertexData;
    unsigned short instanceSource = 0;
};

ItemBatches::ItemBatches(CopiesFor copiesFor, std::uint8_t solidQueue)
    : copiesFor(std::move(copiesFor)), solidQueue(solidQueue)
{
    setCastShadows(false);
}

ItemBatches::~ItemBatches() = default;

std::uint32_t ItemBatches::shape(const Ogre::MeshPtr& mesh)
{
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (shapes[i].levels[0].mesh == mesh)
            return static_cast<std::uint32_t>(i);
    Shape added;
    added.levels[0].mesh = mesh;
    added.levels[1].mesh = farVersionOf(mesh);
    shapes.push_back(std::move(added));
    return static_cast<std::uint32_t>(shapes.size() - 1);
}

const Ogre::String& ItemBatches::getMovableType() const
{
    static const Ogre::String type = "ItemBatches";
    return type;
}

const Ogre::AxisAlignedBox& ItemBatches::getBoundingBox() const
{
    static const Ogre::AxisAlignedBox everywhere(Ogre::AxisAlignedBox::EXTENT_INFINITE);
    return everywhere;
}

Ogre::Real ItemBatches::getBoundingRadius() const { return 0; }

void ItemBatches::_notifyCurrentCamera(Ogre::Camera* current)
{
    Ogre::MovableObject::_notifyCurrentCamera(current);
    camera = current;
}

void ItemBatches::_updateRenderQueue(Ogre::RenderQueue* queue)
{
    if (!camera)
        return;
    for (Shape& shape : shapes)
        for (Level& level : shape.levels)
            level.rows.clear();
    copies.clear();
    copiesFor(*camera, copies);
    const float pixelsPerUnit = ItemBatches::pixelsPerUnit(*camera);
    const Ogre::Vector3& eye = camera->getDerivedPosition();
    const Ogre::Matrix4 view = camera->getViewMatrix(true);
    Ogre::Matrix4 projection = camera->getProjectionMatrixRS();
    // A render texture is drawn upside down, and the render system turns the
    // projection for it so.
    if (camera->getViewport() && camera->getViewport()->getTarget()->requiresTextureFlipping())
        for (int column = 0; column < 4; ++column)
            projection[1][column] = -projection[1][column];
    for (const Copy& copy : copies) {
        Shape& shape = shapes[copy.shape];
        const Ogre::Vector3 at(copy.rows[3], copy.rows[7], copy.rows[11]);
        const float distance = std::max(eye.distance(at), 1.0f);
        const bool far = shape.levels[1].mesh != shape.levels[0].mesh
                      && 2 * copy.radius * pixelsPerUnit < farBelowPixels * distance;
        std::vector<float>& rows = shape.levels[far ? 1 : 0].rows;
        // The products in the order the fixed pipeline forms them for an
        // entity, so that each copy lands on the very same pixels and depths.
        Ogre::Matrix4 world = Ogre::Matrix4::IDENTITY;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column)
                world[row][column] = copy.rows[row * 4 + column];
        const Ogre::Matrix4 placed = projection * (view * world);
        rows.insert(rows.end(), placed[0], placed[0] + 16);
        rows.insert(rows.end(), copy.rows, copy.rows + 12);
    }
    for (Shape& shape : shapes)
        for (Level& level : shape.levels) {
            if (level.rows.empty())
                continue;
            upload(level);
            for (const std::unique_ptr<Part>& part : level.parts) {
                part->count = level.rows.size() / floatsPerCopy;
                queue->addRenderable(part.get(), part->queue(solidQueue));
            }
        }
}

float ItemBatches::pixelsPerUnit(const Ogre::Camera& camera)
{
    const float viewHeight = camera.getViewport() ? static_cast<float>(camera.getViewport()->getActualHeight()) : 512;
    return viewHeight / (2 * std::tan(camera.getFOVy().valueRadians() / 2));
}

void ItemBatches::upload(Level& level)
{
    const std::size_t count = level.rows.size() / floatsPerCopy;
    if (count > level.capacity) {
        level.capacity = std::max<std::size_t>(count * 2, 64);
        level.instances = Ogre::HardwareBufferManager::getSingleton().createVertexBuffer(
            floatsPerCopy * sizeof(float), level.capacity, Ogre::HardwareBuffer::HBU_DYNAMIC_WRITE_ONLY_DISCARDABLE);
        level.instances->setIsInstanceData(true);
        level.instances->setInstanceDataStepRate(1);
        if (level.parts.empty())
            makeParts(level);
        for (const std::unique_ptr<Part>& part : level.parts)
            part->useInstances(level.instances);
    }
    level.instances->writeData(0, level.rows.size() * sizeof(float), level.rows.data(), true);
}

void ItemBatches::makeParts(Level& level)
{
    for (const Ogre::SubMesh* part : level.mesh->getSubMeshes()) {
        const Ogre::VertexData& vertices = part->useSharedVertices ? *level.mesh->sharedVertexData : *part->vertexData;
        level.parts.push_back(std::make_unique<Part>(*this, *part, vertices, level.instances));
    }
}

void ItemBatches::visitRenderables(Ogre::Renderable::Visitor* visitor, bool)
{
    for (Shape& shape : shapes)
        for (Level& level : shape.levels)
            for (const std::unique_ptr<Part>& part : level.parts)
                visitor->visit(part.get(), 0, false);
}
