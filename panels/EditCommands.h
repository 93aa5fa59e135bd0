#pragma once

#include "panels/KeyChord.h"

namespace input { class KeyEvent; }
namespace platform { class SdlClipboard; }
class CameraView;
class EditingTools;
class EditorMode;

// Duzenle's edits of the selection and the keys of the tools: Escape gives up
// what is in progress, Delete deletes the selection, Q and E turn (with Shift a
// quarter turn); Kes, Kopyala, Yapistir, Cogalt and Tumunu Sec cut and copy to
// the desktop's clipboard as scenario text, paste under the mouse, duplicate
// and select all. None of the menu's edits acts while a window has the editor.
class EditCommands {
public:
    static constexpr int turnStep = 15;
    static constexpr int quarterTurn = 90;
    static constexpr KeyChord deleteKey{input::KC_DELETE};

    struct Parts {
        EditingTools& tools;
        CameraView& view;
        platform::SdlClipboard& clipboard;
        const EditorMode& mode;
    };

    explicit EditCommands(Parts parts) : parts(parts) {}
    void wire();
    // Escape, Delete, Q and E. True when the key was used.
    bool handleToolKey(const input::KeyEvent& key);

    void cut();
    void copy();
    void paste();
    void duplicate();
    void selectAll();

private:
    Parts parts;
};
