#pragma once

#include "platform/host/DirectoryHost.h"

namespace host {

// The Linux file system as one drive, "/", holding everything, with the user's
// home as a place beside it; paths are ordinary absolute Linux paths joined with "/".
class LinuxDirectoryHost : public DirectoryHost {
public:
    unsigned long driveMask() const override;
    std::string driveName(int bit) const override;
    std::vector<std::string> places() const override;
    std::string driveOf(const std::string& path) const override;
    bool isAbsolute(const std::string& path) const override;
    char separator() const override;
    std::string workingDirectory() const override;
    // $HOME when it is an absolute path, else the account's home directory.
    std::string homeDirectory() const override;
    std::optional<std::vector<DirectoryEntry>> entries(const std::string& directory) const override;
};

}  // namespace host
