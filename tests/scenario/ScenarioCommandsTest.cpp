#include "app/Editor.h"
#include "document/Commands.h"
#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/HeadlessOgre.h"

#include <gtest/gtest.h>

#include <CEGUI/CEGUI.h>
#include <OgreEntity.h>
#include <OgreMeshManager.h>
#include <OgreSceneNode.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const boxMesh = "scenarioTestBox.mesh";
const char* const stripMesh = "scenarioTestStrip.mesh";
// A mesh that loads but whose name the file cannot hold.
const char* const spacedMesh = "two words.mesh";

void makeTestMeshes()
{
    auto& meshes = Ogre::MeshManager::getSingleton();
    for (const char* name : {boxMesh, stripMesh, spacedMesh})
        if (!meshes.resourceExists(name))
            meshes.createPlane(name, Ogre::RGN_DEFAULT, Ogre::Plane(Ogre::Vector3::UNIT_Y, 0), 2, 2, 1, 1, true, 1, 1,
                               1, Ogre::Vector3::UNIT_Z);
}

// The editor's panels need their windows: the real layout, with the camera
// view picture that a successful load switches to.
void loadInterface()
{
    headlessgui::loadRootLayout("guiLayout800X600.layout");
    if (!CEGUI::ImageManager::getSingleton().isDefined("cameraImageSet/cameraImage"))
        CEGUI::ImageManager::getSingleton().create("BasicImage", "cameraImageSet/cameraImage");
}

