#pragma once

#include "document/Command.h"
#include "document/Item.h"

#include <cstddef>
#include <vector>

// A new item at the end: a placed object, a marked area, a road segment.
class AddItem : public Command {
public:
    explicit AddItem(Item item);
    std::string apply(Document& document) override;
    std::string revert(Document& document) override;

private:
    Item item;
};

// An item takes a new value: a move, a stored message.
class ChangeItem : public Command {
public:
    ChangeItem(Item before, Item after);
    std::string apply(Document& document) override;
    std::string revert(Document& document) override;

private:
    Item before;
    Item after;
};

// An item goes; reverting puts it back where it stood among the others.
class RemoveItem : public Command {
public:
    explicit RemoveItem(ItemId id);
    std::string apply(Document& document) override;
    std::string revert(Document& document) override;

private:
    ItemId id;
    Item removed;
    std::size_t index = 0;
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
