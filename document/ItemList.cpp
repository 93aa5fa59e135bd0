#include "document/ItemList.h"

#include "document/ItemGround.h"
#include "document/Translation.h"
#include "document/TurkishText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const char* kindText(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Object: return tr("Nesne");
    case ItemKind::Area: return tr("Alan");
    case ItemKind::Road: return tr("Yol");
    case ItemKind::Other: break;
    }
    return tr("Diger");
}

std::string_view modelText(const std::string& mesh)
{
    constexpr std::string_view suffix = ".mesh";
    const std::string_view name = mesh;
    if (name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix)
        return name.substr(0, name.size() - suffix.size());
    return name;
}

void appendNumber(std::string& out, float value)
{
    char text[64];
    if (value == std::trunc(value) && std::fabs(value) < 1e9f) {
        // -0 shows as 0.
        out.append(text, std::to_chars(text, text + sizeof text, static_cast<long long>(value)).ptr);
        return;
    }
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    std::string_view number = text;
    if (number.find('.') != std::string_view::npos) {
        number.remove_suffix(number.size() - number.find_last_not_of('0') - 1);
        if (number.back() == '.')
            number.remove_suffix(1);
    }
    out += number == "-0" ? "0" : number;
}

std::string numberText(float value)
{
    std::string text;
    appendNumber(text, value);
    return text;
}

const std::string& messageText(const Item& item)
{
    static const std::string none;
    return item.message ? item.message->text : none;
}

// Four bytes whose order is that of the numbers; numbers that are not numbers
// come after all others and equal each other.
std::string numberKey(float value)
{
    std::uint32_t bits = 0xFFFFFFFFu;
    if (!std::isnan(value)) {
        const float number = value == 0 ? 0.0f : value;
        std::memcpy(&bits, &number, sizeof bits);
        bits = bits >> 31 ? ~bits : bits | 0x80000000u;
    }
    return {static_cast<char>(bits >> 24), static_cast<char>(bits >> 16), static_cast<char>(bits >> 8),
            static_cast<char>(bits)};
}

// The first eight bytes of a key as a number of the same order; the missing
// bytes of a shorter key count as zero.
std::uint64_t keyStart(const std::string& key)
{
    std::uint64_t start = 0;
    for (std::size_t i = 0; i < 8; ++i)
        start = start << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return start;
}

}  // namespace

const char* columnTitle(ItemColumn column)
{
    switch (column) {
    case ItemColumn::Kind: return tr("Tur");
    case ItemColumn::Model: return tr("Model");
    case ItemColumn::X: return "x";
    case ItemColumn::Z: return "z";
    case ItemColumn::Message: break;
    }
    return tr("Mesaj");
}

ItemCells itemCells(const Item& item)
{
    const GroundPoint at = groundCentreOf(item);
    return {kindText(item.kind), std::string(modelText(item.mesh)), numberText(at.x), numberText(at.z),
            leadingCharacters(messageText(item), messageCellCharacters)};
}

ItemList::ItemList(Document& document) : document(document)
{
    document.addObserver(this);
    allReplaced();
}

ItemList::~ItemList() { document.removeObserver(this); }

std::string ItemList::sortKeyOf(const Item& item) const
{
    switch (sorted.value_or(ItemColumn::Kind)) {
    case ItemColumn::Kind: return sorted ? collationKey(kindText(item.kind)) : std::string();
    case ItemColumn::Model: return collationKey(modelText(item.mesh));
    case ItemColumn::X: return numberKey(groundCentreOf(item).x);
    case ItemColumn::Z: return numberKey(groundCentreOf(item).z);
    case ItemColumn::Message: break;
    }
    return collationKey(messageText(item));
}

void ItemList::put(const Item& item)
{
    auto [at, added] = entryOf.try_emplace(item.id, 0);
    if (added) {
        if (freeEntries.empty()) {
            at->second = static_cast<std::uint32_t>(entries.size());
            entries.emplace_back();
        } else {
            at->second = freeEntries.back();
            freeEntries.pop_back();
        }
    }
    Entry& entry = entries[at->second];
    // Each column ends with a byte that cannot be typed, so no match runs from one column into the next.
    constexpr char end = '\x1f';
    const GroundPoint centre = groundCentreOf(item);
    entry.searched.clear();
    appendSearchFolded(entry.searched, kindText(item.kind));
    entry.searched += end;
    appendSearchFolded(entry.searched, modelText(item.mesh));
    entry.searched += end;
    appendNumber(entry.searched, centre.x);
    entry.searched += end;
    appendNumber(entry.searched, centre.z);
    entry.searched += end;
    appendSearchFolded(entry.searched, messageText(item));
    entry.sortKey = sortKeyOf(item);
    stale = true;
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
            if (const auto found = entryOf.find(item.id); found != entryOf.end())
                entries[found->second].sortKey = sortKeyOf(item);
    stale = true;
}

void ItemList::toggleSort(ItemColumn column)
{
    const bool turnRound = sorted == column && order == SortOrder::Ascending;
    sortBy(column, turnRound ? SortOrder::Descending : SortOrder::Ascending);
}

void ItemList::sortRows()
{
    for (Row& row : rows) {
        const std::string& key = entries[row.entry].sortKey;
        row.key = keyStart(key);
        row.longKey = key.size() > sizeof row.key;
    }
    const bool ascending = order == SortOrder::Ascending;
    // Keys compare in the order asked for; equal keys by the items' order.
    std::sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        if (a.key != b.key)
            return (a.key < b.key) == ascending;
        // Text keys hold no zero byte and number keys are four bytes, so short
        // keys that start alike are equal.
        if (a.longKey || b.longKey)
            if (const int keys = entries[a.entry].sortKey.compare(entries[b.entry].sortKey))
                return (keys < 0) == ascending;
        return a.index < b.index;
    });
}

void ItemList::refresh()
{
    if (!stale)
        return;
    rows.clear();
    const std::vector<Item>& items = document.items();
    for (std::uint32_t index = 0; index < items.size(); ++index) {
        const auto found = entryOf.find(items[index].id);
        if (found != entryOf.end() && entries[found->second].searched.find(needle) != std::string::npos)
            rows.push_back({0, index, found->second, false});
    }
    if (sorted)
        sortRows();
    stale = false;
    ++revisions;
}

const Item& ItemList::itemOf(std::size_t row)
{
    refresh();
    return document.items()[rows.at(row).index];
}

std::size_t ItemList::count()
{
    refresh();
    return rows.size();
}

ItemId ItemList::idAt(std::size_t row) { return itemOf(row).id; }

ItemCells ItemList::cells(std::size_t row) { return itemCells(itemOf(row)); }

std::optional<std::size_t> ItemList::rowOf(ItemId id)
{
    refresh();
    const std::vector<Item>& items = document.items();
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return items[row.index].id == id; });
    if (found == rows.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - rows.begin());
}

std::uint64_t ItemList::revision()
{
    refresh();
    return revisions;
}

void ItemList::itemAdded(const Item& item) { put(item); }

void ItemList::itemChanged(const Item&, const Item& after) { put(after); }

void ItemList::itemRemoved(const Item& item)
{
    const auto found = entryOf.find(item.id);
    if (found == entryOf.end())
        return;
    entries[found->second] = Entry{};
    freeEntries.push_back(found->second);
    entryOf.erase(found);
    stale = true;
}

void ItemList::allReplaced()
{
    entries.clear();
    freeEntries.clear();
    entryOf.clear();
    entries.reserve(document.items().size());
    entryOf.reserve(document.items().size());
    for (const Item& item : document.items())
        put(item);
    stale = true;
}
