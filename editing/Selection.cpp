#include "editing/Selection.h"

#include "document/Document.h"

Selection::Selection(Document& document) : document(document) { document.addObserver(this); }

Selection::~Selection() { document.removeObserver(this); }

std::optional<ItemId> Selection::selected() const
{
    if (chosen.size() != 1)
        return std::nullopt;
    return *chosen.begin();
}

const Item* Selection::selectedItem() const
{
    const std::optional<ItemId> id = selected();
    return id ? document.find(*id) : nullptr;
}

std::vector<Item> Selection::items() const
{
    std::vector<Item> found;
    if (chosen.empty())
        return found;
    found.reserve(chosen.size());
    for (const Item& item : document.items())
        if (contains(item.id))
            found.push_back(item);
    return found;
}

void Selection::select(ItemId id, SelectionChange change) { set({id}, change); }

void Selection::selectOnly(const std::vector<ItemId>& ids, SelectionChange change)
{
    set(std::unordered_set<ItemId>(ids.begin(), ids.end()), ids.empty() ? SelectionChange::Cleared : change);
}

void Selection::add(const std::vector<ItemId>& ids)
{
    std::unordered_set<ItemId> more = chosen;
    more.insert(ids.begin(), ids.end());
    const SelectionChange change = more.empty() ? SelectionChange::Cleared : SelectionChange::Shown;
    set(std::move(more), change);
}

void Selection::toggle(ItemId id)
{
    std::unordered_set<ItemId> next = chosen;
    if (!next.erase(id))
        next.insert(id);
    const SelectionChange change = next.empty() ? SelectionChange::Cleared : SelectionChange::Shown;
    set(std::move(next), change);
}

void Selection::clear() { set({}, SelectionChange::Cleared); }

void Selection::drop() { set({}, SelectionChange::Dropped); }

void Selection::itemRemoved(const Item& item)
{
    if (!contains(item.id))
        return;
    if (!beforeDrops)
        beforeDrops.emplace(chosen.begin(), chosen.end());
    chosen.erase(item.id);
}

void Selection::allReplaced()
{
    std::unordered_set<ItemId> present;
    for (const Item& item : document.items())
        if (contains(item.id))
            present.insert(item.id);
    if (present.size() == chosen.size())
        return;
    if (!beforeDrops)
        beforeDrops.emplace(chosen.begin(), chosen.end());
    chosen = std::move(present);
}

void Selection::stateChanged()
{
    if (!beforeDrops)
        return;
    const std::vector<ItemId> previous = std::move(*beforeDrops);
    beforeDrops.reset();
    for (SelectionObserver* observer : observers)
        observer->selectionChanged(previous, SelectionChange::Dropped);
}

void Selection::set(std::unordered_set<ItemId> ids, SelectionChange change)
{
    const std::vector<ItemId> previous =
        beforeDrops ? std::move(*beforeDrops) : std::vector<ItemId>(chosen.begin(), chosen.end());
    beforeDrops.reset();
    chosen = std::move(ids);
    for (SelectionObserver* observer : observers)
        observer->selectionChanged(previous, change);
}