// The editor over a headless scene, loading and saving through its document
// controller; items are added as the editing tools add them, by commands.
class ScenarioCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ogre::SceneManager& scene = headlessogre::freshScene();
        makeTestMeshes();
        loadInterface();
        camera = scene.createCamera("PlayerCam");
        // Every item of the tests is in its view.
        camera->setPosition(0, 60, 70);
        camera->lookAt(0, 0, 0);
        camera->setNearClipDistance(1);
        editor = std::make_unique<Editor>(scene, *camera);
        sceneManager = &scene;
        std::string pattern = (fs::temp_directory_path() / "sahne-scenario-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        editor.reset();
        headlessgui::resetRoot();
        fs::remove_all(folder);
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    static void put(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

    static std::string contentsOf(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    Document& document() { return editor->document(); }
    ItemId nextId() { return document().peekId(); }

    ItemId add(Item item)
    {
        EXPECT_EQ(document().execute(std::make_unique<AddItem>(item)), "");
        return item.id;
    }
    ItemId addObject(float x = 0, float z = 0, const std::string& mesh = boxMesh)
    {
        return add(makeObject(nextId(), mesh, x, z));
    }
    ItemId addArea(float x1, float z1, float x2, float z2, std::optional<ScenarioMessage> message = {})
    {
        Item area = makeArea(nextId(), boxMesh, x1, z1, x2, z2);
        area.message = std::move(message);
        return add(area);
    }

    // Opening and saving with what was written to standard error on the way.
    bool open(const std::string& file) { return capture([&] { return editor->documents().openFile(file); }); }
    bool save(const std::string& file) { return capture([&] { return editor->documents().saveFile(file); }); }
    template <typename Call>
    bool capture(Call call)
    {
        testing::internal::CaptureStderr();
        const bool done = call();
        notice = testing::internal::GetCapturedStderr();
        return done;
    }

    static ScenarioMessage questions(const std::string& text, int answer)
    {
        return ScenarioMessage{text, true, {"North", "South", "East", "West"}, answer};
    }

    // Whether the camera's view draws the item, as a frame would.
    bool shows(ItemId id) const
    {
        std::vector<ItemId> drawn;
        editor->mirror().drawnFor(*camera, drawn);
        return std::find(drawn.begin(), drawn.end(), id) != drawn.end();
    }

    std::unique_ptr<Editor> editor;
    Ogre::SceneManager* sceneManager = nullptr;
    Ogre::Camera* camera = nullptr;
    fs::path folder;
    std::string notice;
};

const std::string expectedFile = std::string("human ") + boxMesh + " -3 0 12\n"
    + "bluearea " + boxMesh + " 5 1 6 0 0 10 12 1 2\n"
    + "Where is the well?\nNorth\nSouth\nEast\nWest\n"
    + "bluearea " + boxMesh + " -20 1 -20 -30 -30 -10 -10 1 -1\nOnly a note\n"
    + "bluearea " + boxMesh + " 0 1 0 -1 -1 1 1 0 0\n"
    + "road " + stripMesh + " 0 0 0 33";

}  // namespace

TEST_F(ScenarioCommandsTest, SavesTheDocumentInFileLayout)
{
    addObject(-3.7f, 12.9f);
    addArea(0, 0, 10, 12, questions("Where is the well?", 2));
    // Questions no longer in use stay with the area but are not written.
    addArea(-30, -30, -10, -10, ScenarioMessage{"Only a note", false, {"North", "South", "East", "West"}, -1});
    addArea(-1, -1, 1, 1);
    add(makeRoad(nextId(), stripMesh, 0, 0, 0, 33));

    ASSERT_TRUE(save(path("saved.zev"))) << notice;
    EXPECT_EQ(contentsOf(path("saved.zev")), expectedFile);
    EXPECT_EQ(document().path(), path("saved.zev"));
    EXPECT_FALSE(document().modified());
}

TEST_F(ScenarioCommandsTest, EmptyDocumentSavesAnEmptyFileThatLoadsEmpty)
{
    ASSERT_TRUE(save(path("empty.zev")));
    EXPECT_EQ(contentsOf(path("empty.zev")), "");
    const ItemId object = addObject();
    ASSERT_TRUE(shows(object));
    ASSERT_TRUE(open(path("empty.zev")));
    EXPECT_TRUE(document().items().empty());
    EXPECT_FALSE(shows(object));
}

TEST_F(ScenarioCommandsTest, LoadRebuildsTheSceneAndSavesTheSameBytesAgain)
{
    put(path("in.zev"), expectedFile);
    ASSERT_TRUE(open(path("in.zev"))) << notice;
    EXPECT_EQ(document().path(), path("in.zev"));
    EXPECT_FALSE(document().modified());

    const std::vector<Item>& items = document().items();
    ASSERT_EQ(items.size(), 5u);
    const ItemKind kinds[] = {ItemKind::Object, ItemKind::Area, ItemKind::Area, ItemKind::Area, ItemKind::Road};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].kind, kinds[i]) << i;
        EXPECT_TRUE(shows(items[i].id)) << i;
    }
    EXPECT_EQ(editor->mirror().placement(items[0].id)->position, Ogre::Vector3(-3, 0, 12));
    EXPECT_EQ(items[0].type, "human");
    EXPECT_EQ(items[0].mesh, boxMesh);

    const Item& marked = items[1];
    EXPECT_EQ(editor->mirror().placement(marked.id)->position, Ogre::Vector3(5, 1, 6));
    EXPECT_EQ(editor->mirror().placement(marked.id)->scale, Ogre::Vector3(5, 0.1f, 6));
    EXPECT_EQ((std::array<float, 4>{marked.x1, marked.z1, marked.x2, marked.z2}), (std::array<float, 4>{0, 0, 10, 12}));
    EXPECT_EQ(marked.message, questions("Where is the well?", 2));
    ASSERT_TRUE(items[2].message);
    EXPECT_FALSE(items[2].message->hasQuestions);
    EXPECT_EQ(items[2].message->answerIndex, -1);
    EXPECT_FALSE(items[3].message);

    const Placement* road = editor->mirror().placement(items[4].id);
    // From its start (0, 0) to its end (0, 33): its middle, one above the ground.
    EXPECT_EQ(road->position, Ogre::Vector3(0, 1, 16.5f));
    EXPECT_EQ(road->scale, Ogre::Vector3(2, 0.1f, 3));

    ASSERT_TRUE(save(path("out.zev")));
    EXPECT_EQ(contentsOf(path("out.zev")), expectedFile);
}

