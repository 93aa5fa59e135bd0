#include "document/Document.h"

#include "document/Commands.h"
#include "document/DocumentObserver.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

const Item* Document::find(ItemId id) const
{
    const std::optional<std::size_t> index = indexOf(id);
    return index ? &itemList[*index] : nullptr;
}

std::optional<std::size_t> Document::indexOf(ItemId id) const
{
    // From the end: the items edited most are the newest.
    const auto found = std::find_if(itemList.rbegin(), itemList.rend(), [id](const Item& item) { return item.id == id; });
    if (found == itemList.rend())
        return std::nullopt;
    return static_cast<std::size_t>(itemList.rend() - found - 1);
}

std::string Document::execute(std::unique_ptr<Command> command)
{
    const std::string problem = command->apply(*this);
    if (!problem.empty())
        return problem;
    history.erase(history.begin() + static_cast<std::ptrdiff_t>(position), history.end());
    if (cleanPosition && *cleanPosition > position)
        cleanPosition.reset();
    history.push_back(std::move(command));
    ++position;
    if (history.size() > historyDepth) {
        history.erase(history.begin());
        --position;
        if (cleanPosition)
            cleanPosition = *cleanPosition == 0 ? std::nullopt : std::optional<std::size_t>(*cleanPosition - 1);
    }
    notifyState();
    return "";
}

std::string Document::undo()
{
    if (!canUndo())
        return "";
    const std::string problem = history[position - 1]->revert(*this);
    if (!problem.empty())
        return problem;
    --position;
    notifyState();
    return "";
}

std::string Document::redo()
{
    if (!canRedo())
        return "";
    const std::string problem = history[position]->apply(*this);
    if (!problem.empty())
        return problem;
    ++position;
    notifyState();
    return "";
}

void Document::replaceAll(std::vector<Item> items, const std::string& path)
{
    ReplaceAll(std::move(items)).apply(*this);
    history.clear();
    position = 0;
    cleanPosition = 0;
    filePath = path;
    notifyState();
}

void Document::markSaved(const std::string& path)
{
    filePath = path;
    cleanPosition = position;
    notifyState();
}

void Document::markRecovered(const std::string& path)
{
    filePath = path;
    cleanPosition.reset();
    notifyState();
}

void Document::addObserver(DocumentObserver* observer) { observers.push_back(observer); }

void Document::removeObserver(DocumentObserver* observer)
{
    observers.erase(std::remove(observers.begin(), observers.end(), observer), observers.end());
}

std::string Document::checkItem(const Item& item) const { return itemCheck ? itemCheck(item) : ""; }

void Document::insertItems(std::vector<IndexedItem> placed)
{
    std::vector<std::size_t> at;
    at.reserve(placed.size());
    if (placed.empty() || placed.front().index >= itemList.size()) {
        for (IndexedItem& p : placed) {
            at.push_back(itemList.size());
            nextId = std::max(nextId, p.item.id + 1);
            itemList.push_back(std::move(p.item));
        }
    } else {
        std::vector<Item> merged;
        merged.reserve(itemList.size() + placed.size());
        std::size_t from = 0;
        for (IndexedItem& p : placed) {
            while (merged.size() < p.index && from < itemList.size())
                merged.push_back(std::move(itemList[from++]));
            at.push_back(merged.size());
            nextId = std::max(nextId, p.item.id + 1);
            merged.push_back(std::move(p.item));
        }
        while (from < itemList.size())
            merged.push_back(std::move(itemList[from++]));
        itemList.swap(merged);
    }
    for (std::size_t index : at) {
        const Item& added = itemList[index];
        notify([&](DocumentObserver& observer) { observer.itemAdded(added); });
    }
}

void Document::updateItems(const std::vector<Item>& items)
{
    std::unordered_map<ItemId, const Item*> changes;
    for (const Item& item : items)
        changes.emplace(item.id, &item);
    std::vector<std::pair<Item, const Item*>> changed;
    for (Item& item : itemList) {
        const auto found = changes.find(item.id);
        if (found == changes.end())
            continue;
        changed.emplace_back(std::move(item), found->second);
        item = *found->second;
    }
    for (const auto& change : changed)
        notify([&](DocumentObserver& observer) { observer.itemChanged(change.first, *change.second); });
}

std::vector<IndexedItem> Document::removeItems(const std::vector<ItemId>& ids)
{
    const std::unordered_set<ItemId> going(ids.begin(), ids.end());
    std::vector<IndexedItem> removed;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < itemList.size(); ++i) {
        if (going.count(itemList[i].id))
            removed.push_back({i, std::move(itemList[i])});
        else if (kept++ != i)
            itemList[kept - 1] = std::move(itemList[i]);
    }
    itemList.resize(kept);
    for (const IndexedItem& gone : removed)
        notify([&](DocumentObserver& observer) { observer.itemRemoved(gone.item); });
    return removed;
}

std::size_t Document::countPresent(const std::vector<ItemId>& ids) const
{
    const std::unordered_set<ItemId> wanted(ids.begin(), ids.end());
    return static_cast<std::size_t>(
        std::count_if(itemList.begin(), itemList.end(), [&](const Item& item) { return wanted.count(item.id) > 0; }));
}

void Document::swapItems(std::vector<Item>& items)
{
    itemList.swap(items);
    for (const Item& item : itemList)
        nextId = std::max(nextId, item.id + 1);
    notify([](DocumentObserver& observer) { observer.allReplaced(); });
}

void Document::notifyState()
{
    notify([](DocumentObserver& observer) { observer.stateChanged(); });
}

template <typename Call>
void Document::notify(Call call)
{
    // An observer may add or remove observers while it is told.
    const std::vector<DocumentObserver*> told = observers;
    for (DocumentObserver* observer : told)
        call(*observer);
}
