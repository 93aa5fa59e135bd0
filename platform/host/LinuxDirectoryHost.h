#pragma once

#include "platform/host/DirectoryHost.h"

namespace host {

// The Linux file system as one drive, "/", holding everything; paths are
// ordinary absolute Linux paths joined with "/".
class LinuxDirectoryHost : public DirectoryHost {
public:
    unsigned long driveMask() const override;
    std::string driveName(int bit) const override;
    std::string driveOf(const std::string& path) const override;
    char separator() const override;
    std::string workingDirectory() const override;
    std::optional<std::vector<DirectoryEntry>> entries(const std::string& directory) const override;

    // Where the file dialog starts instead of the process's working directory
    // (an installed editor starts in the home directory); empty: the working directory.
    static void setStartDirectory(const std::string& directory);
};

}  // namespace host
