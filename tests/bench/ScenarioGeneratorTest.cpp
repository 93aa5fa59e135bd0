#include "ScenarioGenerator.h"

#include "document/FileAccess.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

GeneratorSettings settings(std::size_t count, std::uint32_t seed = 1)
{
    GeneratorSettings s;
    s.count = count;
    s.seed = seed;
    s.meshes = {"adam.mesh", "ev.mesh", "agac.mesh"};
    return s;
}

TEST(ScenarioGenerator, SameSettingsGiveTheSameItemsAndAnotherSeedOthers)
{
    EXPECT_EQ(generateItems(settings(500)), generateItems(settings(500)));
    EXPECT_NE(generateItems(settings(500)), generateItems(settings(500, 2)));
}

TEST(ScenarioGenerator, MixesObjectsAreasAndRoadsOverTheWholeTerrain)
{
    const std::vector<Item> items = generateItems(settings(10000));
    ASSERT_EQ(10000u, items.size());
    std::size_t objects = 0, areas = 0, questions = 0, roads = 0;
    float lowX = 1e9f, highX = -1e9f, lowZ = 1e9f, highZ = -1e9f;
    for (const Item& item : items) {
        switch (item.kind) {
        case ItemKind::Object:
            ++objects;
            EXPECT_NE("yol.mesh", item.mesh);
            break;
        case ItemKind::Area:
            ++areas;
            ASSERT_TRUE(item.message.has_value());
            EXPECT_FALSE(item.message->text.empty());
            if (item.message->hasQuestions) {
                ++questions;
                EXPECT_GE(item.message->answerIndex, 1);
                EXPECT_LE(item.message->answerIndex, 4);
            }
            break;
        case ItemKind::Road:
            ++roads;
            // A road segment runs along one axis.
            EXPECT_TRUE(item.x1 == item.x2 || item.z1 == item.z2);
            break;
        default:
            ADD_FAILURE() << "an item of another kind";
        }
        for (float x : {item.x, item.x1, item.x2})
            EXPECT_LE(std::abs(x), 740.0f);
        for (float z : {item.z, item.z1, item.z2})
            EXPECT_LE(std::abs(z), 740.0f);
        if (item.kind == ItemKind::Object) {
            lowX = std::min(lowX, item.x), highX = std::max(highX, item.x);
            lowZ = std::min(lowZ, item.z), highZ = std::max(highZ, item.z);
        }
    }
    EXPECT_EQ(7000u, objects);
    EXPECT_EQ(2000u, areas);
    EXPECT_EQ(1000u, questions);
    EXPECT_EQ(1000u, roads);
    // Spread over the whole terrain, not bunched in one part of it.
    EXPECT_LT(lowX, -700.0f);
    EXPECT_GT(highX, 700.0f);
    EXPECT_LT(lowZ, -700.0f);
    EXPECT_GT(highZ, 700.0f);
}

TEST(ScenarioGenerator, ARegionHoldsEveryItemOfTheSameMix)
{
    GeneratorSettings street = settings(2400);
    street.region = {-120, -250, 120, 40};
    const std::vector<Item> items = generateItems(street);
    ASSERT_EQ(2400u, items.size());
    std::size_t objects = 0;
    for (const Item& item : items) {
        objects += item.kind == ItemKind::Object;
        for (float x : item.kind == ItemKind::Object ? std::vector<float>{item.x} : std::vector<float>{item.x1, item.x2}) {
            EXPECT_GE(x, -120.0f);
            EXPECT_LE(x, 120.0f);
        }
        for (float z : item.kind == ItemKind::Object ? std::vector<float>{item.z} : std::vector<float>{item.z1, item.z2}) {
            EXPECT_GE(z, -250.0f);
            EXPECT_LE(z, 40.0f);
        }
    }
    EXPECT_EQ(1680u, objects);
    EXPECT_NE(generateItems(settings(2400)), items);
}

TEST(ScenarioGenerator, ItsScenarioIsAFileTheEditorReadsBack)
{
    const std::vector<Item> items = generateItems(settings(2000));
    const std::string text = writeScenario(scenarioOf(items));
    const ScenarioParse parsed = parseScenario(text);
    ASSERT_FALSE(parsed.error.has_value()) << parsed.error->description;
    EXPECT_EQ(2000u, parsed.document.entries.size());
    EXPECT_EQ(text, writeScenario(parsed.document));
}

TEST(ScenarioGenerator, TakesTheCatalogsObjectMeshesWithoutTheRoadPiece)
{
    std::string catalog;
    ASSERT_EQ("", readWholeFile(SAHNE_SOURCE_DIR "/media/work/objects.txt", catalog));
    const std::vector<std::string> meshes = catalogMeshes(catalog);
    EXPECT_EQ(17u, meshes.size());
    EXPECT_EQ("adam.mesh", meshes.front());
    for (const std::string& mesh : meshes)
        EXPECT_NE("yol.mesh", mesh);
    EXPECT_THROW(generateItems(GeneratorSettings{}), std::invalid_argument);
}

}  // namespace
