#include "app/RuntimeTree.h"

#include <climits>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool holdsRuntimeFiles(const std::string& directory)
{
    struct stat info {};
    return stat((directory + "/resources.cfg").c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string canonical(const std::string& path)
{
    std::unique_ptr<char, decltype(&free)> resolved(realpath(path.c_str(), nullptr), &free);
    return resolved ? std::string(resolved.get()) : path;
}

}  // namespace

RuntimeTree findRuntimeTree(const std::string& programDirectory, const std::string& installedWorkDirectory)
{
    RuntimeTree tree;
    if (programDirectory.empty())
        return tree;
    if (holdsRuntimeFiles(programDirectory)) {
        tree.workDirectory = programDirectory;
        return tree;
    }
    const std::string installed = !installedWorkDirectory.empty() && installedWorkDirectory[0] == '/'
                                      ? installedWorkDirectory
                                      : programDirectory + "/" + installedWorkDirectory;
    if (!installedWorkDirectory.empty() && holdsRuntimeFiles(installed)) {
        tree.workDirectory = canonical(installed);
        tree.installed = true;
    }
    return tree;
}

std::string programDirectory()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    const std::string path(buffer, static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool isWritableDirectory(const std::string& directory)
{
    return access(directory.c_str(), W_OK | X_OK) == 0;
}
