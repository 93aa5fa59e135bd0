#pragma once

namespace input { class KeyEvent; }

// Types the key into the widget that has the input focus. Escape and Delete are
// never typed: a key meant for a text field must not reach it as an edit of the
// scenario, and a field does not need them. Control characters go in as keys,
// not as characters. The key is used up either way.
bool typeIntoWidgets(const input::KeyEvent& key);