TEST_F(ScenarioCommandsTest, LoadedItemsTakeTheNextIdsAndTheOldOnesGo)
{
    const std::vector<ItemId> before{addObject(), addArea(0, 0, 4, 4), add(makeRoad(nextId(), stripMesh, 0, 0, 10, 0))};
    put(path("two.zev"), std::string("human ") + boxMesh + " 1 0 1\nroad " + stripMesh + " 0 0 5 0");
    for (ItemId old : before)
        ASSERT_TRUE(shows(old)) << old;

    ASSERT_TRUE(open(path("two.zev")));
    for (ItemId old : before)
        EXPECT_FALSE(shows(old)) << old << " still shows";
    EXPECT_EQ(document().items()[0].id, 3);
    EXPECT_TRUE(shows(3));
    EXPECT_TRUE(shows(4));
    editor->selection().select(3);
    EXPECT_EQ(sceneManager->getEntity("Human3")->getParentSceneNode()->getName(), "Human3Node");
    editor->selection().select(4);
    EXPECT_EQ(editor->mirror().nodeOf(4)->getName(), "Human4Node");
    EXPECT_EQ(document().peekId(), 5);
}

TEST_F(ScenarioCommandsTest, LoadingEndsTheSelection)
{
    editor->selection().select(addObject(), SelectionChange::Silent);
    put(path("one.zev"), std::string("human ") + boxMesh + " 1 0 1");

    ASSERT_TRUE(open(path("one.zev")));
    EXPECT_FALSE(editor->selection().selected());
    EXPECT_EQ(editor->mirror().nodeOf(document().items()[0].id), nullptr) << "no box shown";
    EXPECT_EQ(editor->mirror().shownCount(), 0u);
}

TEST_F(ScenarioCommandsTest, OtherTypesShowButAreNotSaved)
{
    put(path("tree.zev"), std::string("tree ") + boxMesh + " 7 8 9\nhuman " + boxMesh + " 1 2 3");
    ASSERT_TRUE(open(path("tree.zev")));
    ASSERT_EQ(document().items().size(), 2u);
    const Item& tree = document().items()[0];
    EXPECT_EQ(tree.kind, ItemKind::Other);
    EXPECT_FALSE(isMovable(tree));
    EXPECT_EQ(editor->mirror().placement(tree.id)->position, Ogre::Vector3(7, 8, 9));
    EXPECT_TRUE(shows(tree.id));

    ASSERT_TRUE(save(path("again.zev")));
    EXPECT_EQ(contentsOf(path("again.zev")), std::string("human ") + boxMesh + " 1 2 3");
}

TEST_F(ScenarioCommandsTest, DeletingAnEntryOfAnotherTypeTakesItOutOfTheViewAndTheSelection)
{
    put(path("tree.zev"), std::string("tree ") + boxMesh + " 7 8 9\nhuman " + boxMesh + " 1 2 3");
    ASSERT_TRUE(open(path("tree.zev")));
    const ItemId tree = document().items()[0].id;
    editor->selection().select(tree);
    ASSERT_TRUE(shows(tree));

    EXPECT_TRUE(editor->documents().deleteSelected());
    EXPECT_EQ(document().find(tree), nullptr);
    EXPECT_EQ(editor->mirror().nodeOf(tree), nullptr);
    EXPECT_FALSE(shows(tree));
    EXPECT_TRUE(editor->selection().empty());
    EXPECT_EQ(document().items().size(), 1u);
}

// Loaded items are found by picks as placed ones are.
TEST_F(ScenarioCommandsTest, LoadedItemsCanBePicked)
{
    put(path("pick.zev"), std::string("human ") + boxMesh + " 1 0 1\nbluearea " + boxMesh + " 0 1 0 -1 -1 1 1 0 0");
    ASSERT_TRUE(open(path("pick.zev")));
    for (const Item& item : document().items()) {
        const Ogre::Vector3 at = editor->mirror().placement(item.id)->position;
        const std::vector<PickHit> hits =
            editor->picker().pick(Ogre::Ray(at + Ogre::Vector3(0, 50, 0), Ogre::Vector3::NEGATIVE_UNIT_Y));
        EXPECT_TRUE(std::any_of(hits.begin(), hits.end(), [&](const PickHit& hit) { return hit.item == item.id; }))
            << item.id;
    }
}

