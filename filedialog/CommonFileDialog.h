#pragma once

#include "filedialog/CommonFileDialogRequest.h"
#include "filedialog/CommonFileDialogResult.h"
#include "filedialog/DialogListItems.h"
#include "filedialog/FileFilter.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace CEGUI {
class Combobox;
class EventArgs;
class Listbox;
class Window;
}  // namespace CEGUI
namespace host { class DirectoryHost; }

// The editor's open/save dialog, built from the widgets of
// "CommonFileDialog.layout": drives, a directory per drive, file types, a file
// name with a history of the last twelve accepted names, and the prompts for a
// missing file (open) and an existing one (save). It stays hidden until show();
// every close writes the result, hides the root window and hands the result to
// the completion given with the request.
class CommonFileDialog {
public:
    static const CEGUI::String layoutFile;  // "CommonFileDialog.layout"
    static const CEGUI::String rootName;    // "CommonFileDialog"
    static constexpr int historySize = 12;

    // The editor's one dialog, on the real file system, created on first use
    // (after the GUI system exists and WindowsLook is loaded) and deleted when the
    // process ends.
    static CommonFileDialog* getSingleton();
    // Deletes the instance so that the next getSingleton() builds a new one.
    // For tests: the windows stay with the window manager; destroy them as well.
    static void destroySingleton();

    // A dialog on the given file system. The editor uses getSingleton(); tests
    // build their own instances, on a fake host where they need drive letters.
    explicit CommonFileDialog(std::unique_ptr<host::DirectoryHost> directoryHost);
    virtual ~CommonFileDialog();
    CommonFileDialog(const CommonFileDialog&) = delete;
    CommonFileDialog& operator=(const CommonFileDialog&) = delete;

    CEGUI::Window* getRootWindow() const { return rootWindow; }
    using Completion = std::function<void(const CommonFileDialogResult&)>;
    void show(const CommonFileDialogRequest& newRequest, Completion onClosed = {});
    CommonFileDialogResult getResult() const { return result; }

    // Browsing.
    FilterListItem* currentFilterItem() const;
    bool passesFilter(const CEGUI::String& shownName) const;
    void enumerateDrives();
    const std::vector<CEGUI::String>& getDrives() const { return drives; }
    CEGUI::String workingDirectory() const;
    CEGUI::String driveOf(const CEGUI::String& path) const;
    CEGUI::String currentDrive() const;
    DriveDirectoryItem* currentDriveRecord();
    void changeDirectory(const CEGUI::String& decoratedName);
    void refreshListing();
    CEGUI::String fileNameText() const;

    // Closing.
    bool fileExists(const CEGUI::String& name);
    void showSavePrompt();
    void accept();
    void resetExchange();
    void closeAll();
    void addToHistory(const CEGUI::String& name);
    void disableControls();
    void enableControls();

private:
    void lookUpWindows();
    void wireEvents();
    void fillFilterList();
    void setCaptionsAndPrompt();
    void setControlsEnabled(bool enabled);
    std::string directoryOfCurrentDrive();

    bool onBackClicked(const CEGUI::EventArgs&);
    bool onListClicked(const CEGUI::EventArgs&);
    bool onListDoubleClicked(const CEGUI::EventArgs&);
    bool onDriveAccepted(const CEGUI::EventArgs&);
    bool onFilterAccepted(const CEGUI::EventArgs&);
    bool onOkClicked(const CEGUI::EventArgs&);
    bool onCancelClicked(const CEGUI::EventArgs&);
    bool onCloseClicked(const CEGUI::EventArgs&);
    bool onLoadPromptOk(const CEGUI::EventArgs&);
    bool onSavePromptOk(const CEGUI::EventArgs&);
    bool onSavePromptCancel(const CEGUI::EventArgs&);

    FileFilterList filters;
    CEGUI::Window* rootWindow = nullptr;
    CEGUI::Window* backButton = nullptr;
    CEGUI::Window* okButton = nullptr;
    CEGUI::Window* cancelButton = nullptr;
    CEGUI::Combobox* fileCombobox = nullptr;
    CEGUI::Combobox* driveCombobox = nullptr;
    CEGUI::Combobox* extensionCombobox = nullptr;
    CEGUI::Listbox* listbox = nullptr;
    CEGUI::Window* promptLoad = nullptr;
    CEGUI::Window* promptLoadText = nullptr;
    CEGUI::Window* promptLoadOkButton = nullptr;
    CEGUI::Window* promptSave = nullptr;
    CEGUI::Window* promptSaveText = nullptr;
    CEGUI::Window* promptSaveOkButton = nullptr;
    CEGUI::Window* promptSaveCancelButton = nullptr;
    std::vector<CEGUI::String> drives;
    CommonFileDialogRequest request;
    CommonFileDialogResult result;
    Completion completion;
    std::map<std::string, std::unique_ptr<DriveDirectoryItem>> driveRecords;
    std::unique_ptr<host::DirectoryHost> directoryHost;
};
