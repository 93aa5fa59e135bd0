#pragma once

#include "gui/InterfaceLanguage.h"
#include "panels/KeyChord.h"
#include "panels/RowTable.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace input { class KeyEvent; }

// Yardim > "Kisayollar" and F1 show or hide "kisayollarWindow": every key and
// mouse action of the editor, a row each, written anew in the chosen language
// whenever it opens. Escape and its close button close it. It leaves the
// editor's other keys alone: it can stay open beside the work.
class KeyListWindow {
public:
    // A row: the keys or the mouse action, and what it does, both as shown.
    struct Row {
        std::string keys;
        std::string action;
    };
    using Rows = std::function<std::vector<Row>()>;

    static constexpr KeyChord toggleKey{input::KC_F1};

    explicit KeyListWindow(Rows rows) : rowsNow(std::move(rows)) {}

    // Makes the table's widgets, hides the window and connects its close button and the menu item.
    void wire();
    void toggle();
    bool isOpen() const;
    // F1 shows or hides it; Escape closes it while it is open. True when used up.
    bool handleKey(const input::KeyEvent& key);

    const RowTable& table() const { return *rows; }

private:
    void draw();

    Rows rowsNow;
    std::vector<Row> shown;
    std::unique_ptr<RowTable> rows;
    LanguageFollower language{[this] {
        if (rows && isOpen())
            draw();
    }};
};
