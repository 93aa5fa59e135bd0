// Filters, drives, per-drive directories and the listing of the file dialog.
#include "filedialog/CommonFileDialog.h"

#include "filedialog/DialogPaths.h"
#include "gui/GuiText.h"
#include "platform/host/DirectoryHost.h"

#include <CEGUI/widgets/Combobox.h>
#include <CEGUI/widgets/Listbox.h>

FilterListItem* CommonFileDialog::currentFilterItem() const {
    if (CEGUI::ListboxItem* selected = extensionCombobox->getSelectedItem())
        return static_cast<FilterListItem*>(selected);
    const size_t count = extensionCombobox->getItemCount();
    for (size_t i = 0; i < count; ++i) {
        auto* item = static_cast<FilterListItem*>(extensionCombobox->getListboxItemFromIndex(i));
        if (item->label == extensionCombobox->getText())
            return item;
    }
    return count > 0 ? static_cast<FilterListItem*>(extensionCombobox->getListboxItemFromIndex(0)) : nullptr;
}

bool CommonFileDialog::passesFilter(const CEGUI::String& shownName) const {
    const FilterListItem* item = currentFilterItem();
    const std::string pattern = item ? toUtf8(item->pattern) : std::string();
    return dialogpaths::passesFilter(toUtf8(shownName), item ? &pattern : nullptr);
}

void CommonFileDialog::enumerateDrives() {
    drives.clear();
    for (const std::string& name : dialogpaths::driveNames(*directoryHost))
        drives.push_back(fromUtf8(name));
}

CEGUI::String CommonFileDialog::workingDirectory() const { return fromUtf8(directoryHost->workingDirectory()); }

CEGUI::String CommonFileDialog::driveOf(const CEGUI::String& path) const {
    return fromUtf8(directoryHost->driveOf(toUtf8(path)));
}

CEGUI::String CommonFileDialog::currentDrive() const {
    if (CEGUI::ListboxItem* selected = driveCombobox->getSelectedItem())
        return selected->getText();
    return driveOf(workingDirectory());
}

DriveDirectoryItem* CommonFileDialog::currentDriveRecord() {
    const CEGUI::String drive = currentDrive();
    std::unique_ptr<DriveDirectoryItem>& record = driveRecords[toUtf8(drive)];
    if (!record) {
        record = std::make_unique<DriveDirectoryItem>();
        const CEGUI::String working = workingDirectory();
        // Only the working directory's drive starts in it; any other starts at its root.
        record->directory = driveOf(working) == drive ? working : drive;
    }
    return record.get();
}

void CommonFileDialog::changeDirectory(const CEGUI::String& decoratedName) {
    DriveDirectoryItem* record = currentDriveRecord();
    const char separator = directoryHost->separator();
    const std::string directory = dialogpaths::enterDirectory(toUtf8(record->directory), toUtf8(currentDrive()),
                                                              toUtf8(decoratedName), separator);
    record->directory = fromUtf8(directory);
    const std::string working = directoryHost->workingDirectory();
    if (currentDrive() == driveOf(fromUtf8(working)))
        record->relativeDirectory = fromUtf8(dialogpaths::relativeDirectory(working, directory, separator));
}

std::string CommonFileDialog::directoryOfCurrentDrive() { return toUtf8(currentDriveRecord()->directory); }

void CommonFileDialog::refreshListing() {
    const std::string directory = directoryOfCurrentDrive();
    listbox->resetList();
    // A directory that cannot be searched gives an empty listing; the back button
    // and the drive list lead out of it.
    const auto entries = directoryHost->entries(directory);
    if (!entries)
        return;
    for (const host::DirectoryEntry& entry : *entries) {
        const CEGUI::String shown =
            fromUtf8(entry.isDirectory ? dialogpaths::decorateDirectory(entry.name) : entry.name);
        if (passesFilter(shown))
            listbox->addItem(new DialogListItem(shown));
    }
}

CEGUI::String CommonFileDialog::fileNameText() const { return fileCombobox->getText(); }

bool CommonFileDialog::onListClicked(const CEGUI::EventArgs&) {
    const CEGUI::ListboxItem* item = listbox->getFirstSelectedItem();
    if (item && !dialogpaths::isDecoratedDirectory(toUtf8(item->getText())))
        fileCombobox->setText(item->getText());
    return true;
}

bool CommonFileDialog::onListDoubleClicked(const CEGUI::EventArgs&) {
    const CEGUI::ListboxItem* item = listbox->getFirstSelectedItem();
    if (!item)
        return true;
    const CEGUI::String text = item->getText();
    // A double click on a file does not accept it.
    if (!text.empty() && !dialogpaths::isDecoratedDirectory(toUtf8(text)))
        return true;
    changeDirectory(text);
    refreshListing();
    return true;
}

bool CommonFileDialog::onBackClicked(const CEGUI::EventArgs&) {
    changeDirectory(fromUtf8(dialogpaths::decorateDirectory("..")));
    refreshListing();
    return true;
}

bool CommonFileDialog::onDriveAccepted(const CEGUI::EventArgs&) {
    refreshListing();
    return true;
}

bool CommonFileDialog::onFilterAccepted(const CEGUI::EventArgs&) {
    refreshListing();
    if (request.getLoadMode())
        return true;
    const FilterListItem* item = currentFilterItem();
    const std::string name = toUtf8(fileNameText());
    // There is nothing to rename in an empty name; a name without a dot keeps
    // all of it and gains the extension.
    if (!item || name.empty())
        return true;
    const std::string base = name.find('.') == std::string::npos ? name : dialogpaths::splitName(name, false);
    fileCombobox->setText(fromUtf8(base + "." + dialogpaths::splitName(toUtf8(item->pattern), true)));
    return true;
}
