#pragma once

#include "filedialog/CommonFileDialogRequest.h"
#include "filedialog/CommonFileDialogResult.h"
#include "filedialog/DialogBrowser.h"
#include "filedialog/DialogWindows.h"

#include <functional>
#include <memory>
#include <string>

namespace CEGUI {
class EventArgs;
class Window;
}  // namespace CEGUI
namespace host { class DirectoryHost; }

// The editor's open/save dialog on the windows of "CommonFileDialog.layout":
// drives and places, a directory per drive, file types, a file name (or a
// path) with a history of the last twelve accepted names, and the prompts for
// a missing file (open) and an existing one (save). It stays hidden until
// show(); every close writes the result, hides the root window and hands the
// result to the completion given with the request.
class CommonFileDialog {
public:
    // A dialog on the host's file system, first showing the start directory
    // (empty: the working directory). The GUI system must exist and WindowsLook
    // be loaded; the caller adds the root window to its interface.
    explicit CommonFileDialog(std::unique_ptr<host::DirectoryHost> directoryHost, std::string startDirectory = {});
    virtual ~CommonFileDialog();
    CommonFileDialog(const CommonFileDialog&) = delete;
    CommonFileDialog& operator=(const CommonFileDialog&) = delete;

    CEGUI::Window* getRootWindow() const { return windows.root; }
    using Completion = std::function<void(const CommonFileDialogResult&)>;
    void show(const CommonFileDialogRequest& newRequest, Completion onClosed = {});
    const CommonFileDialogResult& getResult() const { return result; }
    const DialogBrowser& browser() const { return browsing; }

private:
    void wireEvents();
    void refreshListing();
    void setCaptionsAndPrompt();
    // OK: a prompt when one is due, else the name is accepted.
    void confirm();
    void accept();
    // Hides the dialog with the result complete and hands it to the completion.
    void finish(CommonFileDialogResult::State state);
    void resetExchange();
    bool browsingShown() const;

    bool onBackClicked(const CEGUI::EventArgs&);
    bool onListClicked(const CEGUI::EventArgs&);
    bool onListDoubleClicked(const CEGUI::EventArgs&);
    bool onDriveAccepted(const CEGUI::EventArgs&);
    bool onFilterAccepted(const CEGUI::EventArgs&);
    bool onNameKey(const CEGUI::EventArgs&);
    bool onOkClicked(const CEGUI::EventArgs&);
    bool onCancelClicked(const CEGUI::EventArgs&);
    bool onCloseClicked(const CEGUI::EventArgs&);
    bool onLoadPromptOk(const CEGUI::EventArgs&);
    bool onSavePromptOk(const CEGUI::EventArgs&);
    bool onSavePromptCancel(const CEGUI::EventArgs&);

    DialogBrowser browsing;
    DialogWindows windows;
    CommonFileDialogRequest request;
    CommonFileDialogResult result;
    Completion completion;
};
