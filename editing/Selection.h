#pragma once

#include "document/DocumentObserver.h"

#include <optional>
#include <vector>

class Document;

// How a selection came about, for those who show it.
enum class SelectionChange {
    Shown,    // picked or placed: its position is shown, the properties tab comes in
    Silent,   // an area or road just made: selected without showing it
    Cleared,  // given up by the user: the properties tab goes out
    Dropped,  // given up on the way to something else
};

class SelectionObserver {
public:
    virtual ~SelectionObserver() = default;
    virtual void selectionChanged(std::optional<ItemId> previous, SelectionChange change) = 0;
};

// The one selected item, if any. An item that leaves the document leaves the selection.
class Selection : public DocumentObserver {
public:
    explicit Selection(Document& document);
    ~Selection() override;
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    std::optional<ItemId> selected() const { return current; }
    // The selected item as the document holds it, or null.
    const Item* selectedItem() const;

    void select(ItemId id, SelectionChange change = SelectionChange::Shown);
    void clear();
    void drop();

    void addObserver(SelectionObserver* observer) { observers.push_back(observer); }

    void itemRemoved(const Item& item) override;
    void allReplaced() override;

private:
    void set(std::optional<ItemId> id, SelectionChange change);

    Document& document;
    std::optional<ItemId> current;
    std::vector<SelectionObserver*> observers;
};
