#include "document/FileAccess.h"

#include "document/SystemErrorWords.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The reason in a few Turkish words for the notice; the system's own text, with
// the file it concerns, goes to standard error for whoever reads the log.
std::string systemError(const std::string& file)
{
    const int code = errno;
    std::fprintf(stderr, "sahne: %s: %s\n", file.c_str(), std::strerror(code));
    return systemErrorWords(code);
}

// Where the bytes go: the file a symbolic link points to, else path itself. A link
// that leads nowhere (or in a circle) is refused: writing over it would put a plain
// file in the link's place.
std::string resolveTarget(const std::string& path, std::string& target)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        target = path;
        return {};
    }
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
        return systemError(path);
    target = resolved;
    return {};
}

// The rename itself reaches the disk only with its folder.
void syncFolder(const std::string& folder)
{
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

mode_t modeForNewFile(const std::string& target)
{
    struct stat info;
    if (stat(target.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string writeAll(int fd, const std::string& contents, const std::string& file)
{
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t written = write(fd, contents.data() + done, contents.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return systemError(file);
        }
        done += static_cast<std::size_t>(written);
    }
    return {};
}

}  // namespace

std::string readWholeFile(const std::string& path, std::string& contents)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemError(path);
    std::string text;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const std::string error = systemError(path);
            close(fd);
            return error;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    contents = std::move(text);
    return {};
}

std::string replaceFileContents(const std::string& path, const std::string& contents)
{
    std::string target;
    const std::string linkError = resolveTarget(path, target);
    if (!linkError.empty())
        return linkError;
    // Renaming would replace even a file the user may not write: refuse as opening it would.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0)
        return systemError(target);
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";

    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return systemError(temporary);
    std::string error;
    if (fchmod(fd, modeForNewFile(target)) != 0)
        error = systemError(temporary);
    if (error.empty())
        error = writeAll(fd, contents, temporary);
    if (error.empty() && fsync(fd) != 0)
        error = systemError(temporary);
    if (close(fd) != 0 && error.empty())
        error = systemError(temporary);
    if (error.empty() && rename(temporary.c_str(), target.c_str()) != 0)
        error = systemError(target);
    if (!error.empty())
        unlink(temporary.c_str());
    else
        syncFolder(folder);
    return error;
}

bool isDirectory(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string makeDirectories(const std::string& path)
{
    std::size_t position = 0;
    while (position != std::string::npos) {
        position = path.find('/', position + 1);
        const std::string partial = path.substr(0, position);
        if (partial.empty() || isDirectory(partial))
            continue;
        if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return systemError(partial);
    }
    if (access(path.c_str(), W_OK | X_OK) != 0)
        return systemError(path);
    return {};
}
