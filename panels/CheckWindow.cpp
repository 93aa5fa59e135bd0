#include "panels/CheckWindow.h"

#include "document/Document.h"
#include "document/ItemList.h"
#include "document/Translation.h"
#include "gui/GuiText.h"
#include "gui/WindowLookup.h"
#include "panels/FloatingWindow.h"
#include "panels/GoToItem.h"
#include "panels/MainWindowNames.h"
#include "panels/OverviewNames.h"

#include <CEGUI/CEGUI.h>

#include <limits>

namespace {

using namespace overviewnames;

// An item as a row names it: its kind, its model and where it stands.
std::string describe(const Item& item)
{
    const ItemCells cells = itemCells(item);
    const std::size_t kind = static_cast<std::size_t>(ItemColumn::Kind);
    const std::size_t model = static_cast<std::size_t>(ItemColumn::Model);
    return cells[kind] + " " + cells[model] + " (" + cells[static_cast<std::size_t>(ItemColumn::X)] + ", " +
           cells[static_cast<std::size_t>(ItemColumn::Z)] + ")";
}

// Without a terrain every place counts as on it.
const GroundBox everywhere{-std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity()};

}  // namespace

CheckWindow::CheckWindow(Document& document, GoToItem& goTo, std::function<std::optional<GroundBox>()> terrain)
    : document(document), goTo(goTo), terrain(std::move(terrain))
{
    document.addObserver(this);
}

CheckWindow::~CheckWindow() { document.removeObserver(this); }

void CheckWindow::wire()
{
    rows = std::make_unique<RowTable>(checkList, std::vector<RowTable::Column>{{tr("Oge"), 0.55f}, {tr("Sorun"), 0.45f}},
                                      RowTable::Handlers{[this](std::size_t row) {
                                                             if (row < found.size())
                                                                 goTo.select(found[row].item, true);
                                                         },
                                                         {}, {}});
    wireFloatingWindow(checkWindow, mainnames::checkItem, [this] { open(); }, [this] { close(); });
}

void CheckWindow::languageChanged()
{
    if (!rows)
        return;
    rows->setHeaderTitle(0, tr("Oge"));
    rows->setHeaderTitle(1, tr("Sorun"));
    stale = true;
    frame();
}

bool CheckWindow::isOpen() const { return getWindow(checkWindow)->isVisible(); }

void CheckWindow::open()
{
    bringUp(checkWindow);
    check();
}

void CheckWindow::close() { getWindow(checkWindow)->setVisible(false); }

void CheckWindow::frame()
{
    if (stale && isOpen())
        check();
}

const Item* CheckWindow::itemOf(const ProblemRow& row) const
{
    const std::vector<Item>& items = document.items();
    if (row.index < items.size() && items[row.index].id == row.item)
        return &items[row.index];
    return document.find(row.item);
}

void CheckWindow::check()
{
    stale = false;
    found = findProblems(document.items(), terrain().value_or(everywhere));
    rows->show(
        found.size(),
        [this](std::size_t row) -> std::vector<std::string> {
            const Item* item = itemOf(found[row]);
            return {item ? describe(*item) : std::string(), problemText(found[row].kind)};
        },
        {});
    getWindow(checkResult)->setText(
        fromUtf8(found.empty() ? std::string(tr("Sorun yok")) : fill(tr("%1 sorun"), {std::to_string(found.size())})));
}
