#pragma once

#include "document/Item.h"

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class RecoveryLocks;

// A recovery copy as the folder lists it.
struct RecoveryFile {
    std::string path;          // the copy, "<name>.<owner>.zev"
    std::string originalPath;  // the document's own file; empty for an unnamed document
    std::string name;          // the original's file name, or "Adsiz"
    std::string owner;         // the editor that wrote it (see RecoveryLocks)
    std::time_t time = 0;      // when it was written
    std::optional<std::size_t> itemCount;  // none: the copy does not read as a scenario
};

// The row that offers a copy: its name, date and time, and its item count or "okunamadi".
std::string describeRecovery(const RecoveryFile& file);

// The folder where editors keep copies of unsaved work, so that a crash, a kill
// or a power cut loses at most the last moments. Each copy is a scenario file
// named after the document's file ("Adsiz" without one) and its editor, written
// as Save writes; beside it a small "key=value" file names the original path,
// the time and the process id. An editor takes and deletes only its own copies
// and those of editors that have ended.
class RecoveryFolder {
public:
    struct Host {
        std::string directory;
        int process = 0;                          // this editor's process id
        std::function<std::time_t()> clock;       // the time noted beside each copy
        std::function<bool(int process)> processRuns;
        RecoveryLocks& locks;
    };

    explicit RecoveryFolder(Host host) : host(std::move(host)) {}

    // Writes this editor's copy of the items of a document whose file is
    // originalPath (empty when it has none). "" or why not, in Turkish words.
    std::string write(const std::vector<Item>& items, const std::string& originalPath);
    // Deletes this editor's copies and those it adopted.
    void removeOwn();

    // The copies of editors that have ended, newest first. Each stays locked for
    // this editor until it is released, removed or adopted, so that an editor
    // starting meanwhile does not offer it too.
    std::vector<RecoveryFile> claimOrphans();
    // The copy holds the document this editor now edits: its next copy replaces
    // it, and removeOwn deletes it.
    void adopt(const RecoveryFile& file);
    // Deletes the copy and its side file.
    void remove(const RecoveryFile& file);
    // Leaves the copy for a later start.
    void release(const RecoveryFile& file);

private:
    struct Name;
    std::vector<Name> namesIn() const;
    std::string chooseOwner();
    std::optional<RecoveryFile> read(const Name& copy) const;
    // Every file of the owner but its lock, or those of one stem.
    void removeFiles(const std::string& owner, const std::string* stem);
    // The copy is no longer claimed or adopted; the lock goes with the owner's last.
    void letGo(const RecoveryFile& file, bool removed);
    bool inUse(const std::string& owner) const;
    void removeAdopted();

    Host host;
    std::string owner;        // this editor's, chosen at its first copy
    std::string writtenStem;  // the name of its last copy
    std::vector<RecoveryFile> claimed;
    std::vector<RecoveryFile> adopted;
};
