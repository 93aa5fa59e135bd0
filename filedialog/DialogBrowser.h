#pragma once

#include "filedialog/DialogPaths.h"
#include "filedialog/FileFilter.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace host { class DirectoryHost; }

// Where the file dialog is and what it offers, without any widget: the drive
// list (the host's drives, then its places) with the directory each drive was
// left in, the file types of the request with the one in force, the listing of
// the shown directory, where a typed name leads, and the names accepted before.
// Texts are UTF-8.
class DialogBrowser {
public:
    static constexpr size_t historySize = 12;

    // The start directory's drive starts there (none given: in the working
    // directory); every other drive at its root.
    DialogBrowser(std::unique_ptr<host::DirectoryHost> host, std::string startDirectory);
    ~DialogBrowser();
    DialogBrowser(const DialogBrowser&) = delete;
    DialogBrowser& operator=(const DialogBrowser&) = delete;

    const host::DirectoryHost& host() const { return *directoryHost; }

    const std::vector<std::string>& driveList() const { return entries; }
    // The chosen drive; until the user chooses one, the start directory's.
    std::string currentDrive() const;
    std::string directory() const;  // where the current drive is
    // The directory seen from the working directory, when both lie on one drive; else empty.
    std::string relativeDirectory() const { return relativeDirectoryOf(directory()); }
    std::string relativeDirectoryOf(const std::string& directory) const;

    // A drive of the list goes where it was left, or to its root when it is the
    // drive in force; a place goes to its directory.
    void choose(const std::string& driveListEntry);
    // A decorated listing entry: "<name>" the subdirectory, "<..>" the parent
    // (a root stays), "<.>" the drive's root.
    void enter(const std::string& decoratedEntry);
    // Shows the absolute directory on its drive; false, and nothing moves, when it cannot be listed.
    bool goTo(const std::string& absoluteDirectory);

    // Takes the file types of the filter string. In force: the last type whose
    // pattern is the default pattern, else the first with the label of the type
    // in force before, else the first. False, keeping the types, when the
    // string holds none.
    bool useFilters(const std::string& filterString, const std::string& defaultPattern);
    const FileFilterList& filters() const { return fileTypes; }
    const FileFilter* currentFilter() const;
    void chooseFilter(size_t index);
    bool passesFilter(const std::string& shownName) const;

    // The directory's entries as shown (directories decorated) that pass the
    // type in force, in the host's order; empty when it cannot be listed.
    std::vector<std::string> listing() const;

    dialogpaths::FileTarget target(const std::string& typed) const;
    std::string pathOf(const dialogpaths::FileTarget& target) const;
    // Whether the target names a file (not a directory) that is there now; the name must match exactly.
    bool fileExists(const dialogpaths::FileTarget& target) const;

    // Puts an accepted name first in the history; the oldest beyond twelve goes.
    void remember(const std::string& name);
    const std::deque<std::string>& history() const { return names; }

private:
    std::string startDirectoryOf(const std::string& drive) const;
    void moveTo(const std::string& drive, const std::string& directory);

    std::unique_ptr<host::DirectoryHost> directoryHost;
    std::string start;
    std::vector<std::string> drives;
    std::vector<std::string> entries;
    std::string chosenDrive;
    std::map<std::string, std::string> driveDirectories;
    FileFilterList fileTypes;
    std::optional<size_t> filterIndex;
    std::deque<std::string> names;
};
