#include "document/RecoveryLocks.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether path still names the file open as fd: a lock file removed and made
// anew meanwhile is another lock.
bool sameFile(int fd, const std::string& path)
{
    struct stat open {}, named {};
    return fstat(fd, &open) == 0 && stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev
        && open.st_ino == named.st_ino;
}

}  // namespace

FileLocks::~FileLocks()
{
    for (const auto& entry : held)
        close(entry.second);
}

RecoveryLocks::Result FileLocks::take(const std::string& owner)
{
    if (held.count(owner))
        return Result::Taken;
    const std::string path = pathOf(owner);
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return Result::Unavailable;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            close(fd);
            return error == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unavailable;
        }
        if (sameFile(fd, path)) {
            held[owner] = fd;
            return Result::Taken;
        }
        close(fd);
    }
    return Result::HeldElsewhere;
}

void FileLocks::release(const std::string& owner, bool removeFile)
{
    const auto found = held.find(owner);
    if (found == held.end())
        return;
    const std::string path = pathOf(owner);
    if (removeFile && sameFile(found->second, path))
        unlink(path.c_str());
    close(found->second);
    held.erase(found);
}

bool processRuns(int process) { return process > 0 && (kill(process, 0) == 0 || errno == EPERM); }
