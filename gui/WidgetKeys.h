#pragma once

namespace input { class KeyEvent; }

// Types the key into the widget that has the input focus, and tells whether it
// did. Commands are not typed, so that whoever comes next may take them or
// leave them: Escape, Delete (a key meant for a text field must never edit the
// scenario, and a field does without it) and letters with Ctrl. Control
// characters go in as keys, not as characters.
bool typeIntoWidgets(const input::KeyEvent& key);
