#include "MeshExport.h"

#include <OgreHardwareBufferManager.h>
#include <OgreMeshManager.h>
#include <OgreMeshSerializer.h>
#include <OgreResourceGroupManager.h>
#include <OgreSubMesh.h>

#include <algorithm>

namespace media {

namespace {

void fillSubMesh(Ogre::SubMesh& sub, const Part& part) {
    sub.useSharedVertices = false;
    sub.vertexData = new Ogre::VertexData();
    sub.vertexData->vertexCount = part.vertices.size();
    Ogre::VertexDeclaration* decl = sub.vertexData->vertexDeclaration;
    size_t offset = 0;
    offset += decl->addElement(0, offset, Ogre::VET_FLOAT3, Ogre::VES_POSITION).getSize();
    offset += decl->addElement(0, offset, Ogre::VET_FLOAT3, Ogre::VES_NORMAL).getSize();
    offset += decl->addElement(0, offset, Ogre::VET_FLOAT2, Ogre::VES_TEXTURE_COORDINATES, 0).getSize();

    auto& buffers = Ogre::HardwareBufferManager::getSingleton();
    Ogre::HardwareVertexBufferSharedPtr vertices =
        buffers.createVertexBuffer(offset, part.vertices.size(), Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY);
    std::vector<float> data;
    data.reserve(part.vertices.size() * 8);
    for (const Vertex& v : part.vertices)
        data.insert(data.end(), {v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y, v.normal.z,
                                 v.uv.x, v.uv.y});
    vertices->writeData(0, data.size() * sizeof(float), data.data(), true);
    sub.vertexData->vertexBufferBinding->setBinding(0, vertices);

    bool small = part.vertices.size() <= 0xffff;
    Ogre::HardwareIndexBufferSharedPtr indices =
        buffers.createIndexBuffer(small ? Ogre::HardwareIndexBuffer::IT_16BIT : Ogre::HardwareIndexBuffer::IT_32BIT,
                                  part.indices.size(), Ogre::HardwareBuffer::HBU_STATIC_WRITE_ONLY);
    if (small) {
        std::vector<uint16_t> narrow(part.indices.begin(), part.indices.end());
        indices->writeData(0, narrow.size() * sizeof(uint16_t), narrow.data(), true);
    } else {
        indices->writeData(0, part.indices.size() * sizeof(uint32_t), part.indices.data(), true);
    }
    sub.indexData->indexBuffer = indices;
    sub.indexData->indexCount = part.indices.size();
    sub.indexData->indexStart = 0;
    sub.setMaterialName(part.material, Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
}

}  // namespace

Ogre::MeshPtr toMesh(const Model& model, const std::string& meshName) {
    Ogre::MeshPtr mesh =
        Ogre::MeshManager::getSingleton().createManual(meshName, Ogre::ResourceGroupManager::DEFAULT_RESOURCE_GROUP_NAME);
    for (const Part& part : model.parts()) fillSubMesh(*mesh->createSubMesh(), part);
    Ogre::AxisAlignedBox bounds = model.bounds();
    mesh->_setBounds(bounds, false);
    float radius = 0;
    for (const Part& part : model.parts())
        for (const Vertex& v : part.vertices) radius = std::max(radius, v.position.length());
    mesh->_setBoundingSphereRadius(radius);
    // Marked loaded, so that unloading it frees its sub-meshes (the engine frees
    // them only for a loaded mesh).
    mesh->load();
    return mesh;
}

void exportMesh(const Model& model, const std::string& meshName, const std::string& path) {
    Ogre::MeshPtr mesh = toMesh(model, meshName);
    Ogre::MeshSerializer().exportMesh(mesh.get(), path);
    Ogre::MeshManager::getSingleton().remove(mesh);
}

}  // namespace media
