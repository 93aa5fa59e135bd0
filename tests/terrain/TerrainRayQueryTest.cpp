#include "scene/terrain/TerrainSceneManager.h"

#include "TerrainTestFolder.h"

#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreMeshManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

using Fragment = Ogre::SceneQuery::WorldFragment;

// A cube mesh from -1 to 1 on each axis, made once per process.
const char* cubeMesh() {
    static const char* const name = "TerrainTestCube.mesh";
    headlessogre::root();
    if (!Ogre::MeshManager::getSingleton().resourceExists(name)) {
        TerrainSceneManager& scratch = headlessogre::freshScene();
        Ogre::ManualObject* cube = scratch.createManualObject();
        cube->begin("BaseWhite");
        for (int i = 0; i < 8; ++i) cube->position(i & 1 ? 1 : -1, i & 2 ? 1 : -1, i & 4 ? 1 : -1);
        cube->triangle(0, 1, 2);
        cube->triangle(5, 6, 7);
        cube->end();
        cube->convertToMesh(name);
    }
    return name;
}

class TerrainRayQueryTest : public TerrainTest {
protected:
    // A flat terrain at height 10 over -50..50 in x and z.
    void SetUp() override {
        TerrainTest::SetUp();
        cubeMesh();  // first: making it takes a scene of its own
        scene = &headlessogre::sceneWithTerrain(
            headlessogre::writeTestTerrain(directory, std::vector<std::uint8_t>(25, 255), 5, 100, 100, 10));
        query = scene->createRayQuery(Ogre::Ray(), 0xFFFFFFFF);
    }
    void TearDown() override {
        scene->destroyQuery(query);
        TerrainTest::TearDown();
    }

    Ogre::Entity* cubeAt(const std::string& name, const Ogre::Vector3& position, Ogre::uint32 flags) {
        Ogre::Entity* entity = scene->createEntity(name, cubeMesh());
        entity->setQueryFlags(flags);
        scene->getRootSceneNode()->createChildSceneNode(position)->attachObject(entity);
        return entity;
    }

    Ogre::RaySceneQueryResult& castDown(float x, float z) {
        query->setRay(Ogre::Ray(Ogre::Vector3(x, 5000, z), Ogre::Vector3::NEGATIVE_UNIT_Y));
        return query->execute();
    }

    static std::vector<const Fragment*> fragments(const Ogre::RaySceneQueryResult& result) {
        std::vector<const Fragment*> found;
        for (const auto& entry : result) {
            if (entry.worldFragment) found.push_back(entry.worldFragment);
        }
        return found;
    }

    TerrainSceneManager* scene = nullptr;
    Ogre::RaySceneQuery* query = nullptr;
};

}  // namespace

TEST_F(TerrainRayQueryTest, ARayStraightDownReportsTheTerrainPointAsTheOnlyEntry) {
    const auto& result = castDown(12.5f, -33);
    ASSERT_EQ(result.size(), 1u);
    EXPECT_EQ(result[0].movable, nullptr);
    ASSERT_NE(result[0].worldFragment, nullptr);
    EXPECT_EQ(result[0].worldFragment->fragmentType, Ogre::SceneQuery::WFT_SINGLE_INTERSECTION);
    EXPECT_TRUE(result[0].worldFragment->singleIntersection.positionEquals(Ogre::Vector3(12.5f, 10, -33)));
    EXPECT_FLOAT_EQ(result[0].distance, 4990);
}

TEST_F(TerrainRayQueryTest, ACameraRayMeetsTheSlopeWhereItShould) {
    // A ramp rising from 0 at x = -50 to 40 at x = 50: pixels 0, 51, ..., 204 of
    // 255 times 50 give heights 0, 10, ..., 40, so height = 0.4 * (x + 50).
    std::vector<std::uint8_t> ramp;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) ramp.push_back(std::uint8_t(column * 51));
    }
    scene->setWorldGeometry(headlessogre::writeTestTerrain(directory + "/ramp", ramp, 5, 100, 100, 50));
    // From a camera at (-40, 50, 5) looking along +x and down 45 degrees:
    // y = 50 - (x + 40) meets 0.4 * (x + 50) at x = -10 / 1.4.
    query->setRay(Ogre::Ray(Ogre::Vector3(-40, 50, 5), Ogre::Vector3(1, -1, 0).normalisedCopy()));
    const auto found = fragments(query->execute());
    ASSERT_EQ(found.size(), 1u);
    const float x = -10 / 1.4f;
    EXPECT_TRUE(found[0]->singleIntersection.positionEquals(Ogre::Vector3(x, 0.4f * (x + 50), 5), 1e-3f))
        << found[0]->singleIntersection;
}

TEST_F(TerrainRayQueryTest, ARayThatMissesTheTerrainHasNoFragment) {
    EXPECT_TRUE(castDown(60, 0).empty());
    query->setRay(Ogre::Ray(Ogre::Vector3(0, 20, 0), Ogre::Vector3::UNIT_Y));
    EXPECT_TRUE(query->execute().empty());
    query->setRay(Ogre::Ray(Ogre::Vector3(0, 20, 0), Ogre::Vector3(1, 0.01f, 0)));
    EXPECT_TRUE(query->execute().empty());
}

