#include "document/ItemList.h"

#include "document/ItemGround.h"
#include "document/TurkishText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

const char* kindText(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Object: return "Nesne";
    case ItemKind::Area: return "Alan";
    case ItemKind::Road: return "Yol";
    case ItemKind::Other: break;
    }
    return "Diger";
}

std::string modelText(const std::string& mesh)
{
    const std::string suffix = ".mesh";
    if (mesh.size() > suffix.size() && mesh.compare(mesh.size() - suffix.size(), suffix.size(), suffix) == 0)
        return mesh.substr(0, mesh.size() - suffix.size());
    return mesh;
}

std::string numberText(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    std::string number = text;
    if (number.find('.') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.')
            number.pop_back();
    }
    return number == "-0" ? "0" : number;
}

const std::string& messageText(const Item& item)
{
    static const std::string none;
    return item.message ? item.message->text : none;
}

// Numbers that are not numbers go last and compare equal among themselves.
bool numberBefore(float a, float b)
{
    if (std::isnan(a) || std::isnan(b))
        return !std::isnan(a) && std::isnan(b);
    return a < b;
}

}  // namespace

const char* columnTitle(ItemColumn column)
{
    switch (column) {
    case ItemColumn::Kind: return "Tur";
    case ItemColumn::Model: return "Model";
    case ItemColumn::X: return "x";
    case ItemColumn::Z: return "z";
    case ItemColumn::Message: break;
    }
    return "Mesaj";
}

ItemCells itemCells(const Item& item)
{
    const GroundPoint at = groundCentreOf(item);
    return {kindText(item.kind), modelText(item.mesh), numberText(at.x), numberText(at.z),
            leadingCharacters(messageText(item), messageCellCharacters)};
}

ItemList::ItemList(Document& document) : document(document)
{
    document.addObserver(this);
    allReplaced();
}

ItemList::~ItemList() { document.removeObserver(this); }

ItemList::Entry ItemList::entryOf(const Item& item) const
{
    Entry entry;
    entry.id = item.id;
    entry.cells = itemCells(item);
    const char separator = '\x1f';  // cannot be typed, so no match runs across two columns
    for (std::size_t column = 0; column + 1 < itemColumnCount; ++column)
        entry.searched += searchFolded(entry.cells[column]) + separator;
    entry.searched += searchFolded(messageText(item));
    const GroundPoint at = groundCentreOf(item);
    entry.x = at.x;
    entry.z = at.z;
    keySorted(entry, item);
    return entry;
}

void ItemList::keySorted(Entry& entry, const Item& item) const
{
    if (!sorted || *sorted == ItemColumn::X || *sorted == ItemColumn::Z)
        entry.sortKey.clear();
    else if (*sorted == ItemColumn::Message)
        entry.sortKey = collationKey(messageText(item));
    else
        entry.sortKey = collationKey(entry.cells[static_cast<std::size_t>(*sorted)]);
}

void ItemList::setFilter(const std::string& typed)
{
    std::string folded = searchFolded(typed);
    if (folded == needle)
        return;
    needle = std::move(folded);
    stale = true;
}

void ItemList::sortBy(ItemColumn column, SortOrder newOrder)
{
    if (sorted == column && order == newOrder)
        return;
    const bool newKeys = sorted != column;
    sorted = column;
    order = newOrder;
    if (newKeys)
        for (const Item& item : document.items())
            if (const auto found = entries.find(item.id); found != entries.end())
                keySorted(found->second, item);
    stale = true;
}

void ItemList::toggleSort(ItemColumn column)
{
    const bool turnRound = sorted == column && order == SortOrder::Ascending;
    sortBy(column, turnRound ? SortOrder::Descending : SortOrder::Ascending);
}

bool ItemList::before(const Entry& a, const Entry& b) const
{
    switch (*sorted) {
    case ItemColumn::X: return numberBefore(a.x, b.x);
    case ItemColumn::Z: return numberBefore(a.z, b.z);
    default: return a.sortKey < b.sortKey;
    }
}

void ItemList::refresh()
{
    if (!stale)
        return;
    rows.clear();
    for (const Item& item : document.items()) {
        const auto found = entries.find(item.id);
        if (found != entries.end() && found->second.searched.find(needle) != std::string::npos)
            rows.push_back(&found->second);
    }
    if (sorted) {
        const bool ascending = order == SortOrder::Ascending;
        std::stable_sort(rows.begin(), rows.end(), [&](const Entry* a, const Entry* b) {
            return ascending ? before(*a, *b) : before(*b, *a);
        });
    }
    stale = false;
    ++revisions;
}

std::size_t ItemList::count()
{
    refresh();
    return rows.size();
}

ItemId ItemList::idAt(std::size_t row)
{
    refresh();
    return rows.at(row)->id;
}

const std::string& ItemList::cell(std::size_t row, ItemColumn column)
{
    refresh();
    return rows.at(row)->cells[static_cast<std::size_t>(column)];
}

std::optional<std::size_t> ItemList::rowOf(ItemId id)
{
    refresh();
    const auto found = std::find_if(rows.begin(), rows.end(), [id](const Entry* entry) { return entry->id == id; });
    if (found == rows.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - rows.begin());
}

std::uint64_t ItemList::revision()
{
    refresh();
    return revisions;
}

void ItemList::itemAdded(const Item& item)
{
    entries[item.id] = entryOf(item);
    stale = true;
}

void ItemList::itemChanged(const Item&, const Item& after)
{
    entries[after.id] = entryOf(after);
    stale = true;
}

void ItemList::itemRemoved(const Item& item)
{
    entries.erase(item.id);
    stale = true;
}

void ItemList::allReplaced()
{
    entries.clear();
    entries.reserve(document.items().size());
    for (const Item& item : document.items())
        entries.emplace(item.id, entryOf(item));
    stale = true;
}
