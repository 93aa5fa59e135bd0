#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace CEGUI {
class Window;
class Scrollbar;
}

// A table in a container window of the layout that makes widgets only for the
// rows in sight, however many rows there are: a header button per column, as
// many row windows as fit below them, and a scrollbar. The rows' texts come
// from the owner by row number whenever what shows changes; a click on a row,
// a double click and a click on a header are handed back.
class RowTable {
public:
    struct Column {
        std::string title;
        float width;  // a fraction of the table's width
    };
    struct Handlers {
        std::function<void(std::size_t row)> clicked;
        std::function<void(std::size_t row)> doubleClicked;
        std::function<void(std::size_t column)> headerClicked;  // none: the headers do nothing
    };
    // What a row shows.
    using Cells = std::function<std::vector<std::string>(std::size_t row)>;
    using Marked = std::function<bool(std::size_t row)>;

    static constexpr float rowHeight = 20;

    // Makes the widgets inside the container; its name prefixes theirs.
    RowTable(const std::string& containerName, std::vector<Column> columns, Handlers handlers);

    // The rows are now these: the visible ones are filled again, the scrollbar
    // follows, and the first row in sight stays unless the rows got fewer.
    void show(std::size_t count, Cells cells, Marked marked);
    // Scrolls so that the row is in sight.
    void reveal(std::size_t row);
    std::size_t rowCount() const { return count; }
    std::size_t firstShown() const { return first; }
    // How many row windows there are (the most rows in sight at once).
    std::size_t rowsInSight() const { return rowWindows.size(); }
    // The row window at a place in sight, for tests and the e2e journey.
    CEGUI::Window* rowWindow(std::size_t place) const { return rowWindows[place]; }
    void setHeaderTitle(std::size_t column, const std::string& title);

private:
    void fill();
    void scrollTo(std::size_t row);

    std::vector<Column> columns;
    Handlers handlers;
    CEGUI::Scrollbar* scrollbar = nullptr;
    std::vector<CEGUI::Window*> headers;
    std::vector<CEGUI::Window*> rowWindows;
    std::vector<std::vector<CEGUI::Window*>> cellWindows;
    std::size_t count = 0;
    std::size_t first = 0;
    Cells cells;
    Marked marked;
};