TEST_F(TerrainRayQueryTest, EntitiesInFrontAndBehindAreSortedAroundTheFragment) {
    Ogre::Entity* below = cubeAt("below", Ogre::Vector3(3, -20, 4), 2);
    Ogre::Entity* above = cubeAt("above", Ogre::Vector3(3, 40, 4), 2);
    query->setSortByDistance(true, 0);
    const auto& result = castDown(3, 4);
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[0].movable, above);
    EXPECT_EQ(result[0].worldFragment, nullptr);
    EXPECT_FLOAT_EQ(result[0].distance, 5000 - 41);
    EXPECT_EQ(result[1].movable, nullptr);
    ASSERT_NE(result[1].worldFragment, nullptr);
    EXPECT_FLOAT_EQ(result[1].worldFragment->singleIntersection.y, 10);
    EXPECT_EQ(result[2].movable, below);
    EXPECT_EQ(result[2].worldFragment, nullptr);
}

TEST_F(TerrainRayQueryTest, TheMaximumNumberOfResultsKeepsTheNearest) {
    cubeAt("above", Ogre::Vector3(0, 40, 0), 2);
    cubeAt("higher", Ogre::Vector3(0, 80, 0), 2);
    query->setSortByDistance(true, 2);
    const auto& result = castDown(0, 0);
    ASSERT_EQ(result.size(), 2u);
    EXPECT_EQ(result[0].movable->getName(), "higher");
    EXPECT_EQ(result[1].movable->getName(), "above");
}

TEST_F(TerrainRayQueryTest, TheQueryMaskFiltersObjectsButNotTheTerrain) {
    cubeAt("placed", Ogre::Vector3(0, 40, 0), 2);
    cubeAt("other", Ogre::Vector3(0, 60, 0), 1);
    query->setQueryMask(2);
    const auto& result = castDown(0, 0);
    std::vector<std::string> names;
    for (const auto& entry : result) {
        if (entry.movable) names.push_back(entry.movable->getName());
    }
    EXPECT_EQ(names, std::vector<std::string>{"placed"});
    EXPECT_EQ(fragments(result).size(), 1u);
}

TEST_F(TerrainRayQueryTest, ObjectsMovedSinceTheLastFrameAreFoundWhereTheyAreNow) {
    Ogre::Entity* cube = cubeAt("moving", Ogre::Vector3(0, 40, 0), 2);
    ASSERT_EQ(castDown(0, 0).size(), 2u);
    cube->getParentSceneNode()->setPosition(30, 40, 30);
    const auto& result = castDown(30, 30);
    ASSERT_EQ(result.size(), 2u);
    EXPECT_TRUE(std::any_of(result.begin(), result.end(), [&](const auto& e) { return e.movable == cube; }));
    EXPECT_EQ(castDown(0, 0).size(), 1u);
}

TEST_F(TerrainRayQueryTest, WorldFragmentsCanBeSwitchedOff) {
    const auto* supported = query->getSupportedWorldFragmentTypes();
    EXPECT_TRUE(supported->count(Ogre::SceneQuery::WFT_SINGLE_INTERSECTION));
    EXPECT_EQ(query->getWorldFragmentType(), Ogre::SceneQuery::WFT_SINGLE_INTERSECTION);
    cubeAt("cube", Ogre::Vector3(0, 40, 0), 2);

    query->setWorldFragmentType(Ogre::SceneQuery::WFT_NONE);
    auto* result = &castDown(0, 0);
    EXPECT_EQ(result->size(), 1u);
    EXPECT_TRUE(fragments(*result).empty());

    query->setWorldFragmentType(Ogre::SceneQuery::WFT_SINGLE_INTERSECTION);
    query->setQueryTypeMask(Ogre::SceneManager::ENTITY_TYPE_MASK);
    result = &castDown(0, 0);
    EXPECT_EQ(result->size(), 1u);
    EXPECT_TRUE(fragments(*result).empty());

    query->setQueryTypeMask(Ogre::SceneManager::WORLD_GEOMETRY_TYPE_MASK);
    result = &castDown(0, 0);
    ASSERT_EQ(result->size(), 1u);
    EXPECT_NE((*result)[0].worldFragment, nullptr);
}

TEST_F(TerrainRayQueryTest, AListenerCanStopAtTheTerrain) {
    struct FirstOnly : Ogre::RaySceneQueryListener {
        int calls = 0;
        bool queryResult(Ogre::MovableObject*, Ogre::Real) override { return ++calls, false; }
        bool queryResult(Ogre::SceneQuery::WorldFragment*, Ogre::Real) override { return ++calls, false; }
    } listener;
    cubeAt("cube", Ogre::Vector3(0, 40, 0), 2);
    query->setRay(Ogre::Ray(Ogre::Vector3(0, 5000, 0), Ogre::Vector3::NEGATIVE_UNIT_Y));
    query->execute(&listener);
    EXPECT_EQ(listener.calls, 1);
}

TEST(StagedTerrainRay, TheRayDownFromAboveTheOriginFindsTheGround) {
    TerrainSceneManager* scene = headlessogre::sceneWithStagedTerrain();
    if (!scene) GTEST_SKIP() << "terrain.cfg is not staged yet";
    Ogre::RaySceneQuery* query =
        scene->createRayQuery(Ogre::Ray(Ogre::Vector3(0, 5000, 0), Ogre::Vector3::NEGATIVE_UNIT_Y), 0xFFFFFFFF);
    const auto& result = query->execute();
    ASSERT_EQ(result.size(), 1u);
    ASSERT_NE(result[0].worldFragment, nullptr);
    EXPECT_NEAR(result[0].worldFragment->singleIntersection.y, *scene->getHeightAt(0, 0), 1e-3);
    scene->destroyQuery(query);
}
