#pragma once

#include "editing/Selection.h"
#include "gui/InterfaceLanguage.h"

#include <CEGUI/Event.h>
#include <CEGUI/UDim.h>

#include <array>

class EditingTools;
class EditorMode;
class SceneMirror;

// The properties tab: it slides in when something gets selected and out when
// the selection is given up. For one item it shows its position (and an
// object's turn in "yonText", the button "mesajYaz" for a blue area); for
// several their count in "secimSayisi" and the position of their centre. The
// position can be typed: Enter moves the selection there.
class PropertiesTab : public SelectionObserver, public DocumentObserver {
public:
    PropertiesTab(Document& document, Selection& selection, const SceneMirror& mirror, EditingTools& tools,
                  EditorMode& mode);
    ~PropertiesTab() override;

    // Takes the tab's place from the layout; the tab then slides out of view.
    void layout();
    // Connects the position fields.
    void wire();
    // Slides the tab out whatever is selected (New).
    void hide();
    // One frame of the slide.
    void animate();

    void selectionChanged(const std::vector<ItemId>& previous, SelectionChange change) override;
    // A selected item changed (a move, a turn, an undo or redo of one): shown after the edit.
    void itemChanged(const Item& before, const Item& after) override;
    void stateChanged() override;

    bool shown() const { return isShown; }
    bool slidingIn() const { return slideIn; }
    bool slidingOut() const { return slideOut; }

private:
    void showSelection();
    void writeSelection();
    // "N oge secili" under the fields, for more than one item.
    void writeCount(std::size_t count);
    void moveToTypedPosition();
    void typing(bool started);
    void step(int direction);

    Document& document;
    Selection& selection;
    const SceneMirror& mirror;
    EditingTools& tools;
    EditorMode& mode;
    bool isShown = false;
    bool slideIn = false;
    bool slideOut = true;
    bool holdsKeys = false;
    bool selectionEdited = false;
    CEGUI::UDim homeX{0, 0};
    // How many steps the tab is out: 0 in, slideSteps out.
    int outSteps = 0;
    // The position fields' focus, which the interface may still report while
    // it is torn down after the editor.
    std::array<CEGUI::Event::ScopedConnection, 4> fieldFocus;
    LanguageFollower language{[this] { writeCount(selection.count()); }};
};
