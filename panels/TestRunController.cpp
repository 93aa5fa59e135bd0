#include "panels/TestRunController.h"

#include "document/Document.h"
#include "editing/Selection.h"
#include "gui/GuiText.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/CameraView.h"
#include "panels/DocumentController.h"
#include "panels/Panels.h"
#include "platform/input/InputEvents.h"
#include "scene/CursorPreview.h"
#include "scene/SceneMirror.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreSceneNode.h>

namespace {

const char* const answerButtons[] = {"denemeCevap1", "denemeCevap2", "denemeCevap3", "denemeCevap4"};

// Made invisible for the run: the toolbox with its tabs and arrows, the properties tab.
const char* const hiddenDuringRun[] = {"tabFrameWindow", "insanTab", "yollarveisaretlerTab", "araclarTab",
                                       "ozelTab", "cevreTab", "ozelliklerTab", "tabButtonLeft",
                                       "tabButtonRight", "mesajYaz"};
// The menu bar and the frame's close button take no clicks during the run: nothing
// there may edit or save (the close button would offer to save unsaved changes).
// (The close button is the frame's own child, named by the widget library.)
const char* const menuButtons[] = {"dosya", "duzenle", "gorunum", "yardim", "TestWindowFrame/__auto_closebutton__"};

CEGUI::Window* messageWindow() { return getWindow("denemeWindow"); }

void setTopLine(bool shown) { getWindow("denemeUstSatir")->setVisible(shown); }

}  // namespace

TestRunController::TestRunController(Parts parts) : parts(std::move(parts)) {}

TestRunController::~TestRunController() = default;

void TestRunController::wire()
{
    const auto on = [](const char* name, std::function<void()> action) {
        subscribeWindow(name, CEGUI::PushButton::EventClicked, [action = std::move(action)](const CEGUI::EventArgs&) {
            action();
            return true;
        });
    };
    on("denePopupItem", [this] {
        closeMenuPopups();
        start();
    });
    for (int k = 1; k <= 4; ++k)
        on(answerButtons[k - 1], [this, k] { answer(k); });
    on("denemeDevam", [this] { proceed(); });
    on("denemeBitir", [this] { finish(); });
    messageWindow()->setVisible(false);
    setTopLine(false);
}

bool TestRunController::start()
{
    if (running() || !editingPanelsEnabled() || parts.documents.busy())
        return false;
    closeMenuPopups();
    // A notice still open from before would lie over the message window and take its clicks.
    if (CEGUI::Window* notice = findWindow("uyariWindow"))
        notice->setVisible(false);

    saved = Saved{};
    for (const char* name : hiddenDuringRun) {
        CEGUI::Window* window = getWindow(name);
        saved.visible.emplace_back(name, window->isVisible());
        window->setVisible(false);
    }
    for (const char* name : menuButtons) {
        CEGUI::Window* window = getWindow(name);
        saved.enabled.emplace_back(name, !window->isDisabled());
        window->setEnabled(false);
    }
    CEGUI::Window* view = getWindow("windowFrame");
    saved.viewWidth = view->getWidth();
    view->setWidth(CEGUI::UDim(1, 0));

    saved.cameraPosition = parts.camera.getPosition();
    saved.cameraOrientation = parts.camera.getOrientation();
    parts.cursor.node().setVisible(false);
    for (const Item& selected : parts.selection.items())
        parts.mirror.highlight(selected.id, false);
    parts.cameraView.setLocked(true);

    run = std::make_unique<TestRun>(parts.document.items());
    hideMessage();
    setTopLine(true);
    if (runningChanged)
        runningChanged(true);
    return true;
}

void TestRunController::finish()
{
    if (!running())
        return;
    const std::string summary = run->summaryText();
    run.reset();
    hideMessage();
    setTopLine(false);

    for (const auto& [name, visible] : saved.visible)
        getWindow(name)->setVisible(visible);
    for (const auto& [name, enabled] : saved.enabled)
        getWindow(name)->setEnabled(enabled);
    getWindow("windowFrame")->setWidth(saved.viewWidth);
    parts.camera.setPosition(saved.cameraPosition);
    parts.camera.setOrientation(saved.cameraOrientation);
    parts.cursor.node().setVisible(true);
    for (const Item& selected : parts.selection.items())
        parts.mirror.highlight(selected.id, true);
    parts.cameraView.setLocked(false);
    if (runningChanged)
        runningChanged(false);
    showNotice(summary);
}

void TestRunController::frame(float seconds)
{
    if (!running() || messageOpen())
        return;
    using namespace input;
    const auto down = [this](KeyCode key) { return keyIsDown && keyIsDown(key); };
    WalkKeys keys;
    keys.forward = down(KC_UP) || down(KC_W);
    keys.back = down(KC_DOWN) || down(KC_S);
    keys.turnLeft = down(KC_LEFT) || down(KC_A);
    keys.turnRight = down(KC_RIGHT) || down(KC_D);

    const Ogre::Vector3 position = parts.camera.getPosition();
    Ogre::Vector3 ahead = parts.camera.getDirection();
    // Looking straight down, the top of the picture is ahead.
    if (Ogre::Vector2(ahead.x, ahead.z).length() < 1e-3f)
        ahead = parts.camera.getUp();
    const WalkStep step =
        walkStep({position.x, position.y, position.z, ahead.x, ahead.z}, keys, seconds, parts.ground);
    if (step.turn != 0)
        parts.camera.yaw(Ogre::Radian(step.turn));
    parts.camera.setPosition(step.x, step.y, step.z);

    if (const std::optional<TestRun::Shown> shown = run->enter(step.x, step.z))
        showMessage(*shown);
}

bool TestRunController::handleKey(const input::KeyEvent& key, bool typing)
{
    if (!running()) {
        if (key.getKey() != input::KC_F5 || typing)
            return false;
        start();
        return true;
    }
    if (key.getKey() == input::KC_ESCAPE)
        finish();
    // Every other key is the walk's (polled) or nothing: no shortcut edits or saves now.
    return true;
}

void TestRunController::answer(int choice)
{
    if (!running())
        return;
    const std::string verdict = run->answer(choice);
    if (verdict.empty())
        return;
    getWindow("denemeSonuc")->setText(verdict);
    for (const char* name : answerButtons)
        getWindow(name)->setEnabled(false);
    getWindow("denemeDevam")->setEnabled(true);
}

void TestRunController::proceed()
{
    if (running() && run->proceed())
        hideMessage();
}

void TestRunController::showMessage(const TestRun::Shown& shown)
{
    const ScenarioMessage& message = shown.message;
    getWindow("denemeMetin")->setText(fromUtf8(message.text));
    getWindow("denemeSonuc")->setText("");
    for (int k = 0; k < 4; ++k) {
        CEGUI::Window* button = getWindow(answerButtons[k]);
        button->setText(fromUtf8(message.questions[k]));
        button->setVisible(message.hasQuestions);
        button->setEnabled(message.hasQuestions);
    }
    getWindow("denemeDevam")->setEnabled(!message.hasQuestions);
    messageWindow()->setVisible(true);
    messageWindow()->activate();
}

void TestRunController::hideMessage() { messageWindow()->setVisible(false); }

bool TestRunController::messageOpen() const { return messageWindow()->isVisible(); }
