#pragma once

#include "document/DocumentObserver.h"

#include <cstddef>
#include <optional>
#include <unordered_set>
#include <vector>

class Document;

// How a selection came about, for those who show it.
enum class SelectionChange {
    Shown,    // picked, placed, pasted: it is shown, the properties tab comes in
    Silent,   // an area or road just made: selected without showing it
    Cleared,  // given up by the user: the properties tab goes out
    Dropped,  // given up on the way to something else, or its items left the document
};

class SelectionObserver {
public:
    virtual ~SelectionObserver() = default;
    // previous: the items selected before, in no particular order.
    virtual void selectionChanged(const std::vector<ItemId>& previous, SelectionChange change) = 0;
};

// The selected items: none, one or several. Items that leave the document
// leave the selection; its observers hear of that once the edit is done.
class Selection : public DocumentObserver {
public:
    explicit Selection(Document& document);
    ~Selection() override;
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // The selected item when exactly one is selected.
    std::optional<ItemId> selected() const;
    // That item as the document holds it, or null.
    const Item* selectedItem() const;
    std::size_t count() const { return chosen.size(); }
    bool empty() const { return chosen.empty(); }
    bool contains(ItemId id) const { return chosen.count(id) > 0; }
    // The selected items as the document holds them, in its order.
    std::vector<Item> items() const;

    // That item alone.
    void select(ItemId id, SelectionChange change = SelectionChange::Shown);
    // These items alone.
    void selectOnly(const std::vector<ItemId>& ids, SelectionChange change = SelectionChange::Shown);
    // These items besides those selected.
    void add(const std::vector<ItemId>& ids);
    // The item in when it was out, out when it was in.
    void toggle(ItemId id);
    void clear();
    void drop();

    void addObserver(SelectionObserver* observer) { observers.push_back(observer); }

    void itemRemoved(const Item& item) override;
    void allReplaced() override;
    void stateChanged() override;

private:
    void set(std::unordered_set<ItemId> ids, SelectionChange change);

    Document& document;
    std::unordered_set<ItemId> chosen;
    // What was selected before items left the document during an edit not yet told.
    std::optional<std::vector<ItemId>> beforeDrops;
    std::vector<SelectionObserver*> observers;
};
