#include "app/EnginePlugins.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <OgreCodec.h>
#include <OgreLogManager.h>
#include <OgrePlugin.h>
#include <OgreRoot.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

// A bare engine and a plugins.cfg written for each case.
class EnginePluginsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/sahne-plugins-XXXXXX";
        const int fd = mkstemp(name);
        ASSERT_GE(fd, 0);
        close(fd);
        listFile = name;
        logs = new Ogre::LogManager;
        logs->createLog("plugins-test.log", true, false, true);
        root = new Ogre::Root("", "", "");
    }
    void TearDown() override
    {
        dropEngine();
        std::remove(listFile.c_str());
    }
    void dropEngine()
    {
        delete root;
        root = nullptr;
        delete logs;
        logs = nullptr;
    }
    void writeList(const std::string& text) { std::ofstream(listFile) << text; }

    // The text of the failure, kept past the end of the engine.
    std::string failureOf(const std::string& list)
    {
        writeList(list);
        std::string text;
        try {
            loadEnginePlugins(*root, listFile);
        } catch (const std::runtime_error& e) {
            text = e.what();
        }
        return text;
    }

    std::string listFile;
    Ogre::LogManager* logs = nullptr;
    Ogre::Root* root = nullptr;
};

}  // namespace

TEST_F(EnginePluginsTest, LoadsEveryListedPlugInFromTheFolder)
{
    writeList("# the editor's plug-ins\nPluginFolder=" + testpaths::ogrePluginDir +
              "/\nPlugin=Plugin_OctreeSceneManager\nPlugin=Codec_STBI\n");
    ASSERT_FALSE(Ogre::Codec::isCodecRegistered("png"));
    loadEnginePlugins(*root, listFile);
    EXPECT_TRUE(Ogre::Codec::isCodecRegistered("png"));
    ASSERT_FALSE(root->getInstalledPlugins().empty());
    EXPECT_EQ(root->getInstalledPlugins()[0]->getName(), "Octree Scene Manager");
}

TEST_F(EnginePluginsTest, AMissingListOrPlugInIsNamedInTheFailure)
{
    std::remove(listFile.c_str());
    std::string text;
    try {
        loadEnginePlugins(*root, listFile);
    } catch (const std::runtime_error& e) {
        text = e.what();
    }
    EXPECT_NE(text.find(listFile), std::string::npos) << text;

    text = failureOf("PluginFolder=" + testpaths::ogrePluginDir + "\nPlugin=Plugin_Yok\n");
    EXPECT_NE(text.find("Plugin_Yok"), std::string::npos) << text;
    EXPECT_TRUE(root->getInstalledPlugins().empty());
}

// The render system's plug-in throws while installing when it cannot reach the
// display; the engine's exception points into that library. The text must be
// whole and readable after the engine, and with it the library, is gone.
TEST_F(EnginePluginsTest, AFailingPlugInsReasonOutlivesTheEngine)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string oldDisplay = saved ? saved : "";
    setenv("DISPLAY", ":4999", 1);
    const std::string text = failureOf("PluginFolder=" + testpaths::ogrePluginDir + "\nPlugin=RenderSystem_GL\n");
    if (saved)
        setenv("DISPLAY", oldDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
    dropEngine();

    EXPECT_NE(text.find("RenderSystem_GL"), std::string::npos) << text;
    EXPECT_NE(text.find("X display :4999"), std::string::npos) << text;
    EXPECT_NE(text.find("OgreGLXGLSupport.cpp"), std::string::npos) << "the source file named by the engine: " << text;
}
