#pragma once

#include "document/DocumentObserver.h"

#include <functional>
#include <iosfwd>
#include <string>

class Document;
class RecoveryFolder;
class SettingsFile;

// Keeps a recovery copy of the document while it has unsaved changes: every
// interval, and whenever asked (a test run starts), but only when something
// changed since the last copy. Once nothing is unsaved (a save, New, Open, undo
// back to the saved state) the copies go. A copy that cannot be written is
// told once a session, and editing goes on.
class Autosave : public DocumentObserver {
public:
    using Clock = std::function<double()>;  // seconds, never going back
    using Report = std::function<void(const std::string& notice)>;

    static constexpr double defaultSeconds = 60;

    // An interval of 0 keeps no copies; those adopted from an earlier run still go
    // once nothing is unsaved.
    Autosave(Document& document, RecoveryFolder& folder, double intervalSeconds, Clock clock, Report report);
    ~Autosave() override;
    Autosave(const Autosave&) = delete;
    Autosave& operator=(const Autosave&) = delete;

    // Looked at often: writes once an interval has passed since the last look.
    void poll();
    // Writes the copy now when something changed since the last one; true when
    // nothing unsaved is left out of the copy (or nothing is unsaved).
    bool writeNow();

    void itemAdded(const Item&) override { changed = true; }
    void itemChanged(const Item&, const Item&) override { changed = true; }
    void itemRemoved(const Item&) override { changed = true; }
    void allReplaced() override { changed = true; }
    void stateChanged() override;

private:
    Document& document;
    RecoveryFolder& folder;
    double interval;
    Clock clock;
    Report report;
    double lastLook;
    bool changed = false;
    bool reported = false;
};

// The interval from "autosave_seconds" of the editor's settings: a whole number
// of seconds, 0 for none. Without the key, or with a value that is not such a
// number (told in one line on warnings), the default.
double autosaveSeconds(const SettingsFile& settings, std::ostream& warnings);
