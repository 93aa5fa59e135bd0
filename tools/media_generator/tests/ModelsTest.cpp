#include "ShippedFiles.h"
#include "IconRenderer.h"
#include "Materials.h"
#include "Models.h"
#include "Textures.h"

#include <OgreAxisAlignedBox.h>

#include <gtest/gtest.h>

#include <fstream>

using namespace media;

namespace {

std::vector<CatalogEntry> shippedCatalog() {
    return readShippedCatalog(std::string(MEDIA_SOURCE_DIR) + "/work/objects.txt");
}

Ogre::Vector3 size(const std::string& name) { return buildModel(name).bounds().getSize(); }

}  // namespace

TEST(Models, EveryCatalogEntryHasAModelStandingOnTheGround) {
    for (const CatalogEntry& entry : shippedCatalog()) {
        SCOPED_TRACE(entry.name);
        Model model = buildModel(entry.name);
        ASSERT_GT(model.triangleCount(), 10u);
        Ogre::AxisAlignedBox box = model.bounds();
        if (entry.name != "yol") {
            EXPECT_NEAR(box.getMinimum().y, 0, 0.01f);  // neither sunk into the ground nor floating
            EXPECT_GE(box.getSize().y, 3.0f);  // visible from the start view
        }
        for (const Part& part : model.parts()) EXPECT_NO_THROW(findMaterial(part.material));
    }
    EXPECT_THROW(buildModel("yok"), std::out_of_range);
}

TEST(Models, SizesFitTheWorldScale) {
    EXPECT_NEAR(size("adam").y, 7.3f, 0.5f);
    EXPECT_LT(size("cocuk").y, size("adam").y * 0.75f);
    EXPECT_NEAR(size("araba").x, 12.0f, 0.5f);
    EXPECT_GT(size("otobus").x, size("araba").x * 1.8f);
    EXPECT_GT(size("agac").y, 15.0f);
    EXPECT_GT(size("ev").y, 15.0f);
    EXPECT_GT(size("ev").x, size("araba").x);
}

TEST(Models, EditorShapesHaveTheSizesThePlacementScalesAssume) {
    // Areas scale the cube by half their extent: it must be 2 x 2 x 2 around its origin.
    Ogre::AxisAlignedBox cube = buildModel("kup").bounds();
    EXPECT_EQ(cube.getMinimum(), Ogre::Vector3(-1, -1, -1));
    EXPECT_EQ(cube.getMaximum(), Ogre::Vector3(1, 1, 1));
    // Roads scale z by length / 11 around the segment's middle, and y by 0.1 at a height of 1.
    Ogre::AxisAlignedBox road = buildModel("yol").bounds();
    EXPECT_FLOAT_EQ(road.getMinimum().z, -5.5f);
    EXPECT_FLOAT_EQ(road.getMaximum().z, 5.5f);
    EXPECT_FLOAT_EQ(road.getMinimum().x, -road.getMaximum().x);
    EXPECT_NEAR(1.0f + road.getMinimum().y * 0.1f, 0.1f, 1e-5);  // reaches down to the ground
    EXPECT_NEAR(1.0f + road.getMaximum().y * 0.1f, 1.1f, 1e-5);  // deck just above its node
}

TEST(Models, MaterialScriptDefinesEachRequestedMaterialOnce) {
    std::string script = materialScript({"Model/Skin", "Model/MarkedArea", "Model/Asphalt"});
    EXPECT_NE(script.find("material Model/Skin\n"), std::string::npos);
    EXPECT_EQ(script.find("material Model/Hair"), std::string::npos);
    size_t area = script.find("material Model/MarkedArea");
    ASSERT_NE(area, std::string::npos);
    EXPECT_NE(script.find("scene_blend alpha_blend", area), std::string::npos);
    EXPECT_NE(script.find("depth_write off", area), std::string::npos);
    EXPECT_NE(script.find("texture asfalt.png"), std::string::npos);
    EXPECT_THROW(findMaterial("Model/Nothing"), std::out_of_range);
}

TEST(Icons, ObjectFillsThePictureOnATransparentBackground) {
    std::map<std::string, Image> textures = {{"asfalt.png", makeAsphaltTexture(16, 64)},
                                             {"bayrak_kumas.png", makeFlagTexture(24, 16)}};
    IconRenderer renderer(textures);
    for (const char* name : {"adam", "araba", "yol", "bayrak"}) {
        SCOPED_TRACE(name);
        Image icon = renderer.render(pictureModel(name), 56, 48);
        ASSERT_EQ(icon.width(), 56);
        ASSERT_EQ(icon.height(), 48);
        EXPECT_EQ(icon.at(0, 0).a, 0.0f);
        EXPECT_EQ(icon.at(55, 47).a, 0.0f);
        int covered = 0, minX = 56, maxX = -1, minY = 48, maxY = -1;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 56; ++x)
                if (icon.at(x, y).a > 0.5f) {
                    ++covered;
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                }
        EXPECT_GT(covered, 56 * 48 / 10);
        // Fitted: the object reaches across most of the picture in one direction.
        EXPECT_TRUE(maxX - minX > 44 || maxY - minY > 38) << minX << ".." << maxX << ", " << minY << ".." << maxY;
    }
}

TEST(Icons, CarPictureShowsTheBodyColour) {
    std::map<std::string, Image> none;
    Image icon = IconRenderer(none).render(buildModel("araba"), 64, 64);
    int red = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Colour& c = icon.at(x, y);
            red += c.a > 0.9f && c.r > 0.5f && c.g < 0.2f && c.b < 0.2f;
        }
    EXPECT_GT(red, 200);
}

TEST(Textures, FlagHasCrescentAndStarOnRed) {
    Image flag = makeFlagTexture(150, 100);
    EXPECT_GT(flag.at(5, 5).r, 0.8f);
    EXPECT_LT(flag.at(5, 5).g, 0.1f);
    EXPECT_GT(flag.at(29, 50).g, 0.9f);   // left rim of the crescent
    EXPECT_LT(flag.at(58, 50).g, 0.1f);   // red inside the crescent's hollow
    EXPECT_GT(flag.at(80, 50).g, 0.9f);   // centre of the star
}

TEST(Textures, AsphaltHasADashedCentreLine) {
    Image road = makeAsphaltTexture(100, 400);
    int whiteRows = 0;
    for (int y = 0; y < 400; ++y) whiteRows += road.at(50, y).r > 0.9f;
    EXPECT_NEAR(whiteRows, 240, 8);  // four dashes covering 60 % of the length
    EXPECT_LT(road.at(25, 10).r, 0.4f);
}
