#include "panels/PropertiesTab.h"

#include "document/Document.h"
#include "gui/WindowLookup.h"
#include "panels/PanelSlides.h"
#include "scene/SceneMirror.h"

#include <CEGUI/Window.h>

#include <cstdio>

namespace {

std::string formatCoordinate(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

}  // namespace

PropertiesTab::PropertiesTab(Document& document, Selection& selection, const SceneMirror& mirror)
    : document(document), selection(selection), mirror(mirror)
{
    selection.addObserver(this);
    document.addObserver(this);
}

PropertiesTab::~PropertiesTab() { document.removeObserver(this); }

void PropertiesTab::layout()
{
    slideOut = true;
    homeX = tabX(propertiesTabIndex);
    outSteps = 0;
}

void PropertiesTab::hide()
{
    if (isShown) {
        isShown = false;
        slideOut = true;
    }
}

void PropertiesTab::selectionChanged(std::optional<ItemId> previous, SelectionChange change)
{
    if (change == SelectionChange::Shown && selection.selected()) {
        showPosition(*selection.selected());
    } else if (change == SelectionChange::Cleared && previous) {
        hide();
    }
}

void PropertiesTab::itemChanged(const Item&, const Item& after)
{
    if (selection.selected() == after.id)
        writePosition(after.id);
}

void PropertiesTab::writePosition(ItemId id)
{
    if (const std::optional<Ogre::Vector3> position = mirror.positionOf(id)) {
        getWindow("xPosition")->setText(formatCoordinate(position->x));
        getWindow("yPosition")->setText(formatCoordinate(position->z));
    }
}

void PropertiesTab::showPosition(ItemId id)
{
    writePosition(id);
    if (!isShown) {
        slideIn = true;
        isShown = true;
    }
}

// The tab slides in until it is in and out until it is out, one step a frame,
// and lands exactly on its place. A slide-in that takes over a half-done
// slide-out therefore takes as many frames as the tab is out.
void PropertiesTab::animate()
{
    const Item* selected = selection.selectedItem();
    getWindow("mesajYaz")->setVisible(selected && selected->kind == ItemKind::Area);
    if (slideIn) {
        if (outSteps == 0) {
            slideIn = false;
            // A slide-out cut short by this slide-in is void while something is selected.
            if (isShown)
                slideOut = false;
        } else {
            step(-1);
        }
    } else if (slideOut) {
        if (outSteps == slideSteps)
            slideOut = false;
        else
            step(+1);
    }
}

void PropertiesTab::step(int direction)
{
    outSteps += direction;
    moveToolTab(direction, propertiesTabIndex);
    if (outSteps == 0 || outSteps == slideSteps)
        placeTab(propertiesTabIndex, homeX + slideStepWidth * outSteps);
}
