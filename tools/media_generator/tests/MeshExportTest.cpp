#include "Materials.h"
#include "MeshExport.h"
#include "Models.h"
#include "OgreSession.h"

#include <OgreDataStream.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgreMeshSerializer.h>
#include <OgreSubMesh.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

#include <fstream>

using namespace media;

namespace {

class MeshExport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session = new OgreSession("mesh_export_test.log");
        std::set<std::string> all;
        for (const MaterialDef& m : materialLibrary()) all.insert(m.name);
        std::string script = materialScript(all);
        Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&script[0], script.size(), false, true));
        Ogre::MaterialManager::getSingleton().parseScript(stream, Ogre::RGN_DEFAULT);
    }
    static void TearDownTestSuite() { delete session; }
    static OgreSession* session;
};

OgreSession* MeshExport::session = nullptr;

}  // namespace

TEST_F(MeshExport, GeneratedMaterialScriptParses) {
    for (const MaterialDef& m : materialLibrary()) {
        Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName(m.name);
        ASSERT_TRUE(material) << m.name;
        Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
        if (m.shading == Shading::Translucent) {
            EXPECT_FALSE(pass->getDepthWriteEnabled());
            EXPECT_TRUE(pass->isTransparent());
        }
        if (m.shading == Shading::Glowing) {
            EXPECT_GT(pass->getSelfIllumination().r + pass->getSelfIllumination().g, 0.9f) << m.name;
        }
        if (m.shading == Shading::Lit) {
            EXPECT_NEAR(pass->getAmbient().g, m.colour.g, 1e-4) << m.name;
        }
        EXPECT_EQ(pass->getNumTextureUnitStates(), m.texture.empty() ? 0u : 1u) << m.name;
    }
}

TEST_F(MeshExport, WrittenMeshReadsBackWithItsPartsBoundsAndMaterials) {
    Model car = buildModel("araba");
    exportMesh(car, "export_test.mesh", "export_test.mesh");

    std::ifstream file("export_test.mesh", std::ios::binary);
    ASSERT_TRUE(file);
    Ogre::DataStreamPtr stream(new Ogre::FileStreamDataStream(&file, false));
    Ogre::MeshPtr mesh = Ogre::MeshManager::getSingleton().createManual("reread.mesh", Ogre::RGN_DEFAULT);
    Ogre::MeshSerializer().importMesh(stream, mesh.get());
    mesh->load();  // a loaded mesh frees its sub-meshes when it goes

    ASSERT_EQ(mesh->getNumSubMeshes(), car.parts().size());
    for (size_t i = 0; i < car.parts().size(); ++i) {
        const Ogre::SubMesh* sub = mesh->getSubMesh(i);
        EXPECT_EQ(sub->getMaterialName(), car.parts()[i].material);
        EXPECT_EQ(sub->vertexData->vertexCount, car.parts()[i].vertices.size());
        EXPECT_EQ(sub->indexData->indexCount, car.parts()[i].indices.size());
        EXPECT_TRUE(sub->vertexData->vertexDeclaration->findElementBySemantic(Ogre::VES_NORMAL));
    }
    EXPECT_EQ(mesh->getBounds().getMinimum(), car.bounds().getMinimum());
    EXPECT_EQ(mesh->getBounds().getMaximum(), car.bounds().getMaximum());
    Ogre::MeshManager::getSingleton().remove(mesh);
}
