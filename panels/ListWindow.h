#pragma once

#include "document/ItemList.h"
#include "editing/Selection.h"
#include "gui/InterfaceLanguage.h"
#include "panels/KeyChord.h"
#include "panels/RowTable.h"

#include <CEGUI/Event.h>

#include <cstdint>
#include <memory>

namespace input { class KeyEvent; }
class Document;
class EditorMode;
class GoToItem;

// Gorunum > "Liste" and the key L show or hide "listeWindow": the scenario's
// items in "listeTablo" (Tur, Model, x, z, Mesaj), filtered by what is typed
// into "listeAra", sorted by a click on a column's header. A click on a row
// selects its item, a double click also goes to it. The rows follow every edit
// in the next frame; widgets exist only for the rows in sight.
class ListWindow : public SelectionObserver {
public:
    ListWindow(Document& document, Selection& selection, EditorMode& mode, GoToItem& goTo);

    // Makes the rows' widgets, hides the window and connects its widgets and the menu item.
    void wire();
    void toggle();
    bool isOpen() const;
    static constexpr KeyChord toggleKey{input::KC_L};

    // L; true when used up.
    bool handleKey(const input::KeyEvent& key);
    // Draws the rows again when they or the selection changed.
    void frame();

    ItemList& items() { return list; }
    RowTable& table() { return *rows; }

    void selectionChanged(const std::vector<ItemId>& previous, SelectionChange change) override;

private:
    void draw();
    void languageChanged();

    Selection& selection;
    EditorMode& mode;
    GoToItem& goTo;
    ItemList list;
    std::unique_ptr<RowTable> rows;
    std::uint64_t drawnRevision = 0;
    bool drawn = false;
    // The search field's focus tells the mode; the interface, torn down after
    // the editor, must not tell a list that is gone.
    CEGUI::Event::ScopedConnection searchActivated, searchDeactivated;
    LanguageFollower language{[this] { languageChanged(); }};
};
