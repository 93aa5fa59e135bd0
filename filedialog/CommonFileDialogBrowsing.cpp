// The back button, the listing, the drive list and the type list.
#include "filedialog/CommonFileDialog.h"

#include "filedialog/DialogPaths.h"
#include "gui/GuiText.h"
#include "platform/host/DirectoryHost.h"

#include <CEGUI/widgets/Combobox.h>
#include <CEGUI/widgets/Listbox.h>
#include <CEGUI/widgets/ListboxItem.h>

bool CommonFileDialog::onListClicked(const CEGUI::EventArgs&) {
    const CEGUI::ListboxItem* item = windows.listbox->getFirstSelectedItem();
    if (item && !dialogpaths::isDecoratedDirectory(toUtf8(item->getText())))
        windows.fileCombobox->setText(item->getText());
    return true;
}

// A directory is entered; a file is taken as with OK.
bool CommonFileDialog::onListDoubleClicked(const CEGUI::EventArgs&) {
    const CEGUI::ListboxItem* item = windows.listbox->getFirstSelectedItem();
    if (!item)
        return true;
    const std::string text = toUtf8(item->getText());
    if (!text.empty() && !dialogpaths::isDecoratedDirectory(text)) {
        windows.fileCombobox->setText(item->getText());
        confirm();
        return true;
    }
    browsing.enter(text);
    refreshListing();
    return true;
}

bool CommonFileDialog::onBackClicked(const CEGUI::EventArgs&) {
    browsing.enter(dialogpaths::decorateDirectory(".."));
    refreshListing();
    return true;
}

bool CommonFileDialog::onDriveAccepted(const CEGUI::EventArgs&) {
    if (const CEGUI::ListboxItem* item = windows.driveCombobox->getSelectedItem())
        browsing.choose(toUtf8(item->getText()));
    refreshListing();
    return true;
}

bool CommonFileDialog::onFilterAccepted(const CEGUI::EventArgs&) {
    if (CEGUI::ListboxItem* item = windows.extensionCombobox->getSelectedItem())
        browsing.chooseFilter(windows.extensionCombobox->getItemIndex(item));
    refreshListing();
    const FileFilter* filter = browsing.currentFilter();
    if (request.loadMode || !filter)
        return true;
    const std::string renamed =
        dialogpaths::withExtensionOf(windows.fileName(), filter->pattern, browsing.host().separator());
    windows.fileCombobox->setText(fromUtf8(renamed));
    return true;
}
