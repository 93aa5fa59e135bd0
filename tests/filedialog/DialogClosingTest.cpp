#include "tests/filedialog/DialogFixture.h"
#include "tests/filedialog/FakeDirectoryHost.h"
#include "tests/support/HeadlessGui.h"

#include <CEGUI/CEGUI.h>

namespace {

using Texts = std::vector<std::string>;

class DialogClosingTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        makeDialog(makeGameHost());
    }
    // The prompt is up, the controls below it are disabled and nothing more was reported.
    void expectPromptShown(const std::string& prompt, size_t reportsSoFar = 0) {
        EXPECT_TRUE(visible(""));
        EXPECT_TRUE(visible(prompt));
        EXPECT_FALSE(child(prompt)->isDisabled());
        EXPECT_TRUE(controlsDisabled());
        EXPECT_EQ(reportsSoFar, reported.size());
    }
    void expectClosedAndReset() {
        EXPECT_FALSE(visible(""));
        EXPECT_FALSE(visible("PromptLoad"));
        EXPECT_FALSE(visible("PromptSave"));
        EXPECT_TRUE(controlsEnabled());
    }
    void openWithName(const std::string& name) {
        CommonFileDialogRequest request = openRequest();
        request.defaultName = name;
        dialog->show(request);
    }
};

TEST_F(DialogClosingTest, OpeningAnExistingFileAcceptsIt) {
    dialog->show(openRequest());
    clickListItem("scene.zev");
    click("OkButton");
    ASSERT_EQ(1u, reported.size());
    const CommonFileDialogResult& result = reported[0];
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, result.state);
    EXPECT_EQ(1, result.requestId);
    EXPECT_TRUE(result.fileExisted);
    EXPECT_EQ("C:\\game\\bin\\scene.zev", result.path);
    EXPECT_EQ("C:\\game\\bin", result.directory);
    EXPECT_EQ("", result.relativeDirectory);
    EXPECT_EQ("scene.zev", result.fileName);
    EXPECT_EQ("C:", result.drive);
    expectClosedAndReset();
    EXPECT_EQ((Texts{"scene.zev"}), comboboxItems("FileCombobox"));
}

TEST_F(DialogClosingTest, OpeningAMissingMisspelledOrDirectoryNameShowsTheLoadPrompt) {
    for (const char* name : {"missing.zev", "Scene.zev", "scene.ZEV", "saves", ""}) {
        SCOPED_TRACE(name);
        openWithName(name);
        click("OkButton");
        expectPromptShown("PromptLoad");
        EXPECT_FALSE(visible("PromptSave"));
        click("PromptLoad/OkButton");
        EXPECT_FALSE(visible("PromptLoad"));
        EXPECT_TRUE(child("PromptLoad")->isDisabled());
        EXPECT_TRUE(controlsEnabled());
        EXPECT_TRUE(visible(""));
        EXPECT_TRUE(reported.empty());
    }
}

TEST_F(DialogClosingTest, TheUserCorrectsTheNameAfterTheLoadPrompt) {
    dialog->show(openRequest());
    typeFileName("scene.zevv");
    click("OkButton");
    expectPromptShown("PromptLoad");
    click("PromptLoad/OkButton");
    clickListItem("scene.zev");
    click("OkButton");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ("C:\\game\\bin\\scene.zev", reported[0].path);
}

TEST_F(DialogClosingTest, DisabledControlsUnderAPromptDoNothing) {
    openWithName("missing.zev");
    click("OkButton");
    headlessgui::clickAt(child("CancelButton")->getUnclippedOuterRect().get().getPosition().d_x + 5.0f,
                         child("CancelButton")->getUnclippedOuterRect().get().getPosition().d_y + 5.0f);
    EXPECT_TRUE(visible(""));
    EXPECT_TRUE(reported.empty());
}

TEST_F(DialogClosingTest, SavingANewNameAcceptsAtOnce) {
    dialog->show(saveRequest());
    click("OkButton");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, reported[0].state);
    EXPECT_EQ(2, reported[0].requestId);
    EXPECT_FALSE(reported[0].fileExisted);
    EXPECT_EQ("C:\\game\\bin\\save.zev", reported[0].path);
    expectClosedAndReset();
}

TEST_F(DialogClosingTest, SavingOverAFileAsksFirst) {
    CommonFileDialogRequest request = saveRequest();
    request.defaultName = "scene.zev";
    dialog->show(request);
    click("OkButton");
    expectPromptShown("PromptSave");
    EXPECT_EQ("Varolan dosyayi degistirsin mi?", textOf("PromptSave/Text"));

    click("PromptSave/CancelButton");
    EXPECT_FALSE(visible("PromptSave"));
    EXPECT_TRUE(controlsEnabled());
    EXPECT_TRUE(visible(""));
    EXPECT_TRUE(reported.empty());

    click("OkButton");
    expectPromptShown("PromptSave");
    click("PromptSave/OkButton");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, reported[0].state);
    EXPECT_TRUE(reported[0].fileExisted);
    EXPECT_EQ("C:\\game\\bin\\scene.zev", reported[0].path);
    expectClosedAndReset();
}

