#include "app/Editor.h"
#include "scene/terrain/TerrainSceneManager.h"
#include "tests/support/HeadlessGui.h"
#include "tests/support/HeadlessOgre.h"

#include <CEGUI/CEGUI.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

// After a load the camera view shows the live picture instead of the still one;
// a load that fails leaves the view as it was.
TEST(ScenarioView, LoadingSwitchesTheCameraViewToTheLivePicture)
{
    headlessgui::loadRootLayout("guiLayout800X600.layout");
    CEGUI::ImageManager::getSingleton().create("BasicImage", "cameraImageSet/cameraImage");
    CEGUI::ImageManager::getSingleton().create("BasicImage", "stillSet/still");
    CEGUI::Window* frameImage = headlessgui::context().getRootWindow()->getChildRecursive("frameImage");
    frameImage->setProperty("Image", "stillSet/still");

    TerrainSceneManager& scene = headlessogre::freshScene();
    Editor editor(scene, *scene.createCamera("PlayerCam"));
    const std::string bad = (std::filesystem::temp_directory_path() / "sahne-view-bad.zev").string();
    const std::string empty = (std::filesystem::temp_directory_path() / "sahne-view-empty.zev").string();
    std::ofstream(bad) << "human";
    std::ofstream(empty) << "";

    testing::internal::CaptureStderr();
    EXPECT_FALSE(editor.documents().openFile(bad));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(frameImage->getProperty("Image"), "stillSet/still");

    EXPECT_TRUE(editor.documents().openFile(empty));
    EXPECT_EQ(frameImage->getProperty("Image"), "cameraImageSet/cameraImage");
    std::remove(bad.c_str());
    std::remove(empty.c_str());
}
