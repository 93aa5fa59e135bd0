#include "platform/host/LinuxDirectoryHost.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace host {
namespace {

const std::string rootDrive = "/";

struct DirectoryCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

// Symbolic links count as what they point to, so a link to a directory can be entered.
bool isDirectoryEntry(const std::string& directory, const dirent& entry) {
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    const std::string path = directory == rootDrive ? directory + entry.d_name : directory + "/" + entry.d_name;
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Without a trailing "/", except the root itself.
std::string trimmedDirectory(std::string directory) {
    while (directory.size() > 1 && directory.back() == '/')
        directory.pop_back();
    return directory;
}

}  // namespace

unsigned long LinuxDirectoryHost::driveMask() const { return 1; }

std::string LinuxDirectoryHost::driveName(int bit) const { return bit == 0 ? rootDrive : std::string(); }

std::vector<std::string> LinuxDirectoryHost::places() const {
    const std::string home = homeDirectory();
    if (home.empty() || home == rootDrive)
        return {};
    return {home};
}

std::string LinuxDirectoryHost::driveOf(const std::string& path) const {
    return isAbsolute(path) ? rootDrive : std::string();
}

bool LinuxDirectoryHost::isAbsolute(const std::string& path) const { return !path.empty() && path[0] == '/'; }

char LinuxDirectoryHost::separator() const { return '/'; }

std::string LinuxDirectoryHost::workingDirectory() const {
    std::unique_ptr<char, decltype(&free)> cwd(getcwd(nullptr, 0), &free);
    return cwd ? std::string(cwd.get()) : std::string();
}

std::string LinuxDirectoryHost::homeDirectory() const {
    const char* home = std::getenv("HOME");
    if (home && isAbsolute(home))
        return trimmedDirectory(home);
    const passwd* account = getpwuid(getuid());
    return account && account->pw_dir && isAbsolute(account->pw_dir) ? trimmedDirectory(account->pw_dir)
                                                                      : std::string();
}

std::optional<std::vector<DirectoryEntry>> LinuxDirectoryHost::entries(const std::string& directory) const {
    std::unique_ptr<DIR, DirectoryCloser> dir(opendir(directory.c_str()));
    if (!dir)
        return std::nullopt;
    std::vector<DirectoryEntry> found;
    while (const dirent* entry = readdir(dir.get()))
        found.push_back({entry->d_name, isDirectoryEntry(directory, *entry)});
    return found;
}

}  // namespace host
