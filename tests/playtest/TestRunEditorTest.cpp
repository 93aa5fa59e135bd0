#include "tests/support/EditorFixture.h"

#include "document/Commands.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreSceneNode.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// Two areas ahead of a camera at (0, y, 80) looking along -z: the first with a
// quiz whose answer is 3, the second with a message only; a third without one.
const char* const scenarioText =
    "human adam.mesh 30 0 40\n"
    "bluearea kup.mesh 0 0 40 -20 30 20 50 1 3\n"
    "Burada yavas gidin\n"
    "Kirmizi\n"
    "Sari\n"
    "Yesil\n"
    "Mavi\n"
    "bluearea kup.mesh 0 0 0 -20 -10 20 10 1 -1\n"
    "Kavsaga geldiniz\n"
    "bluearea kup.mesh 0 0 -60 -20 -70 20 -50 0 0";

std::string text(const char* name) { return window(name)->getText().c_str(); }
bool shown(const char* name) { return window(name)->isEffectiveVisible(); }

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The editor as it starts, on the staged terrain, with its listener on scripted input.
class TestRunEditor : public EditorFixture {
protected:
    TerrainSceneManager& makeScene() override { return stagedTerrain(); }
    void SetUp() override
    {
        EditorFixture::SetUp();
        camera->setPosition(0, *scene->getHeightAt(0, 80) + 30, 80);
        camera->lookAt(0, *scene->getHeightAt(0, 80), -300);
    }

    void key(input::KeyCode code)
    {
        input.keyDown(code);
        listener->processEvents();
        input.keyUp(code);
        listener->processEvents();
    }
    void hold(input::KeyCode code, bool down)
    {
        down ? input.keyDown(code) : input.keyUp(code);
        listener->processEvents();
    }
    void frames(int count, float seconds = 0.05f)
    {
        for (int i = 0; i < count; ++i) {
            Ogre::FrameEvent event{0, seconds};
            listener->frameStarted(event);
        }
    }
    // Walks forward until the message window opens; false when it did not within the frames.
    bool walkToMessage(int mostFrames)
    {
        hold(input::KC_UP, true);
        bool opened = false;
        for (int i = 0; i < mostFrames && !opened; ++i) {
            frames(1);
            opened = shown("denemeWindow");
        }
        hold(input::KC_UP, false);
        return opened;
    }
    void openScenario()
    {
        path = testing::TempDir() + "dene_" + std::to_string(getpid()) + ".zev";
        std::ofstream(path, std::ios::binary) << scenarioText;
        editor->documents().openAtStart(path);
        ASSERT_EQ(editor->document().items().size(), 4u);
    }

    std::string path;
};

}  // namespace

