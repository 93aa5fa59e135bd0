#pragma once

#include "document/RecoveryFolder.h"

#include <functional>
#include <optional>
#include <vector>

namespace input { class KeyEvent; }
class DocumentController;
class EditorMode;

// The window "kurtarWindow": at start it offers the recovery copies that editors
// which ended unexpectedly left behind, one row each ("kurtarListe", the first
// chosen). Ac opens the chosen copy as the unsaved document it was, Sil deletes it
// after asking ("kurtarSilSorWindow"), Sonra keeps the rest for the next start.
// While it is open it alone takes input.
class RecoveryWindow {
public:
    RecoveryWindow(DocumentController& documents, EditorMode& mode) : documents(documents), mode(mode) {}
    void wire();

    // Shows the copies the folder gives, then runs next once the window has
    // closed; with no copies, runs next at once.
    void offer(RecoveryFolder& folder, std::function<void()> next);
    bool isOpen() const { return offering; }
    // While open, every key is the window's: Escape closes the question, or is Sonra.
    bool handleKey(const input::KeyEvent& key);

    void openChosen();
    void askToRemoveChosen();
    void removeChosen();
    void later();

private:
    void showRows(std::size_t chosen);
    void enableButtons();
    std::optional<std::size_t> chosenRow() const;
    void closeQuestion();
    void close();

    DocumentController& documents;
    EditorMode& mode;
    RecoveryFolder* folder = nullptr;
    std::vector<RecoveryFile> files;
    std::function<void()> next;
    bool offering = false;
};
