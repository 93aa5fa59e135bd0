#include "editing/Selection.h"

#include "document/Document.h"

Selection::Selection(Document& document) : document(document) { document.addObserver(this); }

Selection::~Selection() { document.removeObserver(this); }

const Item* Selection::selectedItem() const { return current ? document.find(*current) : nullptr; }

void Selection::select(ItemId id, SelectionChange change) { set(id, change); }

void Selection::clear() { set(std::nullopt, SelectionChange::Cleared); }

void Selection::drop() { set(std::nullopt, SelectionChange::Dropped); }

void Selection::itemRemoved(const Item& item)
{
    if (current == item.id)
        drop();
}

void Selection::allReplaced()
{
    if (current && !document.find(*current))
        drop();
}

void Selection::set(std::optional<ItemId> id, SelectionChange change)
{
    const std::optional<ItemId> previous = current;
    current = id;
    for (SelectionObserver* observer : observers)
        observer->selectionChanged(previous, change);
}
