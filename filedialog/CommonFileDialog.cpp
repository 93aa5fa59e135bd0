#include "filedialog/CommonFileDialog.h"

#include "gui/GuiText.h"
#include "platform/host/LinuxDirectoryHost.h"

#include <CEGUI/Exceptions.h>
#include <CEGUI/WindowManager.h>
#include <CEGUI/widgets/Combobox.h>
#include <CEGUI/widgets/FrameWindow.h>
#include <CEGUI/widgets/Listbox.h>
#include <CEGUI/widgets/PushButton.h>

const CEGUI::String CommonFileDialog::layoutFile = "CommonFileDialog.layout";
const CEGUI::String CommonFileDialog::rootName = "CommonFileDialog";

namespace {

const CEGUI::String loadTitle = "Ac";
const CEGUI::String saveTitle = "Kaydet";
const CEGUI::String loadPromptText = "Aranilan Dosya Bulunamadi.";
const CEGUI::String savePromptText = "Varolan dosyayi degistirsin mi?";

std::unique_ptr<CommonFileDialog>& instance() {
    static std::unique_ptr<CommonFileDialog> dialog;
    return dialog;
}

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

}  // namespace

CommonFileDialog* CommonFileDialog::getSingleton() {
    if (!instance())
        instance() = std::make_unique<CommonFileDialog>(std::make_unique<host::LinuxDirectoryHost>());
    return instance().get();
}

void CommonFileDialog::destroySingleton() { instance().reset(); }

CommonFileDialog::CommonFileDialog(std::unique_ptr<host::DirectoryHost> host) : directoryHost(std::move(host)) {
    rootWindow = CEGUI::WindowManager::getSingleton().loadLayoutFromFile(layoutFile);
    try {
        lookUpWindows();
        enumerateDrives();
        for (const CEGUI::String& drive : drives)
            driveCombobox->addItem(new DialogListItem(drive));
        wireEvents();
    } catch (...) {
        CEGUI::WindowManager::getSingleton().destroyWindow(rootWindow);
        throw;
    }
}

CommonFileDialog::~CommonFileDialog() = default;

void CommonFileDialog::lookUpWindows() {
    if (rootWindow->getName() != rootName)
        throw CEGUI::InvalidRequestException(layoutFile + " must have the root window " + rootName);
    backButton = childOfKind<CEGUI::PushButton>(rootWindow, "BackButton");
    okButton = childOfKind<CEGUI::PushButton>(rootWindow, "OkButton");
    cancelButton = childOfKind<CEGUI::PushButton>(rootWindow, "CancelButton");
    fileCombobox = childOfKind<CEGUI::Combobox>(rootWindow, "FileCombobox");
    driveCombobox = childOfKind<CEGUI::Combobox>(rootWindow, "DriveCombobox");
    extensionCombobox = childOfKind<CEGUI::Combobox>(rootWindow, "ExtensionCombobox");
    listbox = childOfKind<CEGUI::Listbox>(rootWindow, "Listbox");
    promptLoad = rootWindow->getChild("PromptLoad");
    promptLoadText = rootWindow->getChild("PromptLoad/Text");
    promptLoadOkButton = childOfKind<CEGUI::PushButton>(rootWindow, "PromptLoad/OkButton");
    promptSave = rootWindow->getChild("PromptSave");
    promptSaveText = rootWindow->getChild("PromptSave/Text");
    promptSaveOkButton = childOfKind<CEGUI::PushButton>(rootWindow, "PromptSave/OkButton");
    promptSaveCancelButton = childOfKind<CEGUI::PushButton>(rootWindow, "PromptSave/CancelButton");
}

