#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

// One entry of a directory as the file dialog sees it.
struct DirectoryEntry {
    std::string name;  // UTF-8, without any path
    bool isDirectory = false;
};

// What the file dialog needs of the file system: the drives and places, the
// working and home directories, the entries of a directory and the form of
// paths. Paths are UTF-8.
// A drive's root directory is written as the drive's name itself ("C:" on a
// host with drive letters, "/" on Linux), and directories carry no trailing
// separator except where the root is the separator itself.
class DirectoryHost {
public:
    virtual ~DirectoryHost() = default;

    // Bit i set: the drive called driveName(i) exists.
    virtual unsigned long driveMask() const = 0;
    virtual std::string driveName(int bit) const = 0;

    // Folders offered beside the drives, such as the user's home.
    virtual std::vector<std::string> places() const = 0;

    // The drive a path lies on, or empty when the path names none.
    virtual std::string driveOf(const std::string& path) const = 0;
    // Whether the path starts at a drive's root rather than at some directory.
    virtual bool isAbsolute(const std::string& path) const = 0;

    // Joins the directories of a path.
    virtual char separator() const = 0;

    // The absolute working directory of the process, or empty when it cannot be read.
    virtual std::string workingDirectory() const = 0;
    // The user's home directory ("~"), or empty when there is none.
    virtual std::string homeDirectory() const = 0;

    // Every entry of the directory, "." and ".." included, in the order the file
    // system reports them; nothing when the directory cannot be searched.
    virtual std::optional<std::vector<DirectoryEntry>> entries(const std::string& directory) const = 0;
};

}  // namespace host
