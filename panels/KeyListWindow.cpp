#include "panels/KeyListWindow.h"

#include "document/Translation.h"
#include "gui/WindowLookup.h"
#include "panels/FloatingWindow.h"
#include "panels/KeyListNames.h"
#include "panels/MainWindowNames.h"
#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

using namespace keylistnames;

void KeyListWindow::wire()
{
    wireFloatingWindow(window, mainnames::keyListItem, [this] { toggle(); }, [this] { toggle(); });
}

RowTable& KeyListWindow::table()
{
    if (!rows)
        rows = std::make_unique<RowTable>(keylistnames::table, std::vector<RowTable::Column>{{"", 0.4f}, {"", 0.6f}},
                                          RowTable::Handlers{});
    return *rows;
}

bool KeyListWindow::isOpen() const { return getWindow(window)->isVisible(); }

void KeyListWindow::toggle()
{
    if (isOpen()) {
        getWindow(window)->setVisible(false);
        return;
    }
    bringUp(window);
    draw();
}

bool KeyListWindow::handleKey(const input::KeyEvent& key)
{
    if (key.getKey() == toggleKey.key && !key.isCtrlDown()) {
        toggle();
        return true;
    }
    if (key.getKey() != input::KC_ESCAPE || !isOpen())
        return false;
    toggle();
    return true;
}

void KeyListWindow::draw()
{
    table().setHeaderTitle(0, tr("Tus ya da fare"));
    rows->setHeaderTitle(1, tr("Ne yapar"));
    shown = rowsNow();
    rows->show(
        shown.size(), [this](std::size_t row) { return std::vector<std::string>{shown[row].keys, shown[row].action}; },
        [](std::size_t) { return false; });
}
