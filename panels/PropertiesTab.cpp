#include "panels/PropertiesTab.h"

#include "document/Document.h"
#include "document/GroupEdits.h"
#include "document/Translation.h"
#include "editing/EditingTools.h"
#include "gui/EditorMode.h"
#include "gui/GuiText.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/PanelSlides.h"
#include "scene/PlacementGeometry.h"
#include "scene/SceneMirror.h"

#include <CEGUI/CEGUI.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace mainnames;

const char* const positionFields[] = {xField, zField};

std::string formatCoordinate(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

// A typed coordinate: a decimal number, white space around it allowed.
std::optional<float> coordinateOf(const std::string& text)
{
    const char* start = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end == start)
        return std::nullopt;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0' || !std::isfinite(value) || std::fabs(value) > 1e9)
        return std::nullopt;
    return static_cast<float>(value);
}

void showField(const char* name, bool shown)
{
    getWindow(name)->setVisible(shown);
}

}  // namespace

PropertiesTab::PropertiesTab(Document& document, Selection& selection, const SceneMirror& mirror,
                             EditingTools& tools, EditorMode& mode)
    : document(document), selection(selection), mirror(mirror), tools(tools), mode(mode)
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

void PropertiesTab::wire()
{
    static_assert(2 * std::size(positionFields) == std::tuple_size_v<decltype(fieldFocus)>);
    std::size_t focus = 0;
    for (const char* field : positionFields) {
        onWindowEvent(field, CEGUI::Editbox::EventTextAccepted, [this] { moveToTypedPosition(); });
        fieldFocus[focus++] = onWindowEvent(field, CEGUI::Window::EventActivated, [this] { typing(true); });
        fieldFocus[focus++] = onWindowEvent(field, CEGUI::Window::EventDeactivated, [this] { typing(false); });
    }
}

void PropertiesTab::hide()
{
    if (isShown) {
        isShown = false;
        slideOut = true;
    }
}

void PropertiesTab::selectionChanged(const std::vector<ItemId>& previous, SelectionChange change)
{
    if (change == SelectionChange::Shown && !selection.empty())
        showSelection();
    else if (change == SelectionChange::Cleared && !previous.empty())
        hide();
    else if (change != SelectionChange::Silent)
        writeSelection();
}

void PropertiesTab::itemChanged(const Item&, const Item& after)
{
    selectionEdited = selectionEdited || selection.contains(after.id);
}

void PropertiesTab::stateChanged()
{
    if (selectionEdited)
        writeSelection();
    selectionEdited = false;
}

// One item shows where it stands as drawn; several the middle of theirs.
void PropertiesTab::writeSelection()
{
    const std::vector<Item> items = selection.items();
    const Item* single = items.size() == 1 ? &items.front() : nullptr;
    std::optional<Ogre::Vector3> position;
    if (single) {
        position = mirror.positionOf(single->id);
    } else if (!items.empty()) {
        const GroundPoint centre = centreOf(items);
        position = Ogre::Vector3(centre.x, 0, centre.z);
    }
    if (position) {
        getWindow(xField)->setText(formatCoordinate(position->x));
        getWindow(zField)->setText(formatCoordinate(position->z));
    }
    const bool movable = items.size() > 1 || (single && isMovable(*single));
    for (const char* field : positionFields)
        static_cast<CEGUI::Editbox*>(getWindow(field))->setReadOnly(!movable);

    const bool turnable = single && isTurnable(*single);
    getWindow(turnField)->setText(turnable ? std::to_string(single->turn) : "");
    showField(turnField, turnable);
    showField(turnLabel, turnable);
    writeCount(items.size());
}

void PropertiesTab::writeCount(std::size_t count)
{
    getWindow(selectionCount)->setText(
        fromUtf8(count > 1 ? fill(tr("%1 oge secili"), {std::to_string(count)}) : std::string()));
    showField(selectionCount, count > 1);
}

void PropertiesTab::showSelection()
{
    writeSelection();
    if (!isShown) {
        slideIn = true;
        isShown = true;
    }
}

void PropertiesTab::moveToTypedPosition()
{
    float typed[2] = {0, 0};
    for (int axis = 0; axis < 2; ++axis) {
        const std::string text = toUtf8(getWindow(positionFields[axis])->getText());
        const std::optional<float> value = coordinateOf(text);
        if (!value) {
            showNotice(fill(tr("\"%1\" bir sayi degil; hicbir sey tasinmadi."), {text}));
            writeSelection();
            return;
        }
        typed[axis] = *value;
    }
    tools.edits().moveTo(static_cast<int>(truncateToWhole(typed[0])), static_cast<int>(truncateToWhole(typed[1])));
    writeSelection();
    // Enter ends the typing: the keys go back to the camera and the shortcuts.
    for (const char* field : positionFields)
        getWindow(field)->deactivate();
}

// While a position field has the focus, the keys type into it.
void PropertiesTab::typing(bool started)
{
    if (started == holdsKeys)
        return;
    holdsKeys = started;
    if (started)
        mode.begin(Activity::Typing);
    else
        mode.end(Activity::Typing);
}

// The tab slides in until it is in and out until it is out, one step a frame,
// and lands exactly on its place. A slide-in that takes over a half-done
// slide-out therefore takes as many frames as the tab is out.
void PropertiesTab::animate()
{
    const Item* selected = selection.selectedItem();
    getWindow(writeMessageButton)->setVisible(selected && selected->kind == ItemKind::Area);
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
        placeTab(propertiesTabIndex, homeX, outSteps);
}
