#include "tests/support/EditorFixture.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreMeshManager.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

const char* const boxMesh = "startScenarioBox.mesh";

// The editor after its start-up, with a scenario given on the command line.
class StartScenario : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        auto& meshes = Ogre::MeshManager::getSingleton();
        if (!meshes.resourceExists(boxMesh))
            meshes.createPlane(boxMesh, Ogre::RGN_DEFAULT, Ogre::Plane(Ogre::Vector3::UNIT_Y, 0), 2, 2, 1, 1, true, 1, 1,
                               1, Ogre::Vector3::UNIT_Z);
        char pattern[] = "/tmp/sahne-start-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        for (const std::string& file : written)
            std::remove(file.c_str());
        rmdir(folder.c_str());
        EditorFixture::TearDown();
    }
    std::string put(const std::string& name, const std::string& text)
    {
        const std::string path = folder + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        written.push_back(path);
        return path;
    }
    static bool panelsLocked()
    {
        bool locked = false;
        for (const char* name : {"tabFrameWindow", "insanTab", "ozelliklerTab", "mesajWindow"})
            locked = locked || window(name)->isDisabled();
        return locked;
    }

    std::string folder;
    std::vector<std::string> written;
};

TEST_F(StartScenario, OpensTheFileInAnUnlockedEditor)
{
    ASSERT_TRUE(panelsLocked());
    const std::string file =
        put("start.zev", std::string("human ") + boxMesh + " 1 0 1\nroad " + boxMesh + " 0 0 5 0");

    editor->documents().openAtStart(file);

    EXPECT_FALSE(panelsLocked());
    ASSERT_EQ(editor->document().items().size(), 2u);
    EXPECT_EQ(editor->document().items()[0].kind, ItemKind::Object);
    EXPECT_EQ(editor->document().items()[1].kind, ItemKind::Road);
    EXPECT_EQ(editor->document().path(), file);
    EXPECT_FALSE(editor->document().modified());
    EXPECT_EQ(noticeText(), "");
    EXPECT_EQ(window("frameImage")->getProperty("Image"), "cameraImageSet/cameraImage");
}

TEST_F(StartScenario, MissingFileGivesAnEmptyUnlockedScenarioAndTheNoticeOfOpen)
{
    const std::string missing = folder + "/yok.zev";
    editor->documents().openFile(missing);
    const std::string openNotice = noticeText();
    ASSERT_NE(openNotice, "");
    hideNotice();
    addObject();

    editor->documents().openAtStart(missing);
    // Unsaved work by then (a recovered copy) is asked about, as Open asks.
    ASSERT_TRUE(window("kaydetSorWindow")->isVisible());
    headlessgui::click(window("kaydetSorHayir"));

    EXPECT_EQ(noticeText(), openNotice);
    EXPECT_FALSE(panelsLocked());
    EXPECT_TRUE(editor->document().items().empty());
}

TEST_F(StartScenario, MalformedFileGivesAnEmptyUnlockedScenarioAndTheNoticeOfOpen)
{
    const std::string file = put("bozuk.zev", std::string("human ") + boxMesh + " 1 0\n");
    editor->documents().openFile(file);
    const std::string openNotice = noticeText();
    ASSERT_NE(openNotice.find("satir 1"), std::string::npos) << openNotice;
    hideNotice();

    editor->documents().openAtStart(file);

    EXPECT_EQ(noticeText(), openNotice);
    EXPECT_FALSE(panelsLocked());
    EXPECT_TRUE(editor->document().items().empty());
}

}  // namespace
