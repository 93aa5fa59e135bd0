#include "tests/support/EditorFixture.h"

#include "gui/WindowLookup.h"
#include "panels/ObjectCatalog.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/TestPaths.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneManager.h>

#include <CEGUI/CEGUI.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using headlessgui::click;
namespace fs = std::filesystem;

namespace {

std::string imageOf(const std::string& windowName)
{
    return window(windowName)->getProperty("Image").c_str();
}

// A catalog picture of width x height pixels scales with the 800 x 600 display
// from the toolkit's native 640 x 480.
CEGUI::Sizef shownSize(int width, int height)
{
    return CEGUI::Sizef(width * 800.0f / 640.0f, height * 600.0f / 480.0f);
}

class Catalog : public EditorFixture {
protected:
    // Object placement of the mesh has begun: the cursor object shows it.
    void expectPlacing(const std::string& mesh)
    {
        EXPECT_EQ(editor->tools().placing(), Placing::Object);
        ASSERT_TRUE(editor->cursor().isShown());
        EXPECT_EQ(scene->getEntity("mouseObjectEntity")->getMesh()->getName(), mesh);
    }

    // Slides the tool tab strip to the tab that holds the window.
    void showTabOf(const char* windowName)
    {
        const char* const tabs[] = {"insanTab", "yollarveisaretlerTab", "araclarTab", "cevreTab", "ozelTab"};
        int holder = 1;
        for (int tab = 1; tab <= 5; ++tab)
            if (window(windowName)->isAncestor(window(tabs[tab - 1])))
                holder = tab;
        for (int tab = 1; tab < holder; ++tab) {
            click(window("tabButtonRight"));
            frames(21);
        }
    }
};

TEST_F(Catalog, EveryEntryOfTheStagedCatalogShowsItsPicture)
{
    const CatalogReading catalog = readObjectCatalog("objects.txt");
    ASSERT_FALSE(catalog.entries.empty());
    EXPECT_TRUE(catalog.warnings.empty());
    for (const CatalogEntry& entry : catalog.entries) {
        const std::string image = entry.name + "ImageSet/" + entry.name + "Image";
        EXPECT_EQ(imageOf(entry.name + "Image"), image);
        const CEGUI::Image& picture = CEGUI::ImageManager::getSingleton().get(image);
        EXPECT_EQ(picture.getRenderedSize(), shownSize(entry.width, entry.height)) << image;
    }
}

TEST_F(Catalog, EntryButtonStartsPlacingItsObject)
{
    startEditing();
    click(window("adam"));
    expectPlacing("adam.mesh");
}

TEST_F(Catalog, BlueAreaButtonStartsAreaMarking)
{
    startEditing();
    showTabOf("bluearea");
    click(window("bluearea"));
    EXPECT_EQ(editor->tools().placing(), Placing::Area);
}

TEST_F(Catalog, RoadButtonStartsRoadDrawing)
{
    startEditing();
    showTabOf("yol");
    click(window("yol"));
    EXPECT_EQ(editor->tools().placing(), Placing::Road);
}

// A work folder of its own with a faulty catalog: one good entry with its
// picture, one whose picture is missing, a name the toolbox does not have, a
// repeated name and an entry cut off by the end of the file.
class FaultyCatalog : public Catalog {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("sahne_catalog_" + std::to_string(::getpid()));
        fs::create_directories(root / "work");
        fs::create_directories(root / "media/materials/textures");
        fs::copy_file(fs::path(testpaths::mediaDir) / "materials/textures/adam.png",
                      root / "media/materials/textures/adam.png", fs::copy_options::overwrite_existing);
        std::ofstream(root / "work/objects.txt") << "Adam adam 64 32\n"
                                                    "Kadin kadin\n56 56\n"
                                                    "Hayalet hayalet 10 10\n"
                                                    "Adam2 adam 8 8\n"
                                                    "Cocuk cocuk 5\n";
        ::testing::internal::CaptureStderr();
        EditorFixture::SetUp();
        warnings = ::testing::internal::GetCapturedStderr();
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        fs::current_path(testpaths::workDir);
        fs::remove_all(root);
    }
    std::string workDirectory() const override { return (root / "work").string(); }

    bool warned(const std::string& part) const { return warnings.find(part) != std::string::npos; }

    fs::path root;
    std::string warnings;
};

TEST_F(FaultyCatalog, EditorStartsWithTheValidEntriesAndNamesWhatWasSkipped)
{
    EXPECT_EQ(imageOf("adamImage"), "adamImageSet/adamImage");
    EXPECT_EQ(CEGUI::ImageManager::getSingleton().get("adamImageSet/adamImage").getRenderedSize(),
              shownSize(64, 32));
    EXPECT_NE(imageOf("kadinImage"), "kadinImageSet/kadinImage");
    EXPECT_NE(imageOf("cocukImage"), "cocukImageSet/cocukImage");

    EXPECT_TRUE(warned("kadin.png")) << warnings;
    EXPECT_TRUE(warned("\"hayalet\"")) << warnings;
    EXPECT_TRUE(warned("\"adam\" yeniden listelenmis")) << warnings;
    EXPECT_TRUE(warned("\"Cocuk cocuk 5\"")) << warnings;
}

TEST_F(FaultyCatalog, ButtonWithoutPictureStillWorks)
{
    startEditing();
    click(window("kadin"));
    expectPlacing("kadin.mesh");
}

class MissingCatalog : public FaultyCatalog {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("sahne_nocatalog_" + std::to_string(::getpid()));
        fs::create_directories(root / "work");
        ::testing::internal::CaptureStderr();
        EditorFixture::SetUp();
        warnings = ::testing::internal::GetCapturedStderr();
    }
};

TEST_F(MissingCatalog, EditorStartsAndTheBlueAreaButtonIsConnected)
{
    EXPECT_TRUE(warned("objects.txt okunamiyor")) << warnings;
    startEditing();
    showTabOf("bluearea");
    click(window("bluearea"));
    EXPECT_EQ(editor->tools().placing(), Placing::Area);
}

}  // namespace