void CommonFileDialog::wireEvents() {
    using CEGUI::Event;
    using CEGUI::PushButton;
    rootWindow->setVisible(false);
    rootWindow->setEnabled(false);
    rootWindow->subscribeEvent(CEGUI::FrameWindow::EventCloseClicked,
                               Event::Subscriber(&CommonFileDialog::onCloseClicked, this));

    backButton->setText("<<");
    backButton->subscribeEvent(PushButton::EventClicked, Event::Subscriber(&CommonFileDialog::onBackClicked, this));
    cancelButton->subscribeEvent(PushButton::EventClicked,
                                 Event::Subscriber(&CommonFileDialog::onCancelClicked, this));
    okButton->subscribeEvent(PushButton::EventClicked, Event::Subscriber(&CommonFileDialog::onOkClicked, this));
    extensionCombobox->subscribeEvent(CEGUI::Combobox::EventListSelectionAccepted,
                                      Event::Subscriber(&CommonFileDialog::onFilterAccepted, this));

    driveCombobox->setText(currentDrive());
    driveCombobox->subscribeEvent(CEGUI::Combobox::EventListSelectionAccepted,
                                  Event::Subscriber(&CommonFileDialog::onDriveAccepted, this));

    listbox->setSortingEnabled(true);
    listbox->subscribeEvent(CEGUI::Window::EventMouseClick, Event::Subscriber(&CommonFileDialog::onListClicked, this));
    listbox->subscribeEvent(CEGUI::Window::EventMouseDoubleClick,
                            Event::Subscriber(&CommonFileDialog::onListDoubleClicked, this));

    promptLoad->setEnabled(false);
    promptLoad->setVisible(false);
    promptLoadOkButton->subscribeEvent(PushButton::EventClicked,
                                       Event::Subscriber(&CommonFileDialog::onLoadPromptOk, this));

    promptSave->setEnabled(false);
    promptSave->setVisible(false);
    promptSaveOkButton->subscribeEvent(PushButton::EventClicked,
                                       Event::Subscriber(&CommonFileDialog::onSavePromptOk, this));
    promptSaveCancelButton->subscribeEvent(PushButton::EventClicked,
                                           Event::Subscriber(&CommonFileDialog::onSavePromptCancel, this));
}

void CommonFileDialog::show(const CommonFileDialogRequest& newRequest, Completion onClosed) {
    request = newRequest;
    completion = std::move(onClosed);
    filters.parse(toUtf8(request.getFilter()));
    // A filter string without any filter leaves the type list and the listing as they were.
    if (!filters.empty()) {
        fillFilterList();
        refreshListing();
    }
    setCaptionsAndPrompt();
    fileCombobox->setText(request.getDefaultName());
    rootWindow->setVisible(true);
    rootWindow->setEnabled(true);
    enableControls();
    rootWindow->activate();
}

void CommonFileDialog::fillFilterList() {
    extensionCombobox->resetList();
    bool matched = false;
    for (const FileFilter& filter : filters) {
        auto* item = new FilterListItem(fromUtf8(filter.label), fromUtf8(filter.pattern));
        extensionCombobox->addItem(item);
        if (item->pattern == request.getDefaultPattern()) {
            extensionCombobox->setText(item->label);
            matched = true;
        }
    }
    if (!matched)
        if (FilterListItem* item = currentFilterItem())
            extensionCombobox->setText(item->label);
}

void CommonFileDialog::setCaptionsAndPrompt() {
    const bool load = request.getLoadMode();
    CEGUI::Window* prompt = load ? promptLoad : promptSave;
    const CEGUI::String caption = !request.getTitle().empty() ? request.getTitle() : load ? loadTitle : saveTitle;
    rootWindow->setText(caption);
    prompt->setText(caption);
    if (request.getPrompt()) {
        const CEGUI::String& defaultText = load ? loadPromptText : savePromptText;
        (load ? promptLoadText : promptSaveText)
            ->setText(request.getPromptText().empty() ? defaultText : request.getPromptText());
    }
}

void CommonFileDialog::disableControls() { setControlsEnabled(false); }

void CommonFileDialog::enableControls() { setControlsEnabled(true); }

void CommonFileDialog::setControlsEnabled(bool enabled) {
    for (CEGUI::Window* control : std::initializer_list<CEGUI::Window*>{
             backButton, okButton, cancelButton, fileCombobox, driveCombobox, extensionCombobox, listbox})
        control->setEnabled(enabled);
}
