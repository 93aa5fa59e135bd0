#include "document/Commands.h"

#include "document/Translation.h"

#include <algorithm>
#include <set>
#include <unordered_set>

namespace {

const char* const itemGone = N_("oge artik yok");

std::vector<ItemId> withoutRepeats(std::vector<ItemId> ids)
{
    std::unordered_set<ItemId> seen;
    ids.erase(std::remove_if(ids.begin(), ids.end(), [&](ItemId id) { return !seen.insert(id).second; }), ids.end());
    return ids;
}

bool allPresent(const Document& document, const std::vector<ItemId>& ids)
{
    return document.countPresent(ids) == ids.size();
}

// Why one of the items cannot be shown, asked once for each mesh.
template <typename Items, typename ItemOf>
std::string checkEach(const Document& document, const Items& items, ItemOf itemOf)
{
    std::set<std::string> checked;
    for (const auto& entry : items) {
        const Item& item = itemOf(entry);
        if (!checked.insert(item.mesh).second)
            continue;
        const std::string problem = document.checkItem(item);
        if (!problem.empty())
            return problem;
    }
    return "";
}

}  // namespace

AddItems::AddItems(std::vector<Item> items) : items(std::move(items)) {}

std::string AddItems::apply(Document& document)
{
    const std::vector<ItemId> ids = idsOf(items);
    if (document.countPresent(ids) > 0 || withoutRepeats(ids).size() != ids.size())
        return tr("oge zaten var");
    const std::string problem = checkEach(document, items, [](const Item& item) -> const Item& { return item; });
    if (!problem.empty())
        return problem;
    std::vector<IndexedItem> placed;
    placed.reserve(items.size());
    for (const Item& item : items)
        placed.push_back({document.items().size() + placed.size(), item});
    document.insertItems(std::move(placed));
    return "";
}

std::string AddItems::revert(Document& document)
{
    const std::vector<ItemId> ids = idsOf(items);
    if (!allPresent(document, ids))
        return tr(itemGone);
    document.removeItems(ids);
    return "";
}

AddItem::AddItem(Item item) : AddItems({std::move(item)}) {}

ChangeItems::ChangeItems(std::vector<Item> before, std::vector<Item> after)
    : before(std::move(before)), after(std::move(after))
{
}

std::string ChangeItems::apply(Document& document)
{
    if (!allPresent(document, withoutRepeats(idsOf(before))))
        return tr(itemGone);
    document.updateItems(after);
    return "";
}

std::string ChangeItems::revert(Document& document)
{
    if (!allPresent(document, withoutRepeats(idsOf(after))))
        return tr(itemGone);
    document.updateItems(before);
    return "";
}

ChangeItem::ChangeItem(Item before, Item after) : ChangeItems({std::move(before)}, {std::move(after)}) {}

RemoveItems::RemoveItems(std::vector<ItemId> ids) : ids(withoutRepeats(std::move(ids))) {}

std::string RemoveItems::apply(Document& document)
{
    if (!allPresent(document, ids))
        return tr(itemGone);
    removed = document.removeItems(ids);
    return "";
}

std::string RemoveItems::revert(Document& document)
{
    const std::string problem =
        checkEach(document, removed, [](const IndexedItem& entry) -> const Item& { return entry.item; });
    if (!problem.empty())
        return problem;
    document.insertItems(removed);
    return "";
}

RemoveItem::RemoveItem(ItemId id) : RemoveItems({id}) {}

ReplaceAll::ReplaceAll(std::vector<Item> items) : items(std::move(items)) {}

std::string ReplaceAll::apply(Document& document)
{
    document.swapItems(items);
    return "";
}

std::string ReplaceAll::revert(Document& document) { return apply(document); }
