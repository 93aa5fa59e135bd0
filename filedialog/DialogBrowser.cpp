#include "filedialog/DialogBrowser.h"

#include "platform/host/DirectoryHost.h"

#include <algorithm>

DialogBrowser::DialogBrowser(std::unique_ptr<host::DirectoryHost> host, std::string startDirectory)
    : directoryHost(std::move(host)), start(std::move(startDirectory)) {
    if (start.empty())
        start = directoryHost->workingDirectory();
    drives = dialogpaths::driveNames(*directoryHost);
    entries = drives;
    for (const std::string& place : directoryHost->places())
        entries.push_back(place);
}

DialogBrowser::~DialogBrowser() = default;

std::string DialogBrowser::currentDrive() const {
    return chosenDrive.empty() ? directoryHost->driveOf(start) : chosenDrive;
}

std::string DialogBrowser::startDirectoryOf(const std::string& drive) const {
    return directoryHost->driveOf(start) == drive ? start : drive;
}

std::string DialogBrowser::directory() const {
    const std::string drive = currentDrive();
    const auto found = driveDirectories.find(drive);
    return found != driveDirectories.end() ? found->second : startDirectoryOf(drive);
}

std::string DialogBrowser::relativeDirectoryOf(const std::string& directory) const {
    const std::string working = directoryHost->workingDirectory();
    if (working.empty() || directoryHost->driveOf(working) != directoryHost->driveOf(directory))
        return std::string();
    return dialogpaths::relativeDirectory(working, directory, directoryHost->separator());
}

void DialogBrowser::moveTo(const std::string& drive, const std::string& directory) {
    chosenDrive = drive;
    driveDirectories[drive] = directory;
}

void DialogBrowser::choose(const std::string& driveListEntry) {
    if (std::find(drives.begin(), drives.end(), driveListEntry) == drives.end()) {
        moveTo(directoryHost->driveOf(driveListEntry), driveListEntry);
        return;
    }
    if (driveListEntry == currentDrive())
        moveTo(driveListEntry, driveListEntry);
    else
        chosenDrive = driveListEntry;
}

void DialogBrowser::enter(const std::string& decoratedEntry) {
    const std::string drive = currentDrive();
    moveTo(drive, dialogpaths::enterDirectory(directory(), drive, decoratedEntry, directoryHost->separator()));
}

bool DialogBrowser::goTo(const std::string& absoluteDirectory) {
    const std::string drive = directoryHost->driveOf(absoluteDirectory);
    if (drive.empty() || !directoryHost->entries(absoluteDirectory))
        return false;
    moveTo(drive, absoluteDirectory);
    return true;
}

bool DialogBrowser::useFilters(const std::string& filterString, const std::string& defaultPattern) {
    FileFilterList parsed;
    parsed.parse(filterString);
    if (parsed.empty())
        return false;
    const std::string previousLabel = currentFilter() ? currentFilter()->label : std::string();
    fileTypes = std::move(parsed);
    filterIndex.reset();
    for (size_t i = 0; i < fileTypes.size(); ++i)
        if (fileTypes[i].pattern == defaultPattern)
            filterIndex = i;
    for (size_t i = 0; !filterIndex && i < fileTypes.size(); ++i)
        if (fileTypes[i].label == previousLabel)
            filterIndex = i;
    if (!filterIndex)
        filterIndex = 0;
    return true;
}

const FileFilter* DialogBrowser::currentFilter() const {
    return filterIndex && *filterIndex < fileTypes.size() ? &fileTypes[*filterIndex] : nullptr;
}

void DialogBrowser::chooseFilter(size_t index) {
    if (index < fileTypes.size())
        filterIndex = index;
}

bool DialogBrowser::passesFilter(const std::string& shownName) const {
    const FileFilter* filter = currentFilter();
    return dialogpaths::passesFilter(shownName, filter ? &filter->pattern : nullptr);
}

std::vector<std::string> DialogBrowser::listing() const {
    std::vector<std::string> shown;
    const auto found = directoryHost->entries(directory());
    if (!found)
        return shown;
    for (const host::DirectoryEntry& entry : *found) {
        std::string name = entry.isDirectory ? dialogpaths::decorateDirectory(entry.name) : entry.name;
        if (passesFilter(name))
            shown.push_back(std::move(name));
    }
    return shown;
}

dialogpaths::FileTarget DialogBrowser::target(const std::string& typed) const {
    return dialogpaths::fileTarget(*directoryHost, directory(), typed);
}

std::string DialogBrowser::pathOf(const dialogpaths::FileTarget& target) const {
    return dialogpaths::joinPath(target.directory, target.name, directoryHost->separator());
}

bool DialogBrowser::fileExists(const dialogpaths::FileTarget& target) const {
    const auto found = directoryHost->entries(target.directory);
    return found && std::any_of(found->begin(), found->end(), [&target](const host::DirectoryEntry& entry) {
               return !entry.isDirectory && entry.name == target.name;
           });
}

void DialogBrowser::remember(const std::string& name) {
    names.push_front(name);
    if (names.size() > historySize)
        names.pop_back();
}
