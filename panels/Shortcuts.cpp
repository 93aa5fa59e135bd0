#include "panels/Shortcuts.h"

#include "document/Translation.h"
#include "panels/DocumentController.h"
#include "panels/EditCommands.h"
#include "panels/MainWindowNames.h"
#include "platform/input/InputEvents.h"

Shortcuts::Shortcuts(DocumentController& documents, EditCommands& edits) : documents(documents)
{
    using namespace input;
    using namespace mainnames;
    constexpr int ctrl = CTRL_MASK;
    constexpr int ctrlShift = CTRL_MASK | SHIFT_MASK;
    DocumentController* files = &documents;
    EditCommands* edit = &edits;
    chords = {
        {{KC_N, ctrl}, newItem, N_("Yeni senaryo"), [files] { files->newScenario(); }},
        {{KC_O, ctrl}, openItem, N_("Senaryo dosyasi acar"), [files] { files->open(); }},
        {{KC_S, ctrl}, saveItem, N_("Senaryonun dosyasina kaydeder"), [files] { files->saveToFile(); }},
        {{KC_S, ctrlShift}, saveAsItem, N_("Baska bir adla kaydeder"), [files] { files->save(); }},
        {{KC_Z, ctrl}, undoItem, N_("Son degisikligi geri alir"), [files] { files->undo(); }},
        {{KC_Y, ctrl}, redoItem, N_("Geri alinani yineler"), [files] { files->redo(); }},
        {{KC_Z, ctrlShift}, nullptr, N_("Geri alinani yineler"), [files] { files->redo(); }},
        {{KC_A, ctrl}, selectAllItem, N_("Tum ogeleri secer"), [edit] { edit->selectAll(); }},
        {{KC_C, ctrl}, copyItem, N_("Secileni kopyalar"), [edit] { edit->copy(); }},
        {{KC_X, ctrl}, cutItem, N_("Secileni keser"), [edit] { edit->cut(); }},
        {{KC_V, ctrl}, pasteItem, N_("Farenin altina yapistirir"), [edit] { edit->paste(); }},
        {{KC_D, ctrl}, duplicateItem, N_("Secileni cogaltir"), [edit] { edit->duplicate(); }},
    };
}

bool Shortcuts::handleChord(const input::KeyEvent& key)
{
    if (!key.isCtrlDown())
        return false;
    for (const Binding& binding : chords) {
        if (binding.chord.matches(key)) {
            binding.action();
            return true;
        }
    }
    return false;
}

bool Shortcuts::leaveOnEscape(const input::KeyEvent& key)
{
    if (key.getKey() != leaveKey.key)
        return false;
    documents.exit();
    return true;
}
