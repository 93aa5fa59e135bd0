#pragma once

#include <functional>

namespace input { class KeyEvent; }
namespace platform { class SdlClipboard; }
class CameraView;
class EditingTools;

// Duzenle's edits of the selection and their keys: Q and E turn (with Shift a
// quarter turn), Ctrl+A selects all, Ctrl+C copies to the desktop's clipboard
// as scenario text, Ctrl+X cuts, Ctrl+V pastes under the mouse, Ctrl+D
// duplicates; Escape gives up what is in progress. None of them acts while a
// dialog, the message editor or the guard is open.
class EditCommands {
public:
    static constexpr int turnStep = 15;
    static constexpr int quarterTurn = 90;

    struct Parts {
        EditingTools& tools;
        CameraView& view;
        platform::SdlClipboard& clipboard;
        // A dialog, the message editor or the guard has the input.
        std::function<bool()> busy;
    };

    explicit EditCommands(Parts parts) : parts(std::move(parts)) {}
    void wire();
    // True when the key was one of these and is used up.
    bool handleKey(const input::KeyEvent& key, bool typing);

    void cut();
    void copy();
    void paste();
    void duplicate();
    void selectAll();

private:
    Parts parts;
};
