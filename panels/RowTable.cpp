#include "panels/RowTable.h"

#include "gui/GuiText.h"
#include "gui/WindowLookup.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>
#include <cmath>

namespace {

const float scrollbarWidth = 16;
const char* const plainRow = "tl:FFFFFFFF tr:FFFFFFFF bl:FFFFFFFF br:FFFFFFFF";
const char* const markedRow = "tl:FFB4CDF0 tr:FFB4CDF0 bl:FFB4CDF0 br:FFB4CDF0";

CEGUI::Window* make(const char* type, const std::string& name, CEGUI::Window& parent)
{
    CEGUI::Window* made = CEGUI::WindowManager::getSingleton().createWindow(type, name);
    parent.addChild(made);
    return made;
}

void place(CEGUI::Window& window, float left, float top, float width, float height)
{
    window.setArea(CEGUI::UDim(left, 0), CEGUI::UDim(0, top), CEGUI::UDim(width, 0), CEGUI::UDim(0, height));
}

}  // namespace

RowTable::RowTable(const std::string& containerName, std::vector<Column> tableColumns, Handlers tableHandlers)
    : columns(std::move(tableColumns)), handlers(std::move(tableHandlers))
{
    CEGUI::Window& table = *getWindow(containerName);
    auto* content = make("DefaultWindow", "rows", table);
    content->setArea(CEGUI::UDim(0, 0), CEGUI::UDim(0, 0), CEGUI::UDim(1, -scrollbarWidth), CEGUI::UDim(1, 0));
    float left = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        CEGUI::Window* header = make("WindowsLook/Button", "header" + std::to_string(c), *content);
        place(*header, left, 0, columns[c].width, rowHeight);
        header->setText(fromUtf8(columns[c].title));
        header->subscribeEvent(CEGUI::PushButton::EventClicked, [this, c](const CEGUI::EventArgs&) {
            if (handlers.headerClicked)
                handlers.headerClicked(c);
            return true;
        });
        headers.push_back(header);
        left += columns[c].width;
    }

    const float height = table.getPixelSize().d_height;
    const auto places = static_cast<std::size_t>(std::max(1.0f, std::floor((height - rowHeight) / rowHeight)));
    const auto scrolled = [this](const CEGUI::EventArgs& args) {
        const float change = static_cast<const CEGUI::MouseEventArgs&>(args).wheelChange;
        const long step = change > 0 ? -3 : 3;
        scrollTo(static_cast<std::size_t>(std::max(0L, static_cast<long>(first) + step)));
        return true;
    };
    for (std::size_t p = 0; p < places; ++p) {
        CEGUI::Window* row = make("DefaultWindow", "row" + std::to_string(p), *content);
        place(*row, 0, rowHeight * static_cast<float>(p + 1), 1, rowHeight);
        row->subscribeEvent(CEGUI::Window::EventMouseClick, [this, p](const CEGUI::EventArgs&) {
            if (first + p < count && handlers.clicked)
                handlers.clicked(first + p);
            return true;
        });
        row->subscribeEvent(CEGUI::Window::EventMouseDoubleClick, [this, p](const CEGUI::EventArgs&) {
            if (first + p < count && handlers.doubleClicked)
                handlers.doubleClicked(first + p);
            return true;
        });
        row->subscribeEvent(CEGUI::Window::EventMouseWheel, scrolled);
        std::vector<CEGUI::Window*> rowCells;
        float cellLeft = 0;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            CEGUI::Window* cell = make("WindowsLook/StaticText", "cell" + std::to_string(c), *row);
            place(*cell, cellLeft, 0, columns[c].width, rowHeight);
            cell->setProperty("FrameEnabled", "false");
            cell->setMousePassThroughEnabled(true);
            rowCells.push_back(cell);
            cellLeft += columns[c].width;
        }
        rowWindows.push_back(row);
        cellWindows.push_back(std::move(rowCells));
    }

    scrollbar = static_cast<CEGUI::Scrollbar*>(make("WindowsLook/VerticalScrollbar", "scroll", table));
    scrollbar->setArea(CEGUI::UDim(1, -scrollbarWidth), CEGUI::UDim(0, rowHeight), CEGUI::UDim(0, scrollbarWidth),
                       CEGUI::UDim(1, -rowHeight));
    scrollbar->setStepSize(1);
    scrollbar->subscribeEvent(CEGUI::Scrollbar::EventScrollPositionChanged, [this](const CEGUI::EventArgs&) {
        const auto at = static_cast<std::size_t>(std::lround(scrollbar->getScrollPosition()));
        if (at != first) {
            first = at;
            fill();
        }
        return true;
    });
    fill();
}

void RowTable::show(std::size_t rows, Cells rowCells, Marked rowMarked)
{
    count = rows;
    cells = std::move(rowCells);
    marked = std::move(rowMarked);
    const std::size_t places = rowWindows.size();
    first = std::min(first, count > places ? count - places : 0);
    scrollbar->setDocumentSize(static_cast<float>(count));
    scrollbar->setPageSize(static_cast<float>(places));
    scrollbar->setScrollPosition(static_cast<float>(first));
    fill();
}

void RowTable::reveal(std::size_t row)
{
    if (row < first)
        scrollTo(row);
    else if (row >= first + rowWindows.size())
        scrollTo(row + 1 - rowWindows.size());
}

void RowTable::scrollTo(std::size_t row)
{
    const std::size_t places = rowWindows.size();
    first = std::min(row, count > places ? count - places : 0);
    scrollbar->setScrollPosition(static_cast<float>(first));
    fill();
}

void RowTable::setHeaderTitle(std::size_t column, const std::string& title)
{
    headers[column]->setText(fromUtf8(title));
}

void RowTable::fill()
{
    for (std::size_t p = 0; p < rowWindows.size(); ++p) {
        const std::size_t row = first + p;
        const bool filled = row < count;
        rowWindows[p]->setVisible(filled);
        if (!filled)
            continue;
        const std::vector<std::string> texts = cells(row);
        const char* colours = marked && marked(row) ? markedRow : plainRow;
        for (std::size_t c = 0; c < cellWindows[p].size(); ++c) {
            CEGUI::Window* cell = cellWindows[p][c];
            cell->setText(fromUtf8(c < texts.size() ? texts[c] : std::string()));
            cell->setProperty("BackgroundColours", colours);
        }
    }
}
