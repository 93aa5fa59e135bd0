#pragma once

#include "document/Command.h"
#include "document/Document.h"

#include <cstddef>
#include <vector>

// New items at the end, in their order: a placed object, a marked area, a road
// segment, a paste, a duplicate.
class AddItems : public Command {
public:
    explicit AddItems(std::vector<Item> items);
    std::string apply(Document& document) override;
    std::string revert(Document& document) override;

private:
    std::vector<Item> items;
};

class AddItem : public AddItems {
public:
    explicit AddItem(Item item);
};

// Items take new values at once: a move, a group moved or turned, a stored message.
class ChangeItems : public Command {
public:
    ChangeItems(std::vector<Item> before, std::vector<Item> after);
    std::string apply(Document& document) override;
    std::string revert(Document& document) override;

private:
    std::vector<Item> before;
    std::vector<Item> after;
};

class ChangeItem : public ChangeItems {
public:
    ChangeItem(Item before, Item after);
};

// Items go; reverting puts each back where it stood among the others.
class RemoveItems : public Command {
public:
    explicit RemoveItems(std::vector<ItemId> ids);
    std::string apply(Document& document) override;
    std::string revert(Document& document) override;

private:
    std::vector<ItemId> ids;
    std::vector<IndexedItem> removed;
};

class RemoveItem : public RemoveItems {
public:
    explicit RemoveItem(ItemId id);
};

// Every item at once (New and Open).
class ReplaceAll : public Command {
public:
    explicit ReplaceAll(std::vector<Item> items);
    std::string apply(Document& document) override;
    std::string revert(Document& document) override;

private:
    std::vector<Item> items;
};
