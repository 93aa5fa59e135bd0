#pragma once

#include <map>
#include <string>

// Which editor works on which recovery copies. The copies of one editor carry its
// owner name: its process id, or the id with "-2", "-3", ... when a process of an
// earlier run with the same id left copies. An editor holds the lock of its own
// copies while it runs, and the lock of another's copies while it offers or
// restores them; the system lets go of every lock when a process ends, however
// it ends.
class RecoveryLocks {
public:
    enum class Result { Taken, HeldElsewhere, Unavailable };

    virtual ~RecoveryLocks() = default;
    // Takes the lock of the owner's copies for this process (again: Taken).
    // Unavailable when locks cannot be used here at all.
    virtual Result take(const std::string& owner) = 0;
    // Lets go; with removeFile the lock's own file goes too, as nothing of the
    // owner is left.
    virtual void release(const std::string& owner, bool removeFile) = 0;
};

// The locks as files "<owner>.kilit" in the recovery folder, locked with flock.
class FileLocks : public RecoveryLocks {
public:
    explicit FileLocks(std::string directory) : directory(std::move(directory)) {}
    ~FileLocks() override;
    FileLocks(const FileLocks&) = delete;
    FileLocks& operator=(const FileLocks&) = delete;

    Result take(const std::string& owner) override;
    void release(const std::string& owner, bool removeFile) override;

    static constexpr const char* suffix = ".kilit";

private:
    std::string pathOf(const std::string& owner) const { return directory + "/" + owner + suffix; }

    std::string directory;
    std::map<std::string, int> held;  // owner -> open descriptor of its lock file
};

// Whether a process of this id runs (it may be another program that got the id).
bool processRuns(int process);