TEST_F(ScenarioCommandsTest, BadFilesLeaveTheDocumentAndTheSceneAsTheyWere)
{
    addObject(1, 1);
    addArea(0, 0, 4, 4, questions("Kept", 1));
    add(makeRoad(nextId(), stripMesh, 0, 0, 10, 0));
    ASSERT_TRUE(save(path("kept.zev")));
    addObject(2, 2);
    const std::vector<Item> before = document().items();
    const ItemId next = nextId();

    struct Case {
        std::string file;
        std::string expectedInNotice;
    };
    put(path("number.zev"), std::string("human ") + boxMesh + " 1 0 1\nhuman " + boxMesh + " 1 zwei 1");
    put(path("cut.zev"), std::string("human ") + boxMesh + " 1 0 1\nbluearea " + boxMesh + " 0 1 0 -1 -1 1 1 1 2\nQ\na\n");
    put(path("mesh.zev"), std::string("human ") + boxMesh + " 1 0 1\n\nroad noSuchMesh.mesh 0 0 1 1");
    fs::create_directory(path("folder.zev"));
    for (const Case& bad : {Case{"number.zev", "bir senaryo dosyasi degil ya da bozuk: satir 2"},
                            Case{"cut.zev", "satir 2"},
                            Case{"mesh.zev", "satir 3: \"noSuchMesh.mesh\" modeli yuklenemedi (model dosyasi bulunamadi)"},
                            Case{"missing.zev", "dosya ya da klasor yok"}, Case{"folder.zev", "bu bir klasor"}}) {
        EXPECT_FALSE(open(path(bad.file))) << bad.file;
        // The notice is the line that tells the scene is unchanged; the system's and the
        // engine's own English text may be logged beside it, never inside it.
        const std::size_t end = notice.find("Sahne degismedi.");
        ASSERT_NE(end, std::string::npos) << notice;
        const std::size_t newline = notice.rfind('\n', end);
        const std::size_t begin = newline == std::string::npos ? 0 : newline + 1;
        const std::string shown = notice.substr(begin, end - begin);
        EXPECT_NE(shown.find(path(bad.file)), std::string::npos) << shown;
        EXPECT_NE(shown.find(bad.expectedInNotice), std::string::npos) << shown;
        for (const char* english : {"No such", "directory", "Cannot", "resource", "locate"})
            EXPECT_EQ(shown.find(english), std::string::npos) << shown;
        EXPECT_EQ(document().items(), before) << bad.file;
        EXPECT_EQ(nextId(), next) << bad.file;
        EXPECT_EQ(document().path(), path("kept.zev"));
        EXPECT_TRUE(document().modified());
        for (const Item& item : before)
            EXPECT_TRUE(shows(item.id)) << bad.file;
    }
    EXPECT_FALSE(shows(next));
}

TEST_F(ScenarioCommandsTest, FailedSavesKeepTheOldFileAndSaySo)
{
    addObject(1, 1);
    put(path("old.zev"), "the old scenario");
    put(path("plain"), "a file, not a folder");
    fs::create_directory(path("folder.zev"));

    for (const std::string& target : {path("folder.zev"), path("plain/new.zev")}) {
        EXPECT_FALSE(save(target));
        EXPECT_NE(notice.find(target), std::string::npos) << notice;
    }
    EXPECT_TRUE(fs::is_directory(path("folder.zev")));
    EXPECT_EQ(document().path(), "");
    EXPECT_TRUE(document().modified());

    // A mesh name the file cannot hold is refused before anything is written.
    addObject(0, 0, spacedMesh);
    EXPECT_FALSE(save(path("old.zev")));
    EXPECT_NE(notice.find(spacedMesh), std::string::npos) << notice;
    EXPECT_EQ(contentsOf(path("old.zev")), "the old scenario");
}
