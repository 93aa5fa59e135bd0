#include "panels/TestRunController.h"

#include "document/Document.h"
#include "document/Translation.h"
#include "editing/Selection.h"
#include "gui/EditorMode.h"
#include "gui/GuiText.h"
#include "gui/Notice.h"
#include "gui/NoticeNames.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/MenuPopups.h"
#include "panels/TestRunNames.h"
#include "platform/input/InputEvents.h"
#include "scene/CursorPreview.h"
#include "scene/SceneMirror.h"

#include <CEGUI/CEGUI.h>
#include <OgreCamera.h>
#include <OgreSceneNode.h>

namespace {

using namespace testrunnames;

CEGUI::Window* messageWindow() { return getWindow(window); }

void setTopLine(bool shown) { getWindow(topLine)->setVisible(shown); }

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
    on(mainnames::testRunItem, [this] {
        closeMenuPopups();
        start();
    });
    for (int k = 1; k <= 4; ++k)
        on(answerButtons[k - 1], [this, k] { answer(k); });
    on(proceedButton, [this] { proceed(); });
    on(finishButton, [this] { finish(); });
    messageWindow()->setVisible(false);
    setTopLine(false);
}

bool TestRunController::start()
{
    if (running() || !parts.mode.started() || !parts.mode.idle())
        return false;
    closeMenuPopups();
    // A notice still open from before would lie over the message window and take its clicks.
    if (CEGUI::Window* notice = findWindow(noticenames::window))
        notice->setVisible(false);

    saved = Saved{};
    saved.cameraPosition = parts.camera.getPosition();
    saved.cameraOrientation = parts.camera.getOrientation();
    parts.cursor.node().setVisible(false);
    for (const Item& selected : parts.selection.items())
        parts.mirror.highlight(selected.id, false);

    run = std::make_unique<TestRun>(parts.document.items());
    hideMessage();
    setTopLine(true);
    parts.mode.begin(Activity::TestRun);
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

    parts.camera.setPosition(saved.cameraPosition);
    parts.camera.setOrientation(saved.cameraOrientation);
    parts.cursor.node().setVisible(true);
    for (const Item& selected : parts.selection.items())
        parts.mirror.highlight(selected.id, true);
    parts.mode.end(Activity::TestRun);
    showCaptionedNotice(tr(summaryCaption), summary);
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

bool TestRunController::handleKey(const input::KeyEvent& key)
{
    if (!running()) {
        if (key.getKey() != startKey.key)
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
    getWindow(testrunnames::verdict)->setText(fromUtf8(verdict));
    for (const char* name : answerButtons)
        getWindow(name)->setEnabled(false);
    getWindow(proceedButton)->setEnabled(true);
}

void TestRunController::proceed()
{
    if (running() && run->proceed())
        hideMessage();
}

void TestRunController::showMessage(const TestRun::Shown& shown)
{
    const ScenarioMessage& message = shown.message;
    getWindow(text)->setText(fromUtf8(message.text));
    getWindow(testrunnames::verdict)->setText("");
    for (int k = 0; k < 4; ++k) {
        CEGUI::Window* button = getWindow(answerButtons[k]);
        button->setText(fromUtf8(message.questions[k]));
        button->setVisible(message.hasQuestions);
        button->setEnabled(message.hasQuestions);
    }
    getWindow(proceedButton)->setEnabled(!message.hasQuestions);
    messageWindow()->setVisible(true);
    messageWindow()->activate();
}

void TestRunController::hideMessage() { messageWindow()->setVisible(false); }

bool TestRunController::messageOpen() const { return messageWindow()->isVisible(); }
