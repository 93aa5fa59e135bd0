#pragma once

#include "document/Document.h"
#include "document/DocumentObserver.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// The columns of the list of items, in their order on screen.
enum class ItemColumn { Kind, Model, X, Z, Message };
constexpr std::size_t itemColumnCount = 5;

// A column's header: "Tur", "Model", "x", "z", "Mesaj".
const char* columnTitle(ItemColumn column);

// The Mesaj column shows this many characters of an area's message text.
constexpr std::size_t messageCellCharacters = 40;

// What the list shows of an item: its kind ("Nesne", "Alan", "Yol", or "Diger"
// for entries of other types), its mesh without ".mesh", the x and z of its
// ground centre (whole numbers without a fraction, else at most two decimals)
// and the first characters of an area's message text.
using ItemCells = std::array<std::string, itemColumnCount>;
ItemCells itemCells(const Item& item);

enum class SortOrder { Ascending, Descending };

// The document's items as rows to show, filtered and sorted, served by row
// number so that a window makes widgets only for the rows in sight. It follows
// the document as an observer: an edit costs a little at once and the rows are
// brought up to date when they are next asked for.
class ItemList : public DocumentObserver {
public:
    explicit ItemList(Document& document);
    ~ItemList() override;
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;

    // Keeps the rows that contain typed in some column, ignoring case and
    // Turkish marks (see searchFolded). An area's whole message text is
    // searched, not only the part its cell shows. Empty keeps every row.
    void setFilter(const std::string& typed);
    // Orders the rows by the column; rows that compare equal keep the items'
    // order in either direction. x and z compare as numbers, the other columns
    // in Turkish alphabetical order ignoring case, Mesaj by the whole text.
    void sortBy(ItemColumn column, SortOrder order);
    // A click on a column's header: the sorted column again turns its order
    // round, another column sorts ascending.
    void toggleSort(ItemColumn column);
    std::optional<ItemColumn> sortColumn() const { return sorted; }
    SortOrder sortOrder() const { return order; }

    // The rows as they stand; each call first brings them up to date.
    std::size_t count();
    ItemId idAt(std::size_t row);
    ItemCells cells(std::size_t row);
    std::optional<std::size_t> rowOf(ItemId id);
    // Grows whenever the rows change; a window redraws when it differs from
    // the one it drew.
    std::uint64_t revision();

    void itemAdded(const Item& item) override;
    void itemChanged(const Item& before, const Item& after) override;
    void itemRemoved(const Item& item) override;
    void allReplaced() override;

private:
    struct Entry {
        std::string searched;  // every column folded for searching
        std::string sortKey;   // the key of the sorted column (see sortKeyOf)
    };
    struct Row {
        std::uint64_t key;    // the sort key's first bytes
        std::uint32_t index;  // in the document's items
        std::uint32_t entry;
        bool longKey;         // the sort key goes on after those bytes
    };

    void put(const Item& item);
    std::string sortKeyOf(const Item& item) const;
    const Item& itemOf(std::size_t row);
    void refresh();
    void sortRows();

    Document& document;
    std::vector<Entry> entries;
    std::vector<std::uint32_t> freeEntries;
    std::unordered_map<ItemId, std::uint32_t> entryOf;
    std::string needle;
    std::optional<ItemColumn> sorted;
    SortOrder order = SortOrder::Ascending;
    std::vector<Row> rows;
    bool stale = true;
    std::uint64_t revisions = 0;
};