TEST_F(TestRunEditor, StartsOnlyOnUnlockedIdlePanels)
{
    key(input::KC_F5);
    EXPECT_FALSE(editor->testRun().running()) << "before New or Open the panels are locked";

    openScenario();
    editor->selection().select(editor->document().items()[1].id);
    editor->messageEditor().open();
    ASSERT_TRUE(editor->messageEditor().isOpen());
    key(input::KC_F5);
    EXPECT_FALSE(editor->testRun().running()) << "the message editor is open";
    editor->messageEditor().cancel();

    showNotice("Onceki bir uyari");
    headlessgui::click(window("gorunum"));
    headlessgui::click(window("denePopupItem"));
    EXPECT_TRUE(editor->testRun().running());
    EXPECT_FALSE(shown("uyariWindow"));
    EXPECT_FALSE(shown("gorunumPopup"));
    EXPECT_TRUE(shown("denemeUstSatir"));
    EXPECT_EQ(text("denemeUstSatir"), "Deneme: ok tuslari ile ilerleyin, Esc ile bitirin");
    for (const char* name : {"tabFrameWindow", "insanTab", "ozelliklerTab", "tabButtonLeft"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_EQ(window("windowFrame")->getWidth(), CEGUI::UDim(1, 0));
}

TEST_F(TestRunEditor, AWalkThroughShowsMessagesScoresAndLeavesTheEditorAsItWas)
{
    openScenario();
    // Some editing state the run must give back: an edit on the history, a
    // selection with its box.
    ASSERT_EQ(editor->document().execute(std::make_unique<AddItem>(makeObject(editor->document().peekId(), "adam.mesh", 50, 50))), "");
    const ItemId selected = editor->document().items()[0].id;
    editor->selection().select(selected);
    const std::string textBefore = writeScenario(scenarioOf(editor->document().items()));
    const Ogre::Vector3 positionBefore = camera->getPosition();
    const Ogre::Quaternion orientationBefore = camera->getOrientation();
    const bool toolboxShown = shown("tabFrameWindow");
    const CEGUI::UDim viewWidth = window("windowFrame")->getWidth();

    key(input::KC_F5);
    ASSERT_TRUE(editor->testRun().running());
    EXPECT_EQ(editor->mirror().nodeOf(selected), nullptr) << "no box shown";

    // The first area, ahead: the quiz.
    ASSERT_TRUE(walkToMessage(200));
    const Ogre::Vector3 atFirst = camera->getPosition();
    EXPECT_LE(atFirst.z, 50.0f);
    EXPECT_GE(atFirst.z, 29.0f);
    EXPECT_NEAR(atFirst.y, *scene->getHeightAt(atFirst.x, atFirst.z) + WalkSettings{}.eyeHeight, 3.0f);
    EXPECT_EQ(text("denemeMetin"), "Burada yavas gidin");
    EXPECT_EQ(text("denemeCevap1"), "Kirmizi");
    EXPECT_EQ(text("denemeCevap4"), "Mavi");
    // No walking while the message is open; no going on without an answer.
    hold(input::KC_UP, true);
    frames(10);
    hold(input::KC_UP, false);
    EXPECT_EQ(camera->getPosition(), atFirst);
    headlessgui::click(window("denemeDevam"));
    EXPECT_TRUE(shown("denemeWindow"));
    // Keys that edit or save do nothing now.
    for (input::KeyCode code : {input::KC_DELETE, input::KC_Z, input::KC_S, input::KC_N}) {
        input::KeyEvent event(code, 0, input::CTRL_MASK);
        EXPECT_TRUE(editor->offerKey(event));
    }
    EXPECT_TRUE(editor->offerKey(input::KeyEvent(input::KC_DELETE, 0)));

    headlessgui::click(window("denemeCevap2"));
    EXPECT_EQ(text("denemeSonuc"), "Yanlis. Dogru cevap: 3");
    headlessgui::click(window("denemeCevap3"));
    EXPECT_EQ(text("denemeSonuc"), "Yanlis. Dogru cevap: 3");
    headlessgui::click(window("denemeDevam"));
    EXPECT_FALSE(shown("denemeWindow"));

    // The second: a message alone, no answer buttons.
    ASSERT_TRUE(walkToMessage(200));
    EXPECT_EQ(text("denemeMetin"), "Kavsaga geldiniz");
    EXPECT_FALSE(shown("denemeCevap1"));
    headlessgui::click(window("denemeDevam"));
    EXPECT_FALSE(shown("denemeWindow"));
    // The first area is behind: walking back through it shows nothing again.
    hold(input::KC_DOWN, true);
    frames(60);
    hold(input::KC_DOWN, false);
    EXPECT_FALSE(shown("denemeWindow"));

    key(input::KC_ESCAPE);
    EXPECT_FALSE(editor->testRun().running());
    EXPECT_FALSE(listener->quitRequested());
    EXPECT_TRUE(shown("uyariWindow"));
    EXPECT_EQ(text("uyariText"), "Deneme bitti. Dogru cevap: 0 / 1, gorulen mesaj: 2 / 2");
    EXPECT_EQ(text("uyariWindow"), "Deneme Sonucu") << "a summary is no warning";

    EXPECT_EQ(writeScenario(scenarioOf(editor->document().items())), textBefore);
    EXPECT_EQ(editor->document().items().size(), 5u);
    EXPECT_TRUE(editor->document().modified());
    EXPECT_TRUE(editor->document().canUndo());
    EXPECT_FALSE(editor->document().canRedo());
    EXPECT_EQ(editor->selection().selected(), selected);
    EXPECT_TRUE(editor->mirror().nodeOf(selected)->getShowBoundingBox());
    EXPECT_EQ(editor->tools().placing(), Placing::Nothing);
    EXPECT_EQ(camera->getPosition(), positionBefore);
    EXPECT_TRUE(camera->getOrientation().equals(orientationBefore, Ogre::Radian(1e-6f)));
    EXPECT_EQ(shown("tabFrameWindow"), toolboxShown);
    EXPECT_EQ(window("windowFrame")->getWidth(), viewWidth);
    EXPECT_FALSE(shown("denemeUstSatir"));
    EXPECT_FALSE(window("dosya")->isDisabled());

    // Undo works on the history as it was, and saving gives the file's bytes back.
    editor->documents().undo();
    EXPECT_FALSE(editor->document().modified());
    ASSERT_TRUE(editor->documents().saveFile(path + ".kopya"));
    EXPECT_EQ(fileText(path + ".kopya"), scenarioText);
    std::remove((path + ".kopya").c_str());
    std::remove(path.c_str());
}

TEST_F(TestRunEditor, BitirEndsTheRunAndAScenarioWithoutMessagesSaysZero)
{
    editor->documents().newScenario();
    key(input::KC_F5);
    ASSERT_TRUE(editor->testRun().running());
    hold(input::KC_UP, true);
    frames(20);
    hold(input::KC_UP, false);
    EXPECT_FALSE(shown("denemeWindow"));
    key(input::KC_ESCAPE);
    EXPECT_EQ(text("uyariText"), "Deneme bitti. Dogru cevap: 0 / 0, gorulen mesaj: 0 / 0");

    window("uyariWindow")->setVisible(false);
    showNotice("Bir uyari");
    EXPECT_EQ(text("uyariWindow"), "Uyari") << "the next warning is captioned as one again";
    window("uyariWindow")->setVisible(false);
    openScenario();
    // An object about to be placed under the pointer: its cursor object hides for the run.
    editor->tools().beginObjectPlacement("adam");
    ASSERT_TRUE(editor->cursor().isShown());
    camera->setPosition(0, 40, 40);  // inside the first area right at the start
    key(input::KC_F5);
    EXPECT_FALSE(editor->cursor().node().getAttachedObject(0)->getVisible());
    frames(1);
    ASSERT_TRUE(shown("denemeWindow"));
    headlessgui::click(window("denemeCevap3"));
    EXPECT_EQ(text("denemeSonuc"), "Dogru!");
    headlessgui::click(window("denemeBitir"));
    EXPECT_FALSE(editor->testRun().running());
    EXPECT_FALSE(shown("denemeWindow"));
    EXPECT_EQ(text("uyariText"), "Deneme bitti. Dogru cevap: 1 / 1, gorulen mesaj: 1 / 2");
    EXPECT_EQ(editor->tools().placing(), Placing::Object);
    EXPECT_TRUE(editor->cursor().node().getAttachedObject(0)->getVisible());
    EXPECT_EQ(camera->getPosition(), Ogre::Vector3(0, 40, 40));
    std::remove(path.c_str());
}

// The frame's close button would ask to save unsaved changes, and Kaydet would
// save in the middle of the run: during a run it takes no click, as the menu bar.
TEST_F(TestRunEditor, TheFramesCloseButtonWaitsForTheRunsEnd)
{
    openScenario();
    addObject();
    ASSERT_TRUE(editor->document().modified());
    CEGUI::Window* closeButton = static_cast<CEGUI::FrameWindow*>(window("TestWindowFrame"))->getCloseButton();
    key(input::KC_F5);
    ASSERT_TRUE(editor->testRun().running());
    headlessgui::click(closeButton);
    EXPECT_FALSE(shown("kaydetSorWindow"));
    EXPECT_TRUE(editor->testRun().running());
    EXPECT_FALSE(listener->quitRequested());

    key(input::KC_ESCAPE);
    window("uyariWindow")->setVisible(false);
    headlessgui::click(closeButton);
    EXPECT_TRUE(shown("kaydetSorWindow")) << "after the run the close button asks again";
    headlessgui::click(window("kaydetSorIptal"));
    std::remove(path.c_str());
}
