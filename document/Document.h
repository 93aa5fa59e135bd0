#pragma once

#include "document/Command.h"
#include "document/Item.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class DocumentObserver;

// An item with the place it has, or had, in the document's list.
struct IndexedItem {
    std::size_t index = 0;
    Item item;
};

// The scenario being edited: its items in the order they were added, the file it
// was loaded from or saved to (none after New), and the history of its edits. It
// is modified when the history is not where it was at the last save, load or New.
class Document {
public:
    // Tells why an item cannot be shown (its mesh cannot be loaded), or "".
    using ItemCheck = std::function<std::string(const Item&)>;

    static constexpr std::size_t historyDepth = 10000;

    const std::vector<Item>& items() const { return itemList; }
    const Item* find(ItemId id) const;
    std::optional<std::size_t> indexOf(ItemId id) const;

    // The id the next new item gets; ids keep growing over New and Open and are
    // never given twice.
    ItemId peekId() const { return nextId; }

    // Applies the command and puts it on the history, dropping the steps that
    // could be redone. Returns "" or why nothing changed.
    std::string execute(std::unique_ptr<Command> command);
    bool canUndo() const { return position > 0; }
    bool canRedo() const { return position < history.size(); }
    std::string undo();
    std::string redo();

    // New and Open: the items replaced, a fresh history, not modified.
    void replaceAll(std::vector<Item> items, const std::string& path);

    const std::string& path() const { return filePath; }
    bool modified() const { return !cleanPosition || *cleanPosition != position; }
    // The document was written to path: that is its file now and it is not modified.
    void markSaved(const std::string& path);
    // The items came from a recovery copy of path's document: that is its file
    // now, and the items are not what the file holds.
    void markRecovered(const std::string& path);

    void addObserver(DocumentObserver* observer);
    void removeObserver(DocumentObserver* observer);
    void setItemCheck(ItemCheck check) { itemCheck = std::move(check); }

    // The steps commands are made of; each tells the observers of every item
    // once all of them are done. Each goes once over the list, however many
    // items it touches.
    std::string checkItem(const Item& item) const;
    // Puts each item at its index in the list that results; indices increasing.
    void insertItems(std::vector<IndexedItem> placed);
    // Each item takes the place of the one with its id.
    void updateItems(const std::vector<Item>& items);
    // Takes the items out; returns them with the index each had, increasing.
    std::vector<IndexedItem> removeItems(const std::vector<ItemId>& ids);
    // How many of the ids the document holds.
    std::size_t countPresent(const std::vector<ItemId>& ids) const;
    void swapItems(std::vector<Item>& items);

private:
    void notifyState();
    template <typename Call>
    void notify(Call call);

    std::vector<Item> itemList;
    ItemId nextId = 0;
    std::string filePath;
    std::vector<std::unique_ptr<Command>> history;
    std::size_t position = 0;
    std::optional<std::size_t> cleanPosition = 0;
    std::vector<DocumentObserver*> observers;
    ItemCheck itemCheck;
};
