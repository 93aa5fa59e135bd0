#include "app/EditorApplication.h"
#include "app/terrain/TerrainSceneManager.h"
#include "tests/support/HeadlessOgre.h"

#include <gtest/gtest.h>

#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreSceneNode.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const boxMesh = "scenarioTestBox.mesh";
const char* const stripMesh = "scenarioTestStrip.mesh";

void makeTestMeshes()
{
    auto& meshes = Ogre::MeshManager::getSingleton();
    for (const char* name : {boxMesh, stripMesh})
        if (!meshes.resourceExists(name))
            meshes.createPlane(name, Ogre::RGN_DEFAULT, Ogre::Plane(Ogre::Vector3::UNIT_Y, 0), 2, 2, 1, 1, true, 1, 1,
                               1, Ogre::Vector3::UNIT_Z);
}

// An editor with a headless scene; items are placed the way the user places them.
class ScenarioCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.sceneManager = &headlessogre::freshScene();
        makeTestMeshes();
        std::string pattern = (fs::temp_directory_path() / "sahne-scenario-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    static void put(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

    static std::string contentsOf(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    SceneItem create(const std::string& mesh, const Ogre::Vector3& at)
    {
        return createSceneItem(*app.sceneManager, app.session.editing.nameCounter, mesh, at);
    }

    ObjectRecord& placeObject(const Ogre::Vector3& at, const std::string& mesh = boxMesh)
    {
        const SceneItem item = create(mesh, at);
        registry().addObject(new ObjectRecord{item.node, item.entity, mesh, item.node->getName(), "human"});
        return *registry().objects.back();
    }

    AreaRecord& placeArea(float x1, float z1, float x2, float z2)
    {
        const SceneItem item = create(boxMesh, Ogre::Vector3((x1 + x2) / 2, 1, (z1 + z2) / 2));
        applyAreaGeometry(item.node, x1, z1, x2, z2);
        auto* area = new AreaRecord;
        area->node = item.node;
        area->entity = item.entity;
        area->meshName = boxMesh;
        area->nodeName = item.node->getName();
        area->typeName = "bluearea";
        area->x1 = x1, area->z1 = z1, area->x2 = x2, area->z2 = z2;
        registry().addArea(area);
        return *area;
    }

    void placeRoad(float x1, float z1, float x2, float z2)
    {
        const SceneItem item = create(stripMesh, Ogre::Vector3(x1, 1, z1));
        applyRoadGeometry(item.node, x1, z1, x2, z2);
        registry().addRoad(x1, z1, x2, z2, stripMesh, item.node);
    }

    static MessageData questions(const std::string& text, int answer)
    {
        MessageData data;
        data.hasQuestions = 1;
        data.text = text;
        data.questions = {"North", "South", "East", "West"};
        data.answerIndex = answer;
        return data;
    }

    ObjectRegistry& registry() { return app.session.registry; }

    EditorApplication app;
    fs::path folder;
};

// The registry as plain values, to see that a failed load changed nothing.
struct RegistrySnapshot {
    explicit RegistrySnapshot(const ObjectRegistry& registry)
    {
        for (const auto& object : registry.objects)
            nodes.push_back(object->node);
        for (const auto& area : registry.areas)
            nodes.push_back(area->node);
        for (const auto& road : registry.roads)
            nodes.push_back(road->node);
        for (Ogre::SceneNode* node : nodes)
            attached.push_back(node->getParent() != nullptr);
    }
    bool operator==(const RegistrySnapshot& other) const { return nodes == other.nodes && attached == other.attached; }

    std::vector<Ogre::SceneNode*> nodes;
    std::vector<bool> attached;
};

const std::string expectedFile = std::string("human ") + boxMesh + " -3 0 12\n"
    + "bluearea " + boxMesh + " 5 1 6 0 0 10 12 1 2\n"
    + "Where is the well?\nNorth\nSouth\nEast\nWest\n"
    + "bluearea " + boxMesh + " -20 1 -20 -30 -30 -10 -10 1 -1\nOnly a note\n"
    + "bluearea " + boxMesh + " 0 1 0 -1 -1 1 1 0 0\n"
    + "road " + stripMesh + " 0 0 0 33";

}  // namespace

TEST_F(ScenarioCommandsTest, SavesTheRegistryInFileLayout)
{
    placeObject(Ogre::Vector3(-3.7f, 0.2f, 12.9f));
    registry().setMessage(placeArea(0, 0, 10, 12), questions("Where is the well?", 2));
    AreaRecord& noted = placeArea(-30, -30, -10, -10);
    registry().setMessage(noted, questions("Old questions stay in the record", 3));
    MessageData note;
    note.text = "Only a note";
    registry().setMessage(noted, note);
    placeArea(-1, -1, 1, 1);
    placeRoad(0, 0, 0, 33);

    ASSERT_TRUE(app.saveScenario(path("saved.zev")));
    EXPECT_EQ(contentsOf(path("saved.zev")), expectedFile);
}

