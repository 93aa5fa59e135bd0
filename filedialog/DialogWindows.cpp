#include "filedialog/DialogWindows.h"

#include "filedialog/DialogListItems.h"
#include "filedialog/FileDialogNames.h"
#include "filedialog/FileFilter.h"
#include "gui/GuiText.h"
#include "gui/InterfaceLanguage.h"

#include <CEGUI/Exceptions.h>
#include <CEGUI/Font.h>
#include <CEGUI/WindowManager.h>
#include <CEGUI/widgets/Combobox.h>
#include <CEGUI/widgets/Editbox.h>
#include <CEGUI/widgets/Listbox.h>
#include <CEGUI/widgets/PushButton.h>

namespace names = filedialognames;

namespace {

// The child of the given kind; a missing window ends with CEGUI's unknown-object
// exception, a window of another kind with an invalid-request exception.
template <typename Widget>
Widget* childOfKind(CEGUI::Window* root, const CEGUI::String& namePath) {
    CEGUI::Window* window = root->getChild(namePath);
    Widget* widget = dynamic_cast<Widget*>(window);
    if (!widget)
        throw CEGUI::InvalidRequestException("The window \"" + namePath + "\" of " + root->getName() +
                                             " is of the wrong kind: " + window->getType());
    return widget;
}

void hide(CEGUI::Window* window) {
    window->setEnabled(false);
    window->setVisible(false);
}

// Room the framed text field keeps around its text.
constexpr float folderPathMargin = 12.0f;

}  // namespace

DialogWindows DialogWindows::load() {
    DialogWindows windows;
    windows.root = CEGUI::WindowManager::getSingleton().loadLayoutFromFile(names::layoutFile);
    translateWindowTexts(*windows.root);
    try {
        windows.lookUp();
    } catch (...) {
        CEGUI::WindowManager::getSingleton().destroyWindow(windows.root);
        throw;
    }
    return windows;
}

void DialogWindows::lookUp() {
    if (root->getName() != names::root)
        throw CEGUI::InvalidRequestException(CEGUI::String(names::layoutFile) + " must have the root window " +
                                             names::root);
    backButton = childOfKind<CEGUI::PushButton>(root, names::backButton);
    okButton = childOfKind<CEGUI::PushButton>(root, names::okButton);
    cancelButton = childOfKind<CEGUI::PushButton>(root, names::cancelButton);
    fileCombobox = childOfKind<CEGUI::Combobox>(root, names::fileCombobox);
    driveCombobox = childOfKind<CEGUI::Combobox>(root, names::driveCombobox);
    extensionCombobox = childOfKind<CEGUI::Combobox>(root, names::extensionCombobox);
    listbox = childOfKind<CEGUI::Listbox>(root, names::listbox);
    folderPath = root->getChild(names::folderPath);
    promptLoad = root->getChild(names::promptLoad);
    promptLoadText = root->getChild(names::promptLoadText);
    promptLoadOkButton = childOfKind<CEGUI::PushButton>(root, names::promptLoadOkButton);
    promptSave = root->getChild(names::promptSave);
    promptSaveText = root->getChild(names::promptSaveText);
    promptSaveOkButton = childOfKind<CEGUI::PushButton>(root, names::promptSaveOkButton);
    promptSaveCancelButton = childOfKind<CEGUI::PushButton>(root, names::promptSaveCancelButton);
}

void DialogWindows::setControlsEnabled(bool enabled) const {
    for (CEGUI::Window* control : std::initializer_list<CEGUI::Window*>{
             backButton, okButton, cancelButton, fileCombobox, driveCombobox, extensionCombobox, listbox})
        control->setEnabled(enabled);
}

void DialogWindows::showPrompt(CEGUI::Window* prompt) const {
    setControlsEnabled(false);
    prompt->setVisible(true);
    prompt->setEnabled(true);
}

void DialogWindows::hidePrompt(CEGUI::Window* prompt) const {
    hide(prompt);
    setControlsEnabled(true);
    selectFileName();
}

void DialogWindows::hideAll() const {
    hide(root);
    hide(promptLoad);
    hide(promptSave);
    setControlsEnabled(true);
}

void DialogWindows::showDrives(const std::vector<std::string>& entries, const std::string& current) const {
    for (const std::string& entry : entries)
        driveCombobox->addItem(new DialogListItem(fromUtf8(entry)));
    driveCombobox->setText(fromUtf8(current));
}

void DialogWindows::showFilters(const FileFilterList& filters, const std::string& labelInForce) const {
    extensionCombobox->resetList();
    for (const FileFilter& filter : filters)
        extensionCombobox->addItem(new FilterListItem(fromUtf8(filter.label), fromUtf8(filter.pattern)));
    extensionCombobox->setText(fromUtf8(labelInForce));
}

void DialogWindows::showListing(const std::vector<std::string>& shownNames, const std::string& directory) const {
    listbox->resetList();
    for (const std::string& name : shownNames)
        listbox->addItem(new DialogListItem(fromUtf8(name)));
    const CEGUI::String path = fromUtf8(directory);
    folderPath->setText(path);
    // A path too long for the field shows its end, where the folder's own name is.
    const CEGUI::Font* font = folderPath->getFont();
    const bool fits =
        !font || font->getTextExtent(path) + folderPathMargin <= folderPath->getPixelSize().d_width;
    folderPath->setProperty("HorzFormatting", fits ? "LeftAligned" : "RightAligned");
}

void DialogWindows::showHistory(const std::deque<std::string>& names) const {
    fileCombobox->resetList();
    for (const std::string& name : names)
        fileCombobox->addItem(new DialogListItem(fromUtf8(name)));
}

std::string DialogWindows::fileName() const { return toUtf8(fileCombobox->getText()); }

void DialogWindows::offerFileName(const std::string& name) const {
    fileCombobox->setText(fromUtf8(name));
    selectFileName();
}

void DialogWindows::selectFileName() const {
    CEGUI::Editbox* field = fileCombobox->getEditbox();
    const size_t length = field->getText().length();
    field->activate();
    field->setCaretIndex(length);
    field->setSelection(0, length);
}
