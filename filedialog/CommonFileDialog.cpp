#include "filedialog/CommonFileDialog.h"

#include "filedialog/FileDialogNames.h"
#include "gui/GuiText.h"
#include "platform/host/DirectoryHost.h"

#include <CEGUI/widgets/Combobox.h>
#include <CEGUI/widgets/Editbox.h>
#include <CEGUI/widgets/FrameWindow.h>
#include <CEGUI/widgets/Listbox.h>
#include <CEGUI/widgets/PushButton.h>

namespace names = filedialognames;

CommonFileDialog::CommonFileDialog(std::unique_ptr<host::DirectoryHost> directoryHost, std::string startDirectory)
    : browsing(std::move(directoryHost), std::move(startDirectory)), windows(DialogWindows::load()) {
    windows.showDrives(browsing.driveList(), browsing.currentDrive());
    wireEvents();
}

CommonFileDialog::~CommonFileDialog() = default;

void CommonFileDialog::wireEvents() {
    using CEGUI::Event;
    using CEGUI::PushButton;
    windows.root->setVisible(false);
    windows.root->setEnabled(false);
    windows.root->subscribeEvent(CEGUI::FrameWindow::EventCloseClicked,
                                 Event::Subscriber(&CommonFileDialog::onCloseClicked, this));

    windows.backButton->setText(names::backText);
    windows.backButton->subscribeEvent(PushButton::EventClicked,
                                       Event::Subscriber(&CommonFileDialog::onBackClicked, this));
    windows.cancelButton->subscribeEvent(PushButton::EventClicked,
                                         Event::Subscriber(&CommonFileDialog::onCancelClicked, this));
    windows.okButton->subscribeEvent(PushButton::EventClicked, Event::Subscriber(&CommonFileDialog::onOkClicked, this));
    windows.fileCombobox->getEditbox()->subscribeEvent(CEGUI::Window::EventKeyDown,
                                                       Event::Subscriber(&CommonFileDialog::onNameKey, this));
    windows.extensionCombobox->subscribeEvent(CEGUI::Combobox::EventListSelectionAccepted,
                                              Event::Subscriber(&CommonFileDialog::onFilterAccepted, this));
    windows.driveCombobox->subscribeEvent(CEGUI::Combobox::EventListSelectionAccepted,
                                          Event::Subscriber(&CommonFileDialog::onDriveAccepted, this));

    windows.listbox->setSortingEnabled(true);
    windows.listbox->subscribeEvent(CEGUI::Window::EventMouseClick,
                                    Event::Subscriber(&CommonFileDialog::onListClicked, this));
    windows.listbox->subscribeEvent(CEGUI::Window::EventMouseDoubleClick,
                                    Event::Subscriber(&CommonFileDialog::onListDoubleClicked, this));

    windows.promptLoad->setEnabled(false);
    windows.promptLoad->setVisible(false);
    windows.promptLoadOkButton->subscribeEvent(PushButton::EventClicked,
                                               Event::Subscriber(&CommonFileDialog::onLoadPromptOk, this));

    windows.promptSave->setEnabled(false);
    windows.promptSave->setVisible(false);
    windows.promptSaveOkButton->subscribeEvent(PushButton::EventClicked,
                                               Event::Subscriber(&CommonFileDialog::onSavePromptOk, this));
    windows.promptSaveCancelButton->subscribeEvent(PushButton::EventClicked,
                                                   Event::Subscriber(&CommonFileDialog::onSavePromptCancel, this));
}

void CommonFileDialog::show(const CommonFileDialogRequest& newRequest, Completion onClosed) {
    request = newRequest;
    completion = std::move(onClosed);
    const bool moved = !request.startDirectory.empty() && browsing.goTo(request.startDirectory);
    if (moved)
        windows.driveCombobox->setText(fromUtf8(browsing.currentDrive()));
    // A filter string without any filter leaves the type list and the listing as they were.
    if (browsing.useFilters(request.filter, request.defaultPattern)) {
        windows.showFilters(browsing.filters(), browsing.currentFilter()->label);
        refreshListing();
    } else if (moved) {
        refreshListing();
    }
    setCaptionsAndPrompt();
    windows.root->setVisible(true);
    windows.root->setEnabled(true);
    windows.setControlsEnabled(true);
    windows.root->activate();
    windows.offerFileName(request.defaultName);
}

void CommonFileDialog::setCaptionsAndPrompt() {
    const bool load = request.loadMode;
    const std::string caption = !request.title.empty() ? request.title : tr(load ? names::loadTitle : names::saveTitle);
    windows.root->setText(fromUtf8(caption));
    (load ? windows.promptLoad : windows.promptSave)->setText(fromUtf8(caption));
    if (request.prompt) {
        const std::string& text = request.promptText;
        const char* defaultText = tr(load ? names::loadPromptText : names::savePromptText);
        (load ? windows.promptLoadText : windows.promptSaveText)->setText(fromUtf8(text.empty() ? defaultText : text));
    }
}

void CommonFileDialog::refreshListing() { windows.showListing(browsing.listing(), browsing.directory()); }
