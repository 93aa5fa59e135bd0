#include "TerrainImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

using namespace media;

namespace {

const char* validConfig =
    "# comment\nWorldTexture=terrain.png\nDetailTexture = detail.png \nHeightmap.image=height.png\n"
    "PageSize=129\nTileSize=33\nPageWorldX=1500\nPageWorldZ=1000\nMaxHeight=80\nMaxPixelError=3\n";

TerrainConfig parse(const std::string& text) { return parseTerrainConfig(text, "test terrain.cfg"); }

}  // namespace

TEST(Terrain, GroundIsFlatAndLowAroundTheOriginAndHillyFurtherOut) {
    TerrainConfig c = parse(validConfig);
    TerrainShape shape(c);
    for (float x = -220; x <= 220; x += 20)
        for (float z = -220; z <= 220; z += 20)
            if (x * x + z * z <= TerrainShape::flatRadius * TerrainShape::flatRadius) {
                EXPECT_EQ(shape.heightAt(x, z), 0.0f) << x << "," << z;
            }
    EXPECT_GT(shape.heightAt(0, -TerrainShape::flatRadius - 40), 0.0f);
    float highest = 0;
    for (float x = -750; x <= 750; x += 10)
        for (float z = -500; z <= 500; z += 10) {
            float h = shape.heightAt(x, z);
            ASSERT_GE(h, 0.0f);
            ASSERT_LE(h, 1.0f);
            highest = std::max(highest, h);
        }
    EXPECT_GT(highest, 0.5f);
    // Hills can be seen from the start view (looking from z = 80 towards -z).
    float ahead = 0;
    for (float x = -300; x <= 300; x += 10) ahead = std::max(ahead, shape.heightAt(x, -480));
    EXPECT_GT(ahead, 0.15f);
}

TEST(Terrain, HeightmapMatchesShapeAndPageSize) {
    TerrainConfig c = parse(validConfig);
    TerrainShape shape(c);
    Image map = makeHeightmap(c, shape);
    ASSERT_EQ(map.width(), 129);
    ASSERT_EQ(map.height(), 129);
    EXPECT_EQ(map.at(64, 64).r, 0.0f);  // the centre pixel is the origin
    // Row j is world z = -PageWorldZ/2 + j * step, column i is x.
    EXPECT_FLOAT_EQ(map.at(10, 120).r, shape.heightAt(-750 + 10 * 1500 / 128.0f, -500 + 120 * 1000 / 128.0f));
}

TEST(Terrain, PicturesHaveTheirLooks) {
    TerrainConfig c = parse(validConfig);
    Image world = makeWorldTexture(c, TerrainShape(c), 64);
    const Colour& centre = world.at(32, 32);
    EXPECT_GT(centre.g, centre.r);  // grass in the middle
    EXPECT_GT(centre.g, centre.b);

    Image detail = makeDetailTexture(32);
    float low = 1, high = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) low = std::min(low, detail.at(x, y).r), high = std::max(high, detail.at(x, y).r);
    EXPECT_GE(low, 0.7f);  // multiplied over the world texture: it must not darken it much
    EXPECT_GT(high - low, 0.08f);

    Image sky = makeCloudTexture(64);
    int blue = 0, white = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const Colour& s = sky.at(x, y);
            blue += s.b > s.r + 0.3f;
            white += s.r > 0.9f && s.b > 0.9f;
        }
    EXPECT_GT(blue, 64 * 64 / 4);
    EXPECT_GT(white, 64 * 64 / 20);
    // Tileable: the first and last columns continue into each other.
    float seam = 0;
    for (int y = 0; y < 64; ++y) seam = std::max(seam, std::fabs(sky.at(0, y).r - sky.at(63, y).r));
    EXPECT_LT(seam, 0.15f);
}