TEST_F(ScenarioCommandsTest, EmptyRegistrySavesAnEmptyFileThatLoadsEmpty)
{
    ASSERT_TRUE(app.saveScenario(path("empty.zev")));
    EXPECT_EQ(contentsOf(path("empty.zev")), "");
    placeObject(Ogre::Vector3::ZERO);
    ASSERT_TRUE(app.loadScenario(path("empty.zev")));
    EXPECT_TRUE(registry().objects.empty() && registry().areas.empty() && registry().roads.empty());
}

TEST_F(ScenarioCommandsTest, LoadRebuildsTheSceneAndSavesTheSameBytesAgain)
{
    put(path("in.zev"), expectedFile);
    ASSERT_TRUE(app.loadScenario(path("in.zev")));

    ASSERT_EQ(registry().objects.size(), 1u);
    ASSERT_EQ(registry().areas.size(), 3u);
    ASSERT_EQ(registry().roads.size(), 1u);
    const ObjectRecord& object = *registry().objects[0];
    EXPECT_EQ(object.node->getPosition(), Ogre::Vector3(-3, 0, 12));
    EXPECT_EQ(object.node->getParent(), app.sceneManager->getRootSceneNode());
    EXPECT_EQ(object.typeName, "human");
    EXPECT_EQ(object.meshName, boxMesh);
    EXPECT_EQ(object.entity->getParentSceneNode(), object.node);

    const AreaRecord& marked = *registry().areas[0];
    EXPECT_EQ(marked.node->getPosition(), Ogre::Vector3(5, 1, 6));
    EXPECT_EQ(marked.node->getScale(), Ogre::Vector3(5, 0.1f, 6));
    EXPECT_EQ((std::array<float, 4>{marked.x1, marked.z1, marked.x2, marked.z2}), (std::array<float, 4>{0, 0, 10, 12}));
    ASSERT_TRUE(marked.message);
    EXPECT_EQ(marked.message->text, "Where is the well?");
    EXPECT_EQ(marked.message->hasQuestions, 1);
    EXPECT_EQ(marked.message->questions[3], "West");
    EXPECT_EQ(marked.message->answerIndex, 2);
    ASSERT_TRUE(registry().areas[1]->message);
    EXPECT_EQ(registry().areas[1]->message->hasQuestions, 0);
    EXPECT_EQ(registry().areas[1]->message->answerIndex, -1);
    EXPECT_FALSE(registry().areas[2]->message);

    const RoadRecord& road = *registry().roads[0];
    EXPECT_EQ(road.node->getPosition(), Ogre::Vector3(1, 1, 16.5f));
    EXPECT_EQ(road.node->getScale(), Ogre::Vector3(2, 0.1f, 3));

    ASSERT_TRUE(app.saveScenario(path("out.zev")));
    EXPECT_EQ(contentsOf(path("out.zev")), expectedFile);
}

TEST_F(ScenarioCommandsTest, LoadedItemsTakeTheirNamesFromTheRunningCounter)
{
    placeObject(Ogre::Vector3::ZERO);
    placeArea(0, 0, 4, 4);
    placeRoad(0, 0, 10, 0);
    const std::vector<Ogre::SceneNode*> before = RegistrySnapshot(registry()).nodes;
    put(path("two.zev"), std::string("human ") + boxMesh + " 1 0 1\nroad " + stripMesh + " 0 0 5 0");

    ASSERT_TRUE(app.loadScenario(path("two.zev")));
    EXPECT_EQ(registry().objects[0]->entity->getName(), "Human3");
    EXPECT_EQ(registry().objects[0]->nodeName, "Human3Node");
    EXPECT_EQ(registry().roads[0]->node->getName(), "Human4Node");
    EXPECT_EQ(app.session.editing.nameCounter, 5);
    for (Ogre::SceneNode* old : before)
        EXPECT_EQ(old->getParent(), nullptr) << old->getName() << " still shows";
}

TEST_F(ScenarioCommandsTest, LoadingEndsTheSelectionAndHidesItsBox)
{
    Ogre::SceneNode* selected = placeObject(Ogre::Vector3::ZERO).node;
    selected->showBoundingBox(true);
    app.session.editing.selectedNode = selected;
    put(path("one.zev"), std::string("human ") + boxMesh + " 1 0 1");

    ASSERT_TRUE(app.loadScenario(path("one.zev")));
    EXPECT_EQ(app.session.editing.selectedNode, nullptr);
    EXPECT_FALSE(selected->getShowBoundingBox());
}

