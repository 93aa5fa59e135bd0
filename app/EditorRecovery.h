#pragma once

#include "document/Autosave.h"
#include "document/RecoveryFolder.h"
#include "document/RecoveryLocks.h"
#include "panels/RecoveryWindow.h"

#include <ctime>
#include <functional>
#include <memory>
#include <string>

namespace input { class KeyEvent; }
class Document;
class DocumentController;
class EditorMode;

// Nothing lost on a crash: copies of unsaved work in the recovery folder while
// the editor runs, and at start the offer of those that editors which ended
// unexpectedly left there. Idle until started.
class EditorRecovery {
public:
    struct Setup {
        std::string directory;
        double intervalSeconds = Autosave::defaultSeconds;
        int process = 0;
        std::function<std::time_t()> wallClock;
        Autosave::Clock clock;
        std::function<bool(int process)> processRuns;
    };
    // This process with the system's clocks.
    static Setup setupFor(const std::string& directory, double intervalSeconds);

    EditorRecovery(Document& document, DocumentController& documents, EditorMode& mode);
    ~EditorRecovery();
    void wire() { window.wire(); }

    void start(Setup setup);
    // The recovery window when there is something to offer; then next.
    void offer(std::function<void()> next);
    // Once a frame: a copy when the interval is up, or when a test run has begun.
    void frame();
    // The system asks the editor to end: the copy takes the last changes now
    // and stays for the next start. False when it could not (copies are off
    // or the write failed): the unsaved work is then only in this process.
    bool keepForNextStart();
    // The editor ends: its copies go, unless kept for the next start.
    void endSession();
    bool handleKey(const input::KeyEvent& key) { return window.handleKey(key); }

    RecoveryWindow window;

private:
    Document& document;
    EditorMode& mode;
    bool testRunning = false;
    bool kept = false;
    std::unique_ptr<FileLocks> locks;
    std::unique_ptr<RecoveryFolder> folder;
    std::unique_ptr<Autosave> autosave;
};
