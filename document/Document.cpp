#include "document/Document.h"

#include "document/Commands.h"
#include "document/DocumentObserver.h"

#include <algorithm>

const Item* Document::find(ItemId id) const
{
    const std::optional<std::size_t> index = indexOf(id);
    return index ? &itemList[*index] : nullptr;
}

std::optional<std::size_t> Document::indexOf(ItemId id) const
{
    const auto found = std::find_if(itemList.begin(), itemList.end(), [id](const Item& item) { return item.id == id; });
    if (found == itemList.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - itemList.begin());
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

void Document::insertItem(std::size_t index, Item item)
{
    index = std::min(index, itemList.size());
    nextId = std::max(nextId, item.id + 1);
    itemList.insert(itemList.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    const Item& added = itemList[index];
    notify([&](DocumentObserver& observer) { observer.itemAdded(added); });
}

void Document::updateItem(const Item& item)
{
    const std::optional<std::size_t> index = indexOf(item.id);
    if (!index)
        return;
    const Item before = itemList[*index];
    itemList[*index] = item;
    notify([&](DocumentObserver& observer) { observer.itemChanged(before, item); });
}

void Document::removeItem(ItemId id)
{
    const std::optional<std::size_t> index = indexOf(id);
    if (!index)
        return;
    const Item removed = std::move(itemList[*index]);
    itemList.erase(itemList.begin() + static_cast<std::ptrdiff_t>(*index));
    notify([&](DocumentObserver& observer) { observer.itemRemoved(removed); });
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