TEST_F(DialogClosingTest, WithoutPromptOkAcceptsInBothModes) {
    CommonFileDialogRequest load = openRequest();
    load.prompt = false;
    load.defaultName = "missing.zev";
    dialog->show(load);
    click("OkButton");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, reported[0].state);
    EXPECT_FALSE(reported[0].fileExisted);

    CommonFileDialogRequest save = saveRequest();
    save.prompt = false;
    save.defaultName = "scene.zev";
    dialog->show(save);
    click("OkButton");
    ASSERT_EQ(2u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, reported[1].state);
    EXPECT_TRUE(reported[1].fileExisted);

    save.defaultName = "";
    dialog->show(save);
    click("OkButton");
    ASSERT_EQ(3u, reported.size());
    EXPECT_EQ("C:\\game\\bin\\", reported[2].path);
}

// The name field has the keys with the suggested name selected, so typing replaces it.
TEST_F(DialogClosingTest, EnterInTheNameFieldActsAsOk) {
    dialog->show(saveRequest());
    headlessgui::typeText("new.zev");
    pressKey(CEGUI::Key::Tab);
    EXPECT_TRUE(reported.empty()) << "only Enter accepts";
    pressKey(CEGUI::Key::Return);
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, reported[0].state);
    EXPECT_EQ("C:\\game\\bin\\new.zev", reported[0].path);

    dialog->show(openRequest());
    headlessgui::typeText("missing.zev");
    pressKey(CEGUI::Key::NumpadEnter);
    expectPromptShown("PromptLoad", 1);
    pressKey(CEGUI::Key::Return);
    expectPromptShown("PromptLoad", 1);
    // Dismissed, the prompt leaves the keys in the name field.
    click("PromptLoad/OkButton");
    EXPECT_FALSE(visible("PromptLoad"));
    pressKey(CEGUI::Key::Return);
    expectPromptShown("PromptLoad", 1);
}

TEST_F(DialogClosingTest, ADoubleClickOnAFileActsAsOk) {
    dialog->show(openRequest());
    doubleClickListItem("scene.zev");
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, reported[0].state);
    EXPECT_EQ("C:\\game\\bin\\scene.zev", reported[0].path);

    dialog->show(saveRequest());
    doubleClickListItem("scene.zev");
    expectPromptShown("PromptSave", 1);
    EXPECT_EQ("scene.zev", textOf("FileCombobox"));
}

TEST_F(DialogClosingTest, CancelReportsNoFile) {
    dialog->show(openRequest());
    doubleClickListItem("<saves>");
    clickListItem("a.zev");
    click("CancelButton");
    ASSERT_EQ(1u, reported.size());
    const CommonFileDialogResult& result = reported[0];
    EXPECT_EQ(CommonFileDialogResult::State::Cancelled, result.state);
    EXPECT_EQ(1, result.requestId);
    EXPECT_EQ("C:", result.drive);
    EXPECT_EQ("", result.path);
    EXPECT_EQ("", result.directory);
    EXPECT_EQ("", result.relativeDirectory);
    EXPECT_EQ("", result.fileName);
    expectClosedAndReset();
}

TEST_F(DialogClosingTest, TheCloseButtonReportsClosedAlsoWhilePrompting) {
    dialog->show(saveRequest());
    clickCloseButton();
    ASSERT_EQ(1u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Closed, reported[0].state);
    EXPECT_EQ(2, reported[0].requestId);
    EXPECT_EQ("", reported[0].path);
    expectClosedAndReset();

    openWithName("missing.zev");
    click("OkButton");
    expectPromptShown("PromptLoad", 1);
    clickCloseButton();
    ASSERT_EQ(2u, reported.size());
    EXPECT_EQ(CommonFileDialogResult::State::Closed, reported[1].state);
    expectClosedAndReset();
}

TEST_F(DialogClosingTest, AfterAnyCloseTheNextShowStartsClean) {
    CommonFileDialogRequest request = saveRequest();
    request.defaultName = "scene.zev";
    dialog->show(request);
    click("OkButton");
    clickCloseButton();
    dialog->show(openRequest());
    EXPECT_FALSE(visible("PromptLoad"));
    EXPECT_FALSE(visible("PromptSave"));
    EXPECT_TRUE(controlsEnabled());
    EXPECT_FALSE(dialog->getRootWindow()->isDisabled());
}

