#include "app/BaseFrameListener.h"
#include "support/FakeInputSource.h"

#include <Ogre.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <gtest/gtest.h>

using namespace input;

namespace {

// A headless engine with one scene and two cameras.
class Engine : public ::testing::Environment {
public:
    void SetUp() override
    {
        logs = new Ogre::LogManager();
        logs->createLog("test_app.log", true, false, true);
        root = new Ogre::Root("", "", "");
        buffers = new Ogre::DefaultHardwareBufferManager();
        textures = new Ogre::DefaultTextureManager();
        Ogre::MaterialManager::getSingleton().initialise();
        scene = root->createSceneManager();
    }
    void TearDown() override
    {
        delete textures;
        delete root;
        delete buffers;
        delete logs;
    }
    static Ogre::SceneManager* scene;

private:
    Ogre::LogManager* logs = nullptr;
    Ogre::Root* root = nullptr;
    Ogre::DefaultHardwareBufferManager* buffers = nullptr;
    Ogre::DefaultTextureManager* textures = nullptr;
};
Ogre::SceneManager* Engine::scene = nullptr;
const auto* const engine = ::testing::AddGlobalTestEnvironment(new Engine);

class ScreenshotRecorder : public BaseFrameListener {
public:
    using BaseFrameListener::BaseFrameListener;
    std::vector<std::string> written;
    bool failWrites = false;

protected:
    void writeWindowContents(const std::string& fileName) override
    {
        if (failWrites)
            OGRE_EXCEPT(Ogre::Exception::ERR_CANNOT_WRITE_TO_FILE, "disk full", "test");
        written.push_back(fileName);
    }
};

class BaseFrameListenerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int n = 0;
        const std::string id = std::to_string(n++);
        camera = Engine::scene->createCamera("first" + id);
        second = Engine::scene->createCamera("second" + id);
        listener = std::make_unique<ScreenshotRecorder>(nullptr, camera, second, false, false);
    }

    // One frame with these keys held (all others released).
    bool frame(float seconds, std::initializer_list<KeyCode> held = {})
    {
        for (int key = 1; key < 256; ++key)
            source.keyUp(static_cast<KeyCode>(key));
        for (KeyCode key : held)
            source.keyDown(key);
        Ogre::FrameEvent evt{0, seconds};
        return listener->frameStarted(evt);
    }

    FakeInputSource source;
    Ogre::Camera* camera = nullptr;
    Ogre::Camera* second = nullptr;
    std::unique_ptr<ScreenshotRecorder> listener;
};

}  // namespace

TEST_F(BaseFrameListenerTest, ZeroFrameTimeStepsOneUnitAndATenthOfADegree)
{
    ASSERT_TRUE(frame(0, {KC_W}));
    EXPECT_NEAR(-1.0f, camera->getPosition().z, 1e-5);
    ASSERT_TRUE(frame(0, {KC_RIGHT}));
    EXPECT_NEAR(-0.1f, camera->getOrientation().getYaw().valueDegrees(), 1e-4);
}

TEST_F(BaseFrameListenerTest, MovementFollowsSpeedTimesFrameTimeAndLaterRowsWin)
{
    ASSERT_TRUE(frame(0.5f, {KC_A, KC_D, KC_UP, KC_S, KC_PGUP, KC_PGDOWN}));
    EXPECT_NEAR(50.0f, camera->getPosition().x, 1e-4);
    EXPECT_NEAR(-50.0f, camera->getPosition().y, 1e-4);
    EXPECT_NEAR(50.0f, camera->getPosition().z, 1e-4);
    ASSERT_TRUE(frame(0.5f, {KC_LEFT, KC_RIGHT}));
    EXPECT_NEAR(0.0f, camera->getOrientation().getYaw().valueDegrees(), 1e-4);
}

TEST_F(BaseFrameListenerTest, EscapeAndAClosedWindowEndTheLoop)
{
    EXPECT_TRUE(frame(0.1f));
    EXPECT_FALSE(frame(0.1f, {KC_ESCAPE}));
    source.closeWindow();
    EXPECT_TRUE(frame(0.1f)) << "the close is read by this frame's capture";
    EXPECT_FALSE(frame(0.1f));
}

TEST_F(BaseFrameListenerTest, OnlyTheFirstToggleKeyActsAndTheDelayGatesTheNext)
{
    ASSERT_TRUE(frame(0.1f, {KC_F, KC_T}));
    EXPECT_FALSE(listener->statisticsShown());
    EXPECT_EQ(Ogre::TFO_BILINEAR, listener->textureFiltering());
    EXPECT_FLOAT_EQ(1.0f, listener->toggleDelay());

    ASSERT_TRUE(frame(0.6f, {KC_T}));
    EXPECT_EQ(Ogre::TFO_BILINEAR, listener->textureFiltering()) << "T is still blocked";
    ASSERT_TRUE(frame(0.6f, {KC_T}));
    EXPECT_EQ(Ogre::TFO_TRILINEAR, listener->textureFiltering());
}

