#pragma once

#include <string>
#include <vector>

namespace host { class DirectoryHost; }

// The file dialog's rules for names, filters and directories, on UTF-8 texts.
// Directories are written as the host writes them: a drive's root is the
// drive's name, and parts are joined with the host's separator.
namespace dialogpaths {

// The text after (wantExtension) or before the last "." of the name; empty when
// the name has no ".".
std::string splitName(const std::string& name, bool wantExtension);

// "<" + name + ">", the way directories are shown in the listing.
std::string decorateDirectory(const std::string& name);
bool isDecoratedDirectory(const std::string& shownName);
// The shown text without its first and last character.
std::string undecorate(const std::string& shownName);

// Whether a listing text is shown under the filter with the given pattern
// (null: no filter is in force). Directories pass every filter; "*.*" passes
// every name; otherwise the name's extension must give exactly the pattern.
bool passesFilter(const std::string& shownName, const std::string* pattern);

// The names of the drives whose bits are set in the host's drive mask.
std::vector<std::string> driveNames(const host::DirectoryHost& host);

// The directory name inside the directory.
std::string joinPath(const std::string& directory, const std::string& name, char separator);

// The name as picking the file type with the pattern makes it: the extension
// after the last "." of its last part becomes the pattern's ("save.txt" and
// "*.zev" give "save.zev"); a last part without a "." keeps all of it and gains
// the extension; an empty name stays empty.
std::string withExtensionOf(const std::string& name, const std::string& pattern, char separator);

// A file named in the dialog's name field: the directory it lies in and its name there.
struct FileTarget {
    std::string directory;
    std::string name;
};

// Where a text typed into the name field leads from the shown directory. A
// plain name, used exactly as typed, is a file in the shown directory; a path
// starts at its drive's root when absolute, at the home directory after "~"
// and the separator, and at the shown directory otherwise; its "." and ".."
// parts are applied to the directories, never beyond a root.
FileTarget fileTarget(const host::DirectoryHost& host, const std::string& shownDirectory, const std::string& typed);

// The directory that a (decorated) listing entry leads to from the directory on
// the drive: "<..>" the parent (a root stays where it is), "<.>" the drive's
// root, any other the subdirectory of that name.
std::string enterDirectory(const std::string& directory, const std::string& drive,
                           const std::string& decoratedEntry, char separator);

// The directory relative to the working directory, compared by whole path
// parts: "..\data" for C:\game\data seen from C:\game\bin, "..\" for C:\game.
std::string relativeDirectory(const std::string& workingDirectory, const std::string& directory,
                              char separator);

}  // namespace dialogpaths