TEST_F(ScenarioCommandsTest, OtherTypesShowButAreNeitherKeptNorSaved)
{
    put(path("tree.zev"), std::string("tree ") + boxMesh + " 7 8 9\nhuman " + boxMesh + " 1 2 3");
    ASSERT_TRUE(app.loadScenario(path("tree.zev")));
    ASSERT_EQ(registry().objects.size(), 1u);
    Ogre::Entity* tree = app.sceneManager->getEntity("Human0");
    EXPECT_EQ(tree->getParentSceneNode()->getPosition(), Ogre::Vector3(7, 8, 9));
    EXPECT_EQ(tree->getParentSceneNode()->getParent(), app.sceneManager->getRootSceneNode());

    ASSERT_TRUE(app.saveScenario(path("again.zev")));
    EXPECT_EQ(contentsOf(path("again.zev")), std::string("human ") + boxMesh + " 1 2 3");
}

// Picking asks for query flags 2: loaded items answer it like placed ones.
TEST_F(ScenarioCommandsTest, LoadedItemsCanBePicked)
{
    put(path("pick.zev"), std::string("human ") + boxMesh + " 1 0 1\nbluearea " + boxMesh + " 0 1 0 -1 -1 1 1 0 0");
    ASSERT_TRUE(app.loadScenario(path("pick.zev")));
    EXPECT_NE(registry().objects[0]->entity->getQueryFlags() & 2u, 0u);
    EXPECT_NE(registry().areas[0]->entity->getQueryFlags() & 2u, 0u);
}

TEST_F(ScenarioCommandsTest, BadFilesLeaveTheSceneAsItWas)
{
    placeObject(Ogre::Vector3(1, 0, 1));
    registry().setMessage(placeArea(0, 0, 4, 4), questions("Kept", 1));
    placeRoad(0, 0, 10, 0);
    const RegistrySnapshot before(registry());
    const int counter = app.session.editing.nameCounter;

    struct Case {
        std::string file;
        std::string expectedInNotice;
    };
    put(path("number.zev"), std::string("human ") + boxMesh + " 1 0 1\nhuman " + boxMesh + " 1 zwei 1");
    put(path("cut.zev"), std::string("human ") + boxMesh + " 1 0 1\nbluearea " + boxMesh + " 0 1 0 -1 -1 1 1 1 2\nQ\na\n");
    put(path("mesh.zev"), std::string("human ") + boxMesh + " 1 0 1\n\nroad noSuchMesh.mesh 0 0 1 1");
    fs::create_directory(path("folder.zev"));
    for (const Case& bad : {Case{"number.zev", "satir 2"}, Case{"cut.zev", "satir 2"}, Case{"mesh.zev", "satir 3: \"noSuchMesh.mesh\" modeli yuklenemiyor (model dosyasi bulunamadi)"},
                            Case{"missing.zev", "dosya ya da klasor yok"}, Case{"folder.zev", "bu bir klasor"}}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.loadScenario(path(bad.file))) << bad.file;
        const std::string logged = testing::internal::GetCapturedStderr();
        // The notice is the line that tells the scene is unchanged; the system's and the
        // engine's own English text may be logged beside it, never inside it.
        const std::size_t end = logged.find("Sahne degismedi.");
        ASSERT_NE(end, std::string::npos) << logged;
        const std::size_t start = logged.rfind('\n', end) == std::string::npos ? 0 : logged.rfind('\n', end) + 1;
        const std::string notice = logged.substr(start, end - start);
        EXPECT_NE(notice.find(path(bad.file)), std::string::npos) << notice;
        EXPECT_NE(notice.find(bad.expectedInNotice), std::string::npos) << notice;
        for (const char* english : {"No such", "directory", "Cannot", "resource", "locate"})
            EXPECT_EQ(notice.find(english), std::string::npos) << notice;
        EXPECT_TRUE(RegistrySnapshot(registry()) == before) << bad.file;
        EXPECT_EQ(app.session.editing.nameCounter, counter) << bad.file;
    }
    EXPECT_EQ(registry().areas[0]->message->text, "Kept");
}

TEST_F(ScenarioCommandsTest, FailedSavesKeepTheOldFileAndSaySo)
{
    placeObject(Ogre::Vector3(1, 0, 1));
    put(path("old.zev"), "the old scenario");
    put(path("plain"), "a file, not a folder");
    fs::create_directory(path("folder.zev"));

    for (const std::string& target : {path("folder.zev"), path("plain/new.zev")}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(app.saveScenario(target));
        EXPECT_NE(testing::internal::GetCapturedStderr().find(target), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(path("folder.zev")));

    // A mesh name the file cannot hold is refused before anything is written.
    registry().objects[0]->meshName = "two words.mesh";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(app.saveScenario(path("old.zev")));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("two words.mesh"), std::string::npos);
    EXPECT_EQ(contentsOf(path("old.zev")), "the old scenario");
}
