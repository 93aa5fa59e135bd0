#pragma once

#include <deque>
#include <string>
#include <vector>

namespace CEGUI {
class Combobox;
class Listbox;
class PushButton;
class Window;
}  // namespace CEGUI
class FileFilterList;

// The windows of "CommonFileDialog.layout", found by their names, and what the
// dialog shows in them. The window manager owns the windows. Texts are UTF-8.
struct DialogWindows {
    // Loads the layout. A missing window, or one of another kind, ends with
    // CEGUI's exception and leaves no window of the layout behind.
    static DialogWindows load();

    // The seven main controls: disabled while a prompt asks.
    void setControlsEnabled(bool enabled) const;
    // Shows the prompt over the disabled controls.
    void showPrompt(CEGUI::Window* prompt) const;
    // Hides the prompt and enables the controls again, with the keys in the name field.
    void hidePrompt(CEGUI::Window* prompt) const;
    // Hides the dialog and its prompts and leaves the controls enabled for the next opening.
    void hideAll() const;

    void showDrives(const std::vector<std::string>& entries, const std::string& current) const;
    void showFilters(const FileFilterList& filters, const std::string& labelInForce) const;
    // The listing of the directory, sorted by the list, and the directory itself.
    void showListing(const std::vector<std::string>& shownNames, const std::string& directory) const;
    void showHistory(const std::deque<std::string>& names) const;
    std::string fileName() const;
    // Puts the name into the name field, selected, with the keys there.
    void offerFileName(const std::string& name) const;
    // Selects the whole name and gives the name field the keys, so that typing replaces the name.
    void selectFileName() const;

    CEGUI::Window* root = nullptr;
    CEGUI::PushButton* backButton = nullptr;
    CEGUI::PushButton* okButton = nullptr;
    CEGUI::PushButton* cancelButton = nullptr;
    CEGUI::Combobox* fileCombobox = nullptr;
    CEGUI::Combobox* driveCombobox = nullptr;
    CEGUI::Combobox* extensionCombobox = nullptr;
    CEGUI::Listbox* listbox = nullptr;
    CEGUI::Window* folderPath = nullptr;
    CEGUI::Window* promptLoad = nullptr;
    CEGUI::Window* promptLoadText = nullptr;
    CEGUI::PushButton* promptLoadOkButton = nullptr;
    CEGUI::Window* promptSave = nullptr;
    CEGUI::Window* promptSaveText = nullptr;
    CEGUI::PushButton* promptSaveOkButton = nullptr;
    CEGUI::PushButton* promptSaveCancelButton = nullptr;

private:
    void lookUp();
};
