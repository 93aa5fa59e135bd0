// OK and Enter, Cancel, the close button, the two prompts, the result and the history.
#include "filedialog/CommonFileDialog.h"

#include <CEGUI/InputEvent.h>
#include <CEGUI/widgets/Combobox.h>

#include <utility>

bool CommonFileDialog::browsingShown() const {
    return windows.root->isVisible() && !windows.promptLoad->isVisible() && !windows.promptSave->isVisible();
}

void CommonFileDialog::confirm() {
    if (!browsingShown())
        return;
    const dialogpaths::FileTarget target = browsing.target(windows.fileName());
    if (request.prompt && request.loadMode && !browsing.fileExists(target))
        windows.showPrompt(windows.promptLoad);
    else if (request.prompt && !request.loadMode && browsing.fileExists(target))
        windows.showPrompt(windows.promptSave);
    else
        accept();
}

bool CommonFileDialog::onOkClicked(const CEGUI::EventArgs&) {
    confirm();
    return true;
}

bool CommonFileDialog::onNameKey(const CEGUI::EventArgs& args) {
    const auto& key = static_cast<const CEGUI::KeyEventArgs&>(args);
    if (key.scancode != CEGUI::Key::Return && key.scancode != CEGUI::Key::NumpadEnter)
        return false;
    confirm();
    return true;
}

bool CommonFileDialog::onLoadPromptOk(const CEGUI::EventArgs&) {
    windows.hidePrompt(windows.promptLoad);
    return true;
}

bool CommonFileDialog::onSavePromptOk(const CEGUI::EventArgs&) {
    accept();
    return true;
}

bool CommonFileDialog::onSavePromptCancel(const CEGUI::EventArgs&) {
    windows.hidePrompt(windows.promptSave);
    return true;
}

bool CommonFileDialog::onCancelClicked(const CEGUI::EventArgs&) {
    resetExchange();
    finish(CommonFileDialogResult::State::Cancelled);
    return true;
}

bool CommonFileDialog::onCloseClicked(const CEGUI::EventArgs&) {
    resetExchange();
    finish(CommonFileDialogResult::State::Closed);
    return true;
}

// The name is taken as typed: no extension is added and no space removed.
void CommonFileDialog::accept() {
    resetExchange();
    const std::string typed = windows.fileName();
    const dialogpaths::FileTarget target = browsing.target(typed);
    result.path = browsing.pathOf(target);
    result.directory = target.directory;
    result.relativeDirectory = browsing.relativeDirectoryOf(target.directory);
    result.fileName = target.name;
    result.fileExisted = browsing.fileExists(target);
    browsing.remember(typed);
    windows.showHistory(browsing.history());
    finish(CommonFileDialogResult::State::Accepted);
}

void CommonFileDialog::finish(CommonFileDialogResult::State state) {
    result.state = state;
    windows.hideAll();
    // The completion may show the dialog again with a new one.
    if (Completion finished = std::exchange(completion, nullptr))
        finished(result);
}

// Every close starts from a result without a file and a request without texts.
void CommonFileDialog::resetExchange() {
    result.requestId = request.requestId;
    result.path.clear();
    result.drive = browsing.currentDrive();
    result.directory.clear();
    result.relativeDirectory.clear();
    result.fileName.clear();
    request.defaultPattern.clear();
    request.defaultName.clear();
    request.filter.clear();
    request.title.clear();
    request.requestId = 0;
}
