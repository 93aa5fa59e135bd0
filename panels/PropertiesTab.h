#pragma once

#include "editing/Selection.h"

class SceneMirror;

// The properties tab: it shows the selected item's position, slides in when
// something gets selected and out when the selection is given up; the button
// "mesajYaz" shows while a blue area is selected.
class PropertiesTab : public SelectionObserver, public DocumentObserver {
public:
    PropertiesTab(Document& document, Selection& selection, const SceneMirror& mirror);
    ~PropertiesTab() override;

    // Takes the tab's place from the layout; the tab then slides out of view.
    void layout();
    // Slides the tab out whatever is selected (New).
    void hide();
    // One frame of the slide.
    void animate();

    void selectionChanged(std::optional<ItemId> previous, SelectionChange change) override;
    // The selected item moved (or an undo or redo moved it back).
    void itemChanged(const Item& before, const Item& after) override;

    bool shown() const { return isShown; }
    bool slidingIn() const { return slideIn; }
    bool slidingOut() const { return slideOut; }

private:
    void showPosition(ItemId id);
    void writePosition(ItemId id);
    void step(int direction);

    Document& document;
    Selection& selection;
    const SceneMirror& mirror;
    bool isShown = false;
    bool slideIn = false;
    bool slideOut = true;
    float homeX = 0;
    // How many steps the tab is out: 0 in, slideSteps out.
    int outSteps = 0;
};
