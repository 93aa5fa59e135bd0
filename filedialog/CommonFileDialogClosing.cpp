// OK, Cancel, the close button, the two prompts, the result and the history.
#include "filedialog/CommonFileDialog.h"

#include "filedialog/DialogPaths.h"
#include "gui/GuiText.h"
#include "platform/host/DirectoryHost.h"

#include <CEGUI/widgets/Combobox.h>

#include <algorithm>
#include <utility>

bool CommonFileDialog::fileExists(const CEGUI::String& name) {
    const auto entries = directoryHost->entries(directoryOfCurrentDrive());
    if (!entries)
        return false;
    const std::string wanted = toUtf8(name);
    return std::any_of(entries->begin(), entries->end(), [&wanted](const host::DirectoryEntry& entry) {
        return !entry.isDirectory && entry.name == wanted;
    });
}

bool CommonFileDialog::onOkClicked(const CEGUI::EventArgs&) {
    if (request.getPrompt() && request.getLoadMode() && !fileExists(fileNameText())) {
        disableControls();
        promptLoad->setVisible(true);
        promptLoad->setEnabled(true);
        return true;
    }
    if (request.getPrompt() && !request.getLoadMode() && fileExists(fileNameText())) {
        showSavePrompt();
        return true;
    }
    accept();
    return true;
}

void CommonFileDialog::showSavePrompt() {
    disableControls();
    promptSave->setVisible(true);
    promptSave->setEnabled(true);
}

bool CommonFileDialog::onLoadPromptOk(const CEGUI::EventArgs&) {
    promptLoad->setEnabled(false);
    promptLoad->setVisible(false);
    enableControls();
    return true;
}

bool CommonFileDialog::onSavePromptOk(const CEGUI::EventArgs&) {
    accept();
    return true;
}

bool CommonFileDialog::onSavePromptCancel(const CEGUI::EventArgs&) {
    promptSave->setEnabled(false);
    promptSave->setVisible(false);
    enableControls();
    return true;
}

bool CommonFileDialog::onCancelClicked(const CEGUI::EventArgs&) {
    resetExchange();
    result.state = CommonFileDialogResult::Cancelled;
    closeAll();
    return true;
}

bool CommonFileDialog::onCloseClicked(const CEGUI::EventArgs&) {
    resetExchange();
    result.state = CommonFileDialogResult::Closed;
    closeAll();
    return true;
}

void CommonFileDialog::accept() {
    resetExchange();
    const DriveDirectoryItem* record = currentDriveRecord();
    const CEGUI::String name = fileNameText();
    result.path = fromUtf8(dialogpaths::joinPath(toUtf8(record->directory), toUtf8(name), directoryHost->separator()));
    result.directory = record->directory;
    result.relativeDirectory = record->relativeDirectory;
    result.fileName = name;
    result.fileExisted = fileExists(name);
    result.state = CommonFileDialogResult::Accepted;
    addToHistory(name);
    closeAll();
}

void CommonFileDialog::resetExchange() {
    result.requestId = request.getRequestId();
    result.path.clear();
    result.drive = currentDrive();
    result.directory.clear();
    result.relativeDirectory.clear();
    result.fileName.clear();
    request.setDefaultPattern("");
    request.setDefaultName("");
    request.setFilter("");
    request.setTitle("");
    request.setRequestId(0);
}

void CommonFileDialog::closeAll() {
    rootWindow->setEnabled(false);
    rootWindow->setVisible(false);
    promptLoad->setEnabled(false);
    promptLoad->setVisible(false);
    promptSave->setEnabled(false);
    promptSave->setVisible(false);
    enableControls();
    // The completion may show the dialog again with a new one.
    if (Completion finished = std::exchange(completion, nullptr))
        finished(result);
}

void CommonFileDialog::addToHistory(const CEGUI::String& name) {
    fileCombobox->insertItem(new DialogListItem(name), nullptr);
    const size_t count = fileCombobox->getItemCount();
    if (count > historySize)
        fileCombobox->removeItem(fileCombobox->getListboxItemFromIndex(count - 1));
}