TEST_F(DialogClosingTest, TheHistoryKeepsTheTwelveNewestNamesNewestFirst) {
    CommonFileDialogRequest request = saveRequest();
    for (int i = 1; i <= 13; ++i) {
        request.defaultName = "name" + std::to_string(i) + ".zev";
        dialog->show(request);
        click("OkButton");
    }
    ASSERT_EQ(13u, reported.size());
    Texts expected;
    for (int i = 13; i >= 2; --i)
        expected.push_back("name" + std::to_string(i) + ".zev");
    EXPECT_EQ(expected, comboboxItems("FileCombobox"));

    // A name accepted twice is listed twice.
    request.defaultName = "name13.zev";
    dialog->show(request);
    click("OkButton");
    EXPECT_EQ("name13.zev", comboboxItems("FileCombobox")[0]);
    EXPECT_EQ("name13.zev", comboboxItems("FileCombobox")[1]);
    EXPECT_EQ(12u, comboboxItems("FileCombobox").size());
}

TEST_F(DialogClosingTest, TheCompletionGetsTheResultOnceAfterTheDialogHid) {
    std::vector<CommonFileDialogResult> completed;
    bool hiddenWhenCompleted = false;
    const auto completion = [&](const CommonFileDialogResult& result) {
        completed.push_back(result);
        hiddenWhenCompleted = !visible("");
    };
    dialog->show(openRequest(), completion);
    clickListItem("scene.zev");
    click("OkButton");
    ASSERT_EQ(1u, completed.size());
    EXPECT_TRUE(hiddenWhenCompleted);
    EXPECT_EQ(CommonFileDialogResult::State::Accepted, completed[0].state);
    EXPECT_EQ("C:\\game\\bin\\scene.zev", completed[0].path);

    dialog->show(saveRequest(), completion);
    click("CancelButton");
    ASSERT_EQ(2u, completed.size());
    EXPECT_TRUE(hiddenWhenCompleted);
    EXPECT_EQ(CommonFileDialogResult::State::Cancelled, completed[1].state);
    EXPECT_EQ(2, completed[1].requestId);

    // A later close without a completion does not call the earlier one.
    dialog->show(openRequest());
    click("CancelButton");
    EXPECT_EQ(2u, completed.size());
}

TEST_F(DialogClosingTest, ACompletionCanShowTheDialogAgain) {
    std::vector<CommonFileDialogResult> second;
    dialog->show(saveRequest(), [&](const CommonFileDialogResult&) {
        dialog->show(openRequest(), [&](const CommonFileDialogResult& result) { second.push_back(result); });
    });
    click("CancelButton");
    EXPECT_TRUE(visible(""));
    EXPECT_TRUE(controlsEnabled());
    EXPECT_EQ((Texts{"ZEVO (*.zev)", "All files"}), comboboxItems("ExtensionCombobox"));
    EXPECT_TRUE(second.empty());

    clickListItem("scene.zev");
    click("OkButton");
    ASSERT_EQ(1u, second.size());
    EXPECT_EQ(1, second[0].requestId);
    EXPECT_EQ("C:\\game\\bin\\scene.zev", second[0].path);
    EXPECT_FALSE(visible(""));
}

}  // namespace

namespace {

// Presses the left button on the window's title bar, moves the mouse far and lets go.
void dragTitleBar(CEGUI::Window* frame, float dx, float dy) {
    CEGUI::GUIContext& context = CEGUI::System::getSingleton().getDefaultGUIContext();
    const CEGUI::Rectf bar = frame->getChild("__auto_titlebar__")->getUnclippedOuterRect().get();
    const float x = bar.left() + 20.0f;
    const float y = bar.top() + bar.getHeight() / 2.0f;
    context.injectMousePosition(x, y);
    context.injectMouseButtonDown(CEGUI::LeftButton);
    context.injectMousePosition(x + dx / 2.0f, y + dy / 2.0f);
    context.injectMousePosition(x + dx, y + dy);
    context.injectMouseButtonUp(CEGUI::LeftButton);
}

CEGUI::Vector2f placeOf(CEGUI::Window* window) {
    return window->getUnclippedOuterRect().get().getPosition();
}

}  // namespace

// While the dialog or one of its prompts is open the editor is locked; dragged off
// the screen, their buttons could never be reached again.
TEST_F(DialogClosingTest, NeitherTheDialogNorItsPromptsCanBeDraggedAway) {
    dialog->show(saveRequest());
    CEGUI::Window* root = dialog->getRootWindow();
    const CEGUI::Vector2f dialogPlace = placeOf(root);
    dragTitleBar(root, 500.0f, 400.0f);
    EXPECT_EQ(dialogPlace, placeOf(root));

    clickListItem("scene.zev");
    click("OkButton");
    expectPromptShown("PromptSave");
    const CEGUI::Vector2f promptPlace = placeOf(child("PromptSave"));
    dragTitleBar(child("PromptSave"), -400.0f, 450.0f);
    EXPECT_EQ(promptPlace, placeOf(child("PromptSave")));
    click("PromptSave/CancelButton");

    openWithName("missing.zev");
    click("OkButton");
    expectPromptShown("PromptLoad");
    const CEGUI::Vector2f loadPromptPlace = placeOf(child("PromptLoad"));
    dragTitleBar(child("PromptLoad"), 300.0f, -300.0f);
    EXPECT_EQ(loadPromptPlace, placeOf(child("PromptLoad")));
}
