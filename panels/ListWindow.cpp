#include "panels/ListWindow.h"

#include "gui/EditorMode.h"
#include "gui/GuiText.h"
#include "gui/WindowLookup.h"
#include "panels/GoToItem.h"
#include "panels/MainWindowNames.h"
#include "panels/FloatingWindow.h"
#include "panels/OverviewNames.h"
#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

namespace {

using namespace overviewnames;

std::vector<RowTable::Column> listColumns()
{
    const float widths[itemColumnCount] = {0.13f, 0.17f, 0.12f, 0.12f, 0.46f};
    std::vector<RowTable::Column> columns;
    for (std::size_t c = 0; c < itemColumnCount; ++c)
        columns.push_back({columnTitle(static_cast<ItemColumn>(c)), widths[c]});
    return columns;
}

}  // namespace

ListWindow::ListWindow(Document& document, Selection& selection, EditorMode& mode, GoToItem& goTo)
    : selection(selection), mode(mode), goTo(goTo), list(document)
{
    selection.addObserver(this);
}

void ListWindow::wire()
{
    rows = std::make_unique<RowTable>(
        listTable, listColumns(),
        RowTable::Handlers{[this](std::size_t row) { goTo.select(list.idAt(row), false); },
                           [this](std::size_t row) { goTo.select(list.idAt(row), true); },
                           [this](std::size_t column) { list.toggleSort(static_cast<ItemColumn>(column)); }});
    wireFloatingWindow(listWindow, mainnames::listItem, [this] { toggle(); }, [this] { toggle(); });
    onWindowEvent(listSearch, CEGUI::Window::EventTextChanged,
                  [this] { list.setFilter(toUtf8(getWindow(listSearch)->getText())); });
    searchActivated =
        onWindowEvent(listSearch, CEGUI::Window::EventActivated, [this] { mode.begin(Activity::Typing); });
    searchDeactivated =
        onWindowEvent(listSearch, CEGUI::Window::EventDeactivated, [this] { mode.end(Activity::Typing); });
}

bool ListWindow::isOpen() const { return getWindow(listWindow)->isVisible(); }

void ListWindow::toggle()
{
    CEGUI::Window* window = getWindow(listWindow);
    if (window->isVisible()) {
        // The search field gives the keys back as it goes.
        getWindow(listSearch)->deactivate();
        window->setVisible(false);
        return;
    }
    bringUp(listWindow);
    draw();
}

bool ListWindow::handleKey(const input::KeyEvent& key)
{
    if (key.getKey() != toggleKey.key || key.isCtrlDown())
        return false;
    toggle();
    return true;
}

void ListWindow::frame()
{
    if (isOpen() && (!drawn || list.revision() != drawnRevision))
        draw();
}

void ListWindow::selectionChanged(const std::vector<ItemId>&, SelectionChange) { drawn = false; }

void ListWindow::languageChanged()
{
    if (!rows)
        return;
    for (std::size_t c = 0; c < itemColumnCount; ++c)
        rows->setHeaderTitle(c, columnTitle(static_cast<ItemColumn>(c)));
    // The kinds are searched and sorted by their words in the language shown.
    list.allReplaced();
    drawn = false;
    frame();
}

void ListWindow::draw()
{
    drawn = true;
    drawnRevision = list.revision();
    rows->show(
        list.count(),
        [this](std::size_t row) {
            const ItemCells cells = list.cells(row);
            return std::vector<std::string>(cells.begin(), cells.end());
        },
        [this](std::size_t row) { return selection.contains(list.idAt(row)); });
}