TEST_F(BaseFrameListenerTest, FilteringCyclesTrilinearAnisotropicBilinear)
{
    auto& materials = Ogre::MaterialManager::getSingleton();
    const std::pair<Ogre::TextureFilterOptions, int> expected[] = {
        {Ogre::TFO_TRILINEAR, 1}, {Ogre::TFO_ANISOTROPIC, 8}, {Ogre::TFO_BILINEAR, 1}};
    for (const auto& step : expected) {
        ASSERT_TRUE(frame(1.1f, {KC_T}));
        EXPECT_EQ(step.first, listener->textureFiltering());
        EXPECT_EQ(step.second, listener->anisotropy());
        EXPECT_EQ(step.second, static_cast<int>(materials.getDefaultAnisotropy()));
        EXPECT_EQ(step.first == Ogre::TFO_ANISOTROPIC ? Ogre::FO_ANISOTROPIC : Ogre::FO_LINEAR,
                  materials.getDefaultTextureFiltering(Ogre::FT_MIN));
    }
    EXPECT_TRUE(listener->statisticsShown()) << "F was never pressed";
}

TEST_F(BaseFrameListenerTest, PolygonModeCyclesWireframePointsSolidOnBothCameras)
{
    for (Ogre::PolygonMode mode : {Ogre::PM_WIREFRAME, Ogre::PM_POINTS, Ogre::PM_SOLID}) {
        ASSERT_TRUE(frame(0.6f, {KC_R}));
        EXPECT_EQ(mode, camera->getPolygonMode());
        EXPECT_EQ(mode, second->getPolygonMode());
    }
}

TEST_F(BaseFrameListenerTest, ScreenshotsAreNumberedFromOneAndReported)
{
    ASSERT_TRUE(frame(0.6f, {KC_SYSRQ}));
    ASSERT_TRUE(frame(0.6f, {KC_SYSRQ}));
    EXPECT_EQ((std::vector<std::string>{"screenshot_1.png", "screenshot_2.png"}), listener->written);
    EXPECT_EQ("Wrote screenshot_2.png", listener->getDebugText());
}

TEST_F(BaseFrameListenerTest, AFailedScreenshotIsReportedAndTheEditorGoesOn)
{
    listener->failWrites = true;
    ASSERT_TRUE(frame(0.6f, {KC_SYSRQ}));
    EXPECT_NE(std::string::npos, listener->getDebugText().find("screenshot_1.png"));
    EXPECT_NE(std::string::npos, listener->getDebugText().find("disk full"));
    listener->failWrites = false;
    ASSERT_TRUE(frame(0.6f, {KC_SYSRQ}));
    EXPECT_EQ("Wrote screenshot_2.png", listener->getDebugText());
}

TEST_F(BaseFrameListenerTest, CameraReadOutFollowsTheCameraAndClearsWhenOff)
{
    ASSERT_TRUE(frame(0.6f, {KC_P}));
    const std::string before = listener->getDebugText();
    EXPECT_EQ(0u, before.find("P: 0 0 0 O: 1 0 0 0"));
    ASSERT_TRUE(frame(0.1f, {KC_D}));
    ASSERT_TRUE(frame(0.1f));  // the read-out is written before the frame's move
    EXPECT_NE(before, listener->getDebugText());
    EXPECT_EQ(0u, listener->getDebugText().find("P: 10 0 0 "));
    ASSERT_TRUE(frame(0.6f, {KC_P}));
    EXPECT_EQ("", listener->getDebugText());
}

TEST_F(BaseFrameListenerTest, WithBufferedMouseTheKeysStillMoveButMotionDoesNotTurn)
{
    listener.reset();
    auto buffered = std::make_unique<BaseFrameListener>(nullptr, camera, second, false, true);
    source.moveTo(0.9f, 0.9f);
    source.keyDown(KC_W);
    buffered->processEvents();
    ASSERT_TRUE(buffered->frameStarted(Ogre::FrameEvent{0, 0.1f}));
    EXPECT_NEAR(-10.0f, camera->getPosition().z, 1e-4);
    EXPECT_NEAR(0.0f, camera->getOrientation().getYaw().valueDegrees(), 1e-5);
}

TEST_F(BaseFrameListenerTest, UnbufferedMouseTurnsOrPansTheCamera)
{
    source.moveTo(0.6f, 0.5f);  // 0.1 of the window
    ASSERT_TRUE(frame(0.1f));
    EXPECT_NEAR(-0.1 * 0.13, camera->getOrientation().getYaw().valueDegrees(), 1e-4);
}
