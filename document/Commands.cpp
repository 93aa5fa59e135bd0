#include "document/Commands.h"

#include "document/Document.h"

namespace {

const char* const itemGone = "oge artik yok";

}  // namespace

AddItem::AddItem(Item item) : item(std::move(item)) {}

std::string AddItem::apply(Document& document)
{
    if (document.find(item.id))
        return "oge zaten var";
    const std::string problem = document.checkItem(item);
    if (!problem.empty())
        return problem;
    document.insertItem(document.items().size(), item);
    return "";
}

std::string AddItem::revert(Document& document)
{
    if (!document.find(item.id))
        return itemGone;
    document.removeItem(item.id);
    return "";
}

ChangeItem::ChangeItem(Item before, Item after) : before(std::move(before)), after(std::move(after)) {}

namespace {

std::string replaceItem(Document& document, const Item& from, const Item& to)
{
    if (!document.find(from.id))
        return itemGone;
    document.updateItem(to);
    return "";
}

}  // namespace

std::string ChangeItem::apply(Document& document) { return replaceItem(document, before, after); }

std::string ChangeItem::revert(Document& document) { return replaceItem(document, after, before); }

RemoveItem::RemoveItem(ItemId id) : id(id) {}

std::string RemoveItem::apply(Document& document)
{
    const std::optional<std::size_t> found = document.indexOf(id);
    if (!found)
        return itemGone;
    index = *found;
    removed = document.items()[index];
    document.removeItem(id);
    return "";
}

std::string RemoveItem::revert(Document& document)
{
    const std::string problem = document.checkItem(removed);
    if (!problem.empty())
        return problem;
    document.insertItem(index, removed);
    return "";
}

ReplaceAll::ReplaceAll(std::vector<Item> items) : items(std::move(items)) {}

std::string ReplaceAll::apply(Document& document)
{
    document.swapItems(items);
    return "";
}

std::string ReplaceAll::revert(Document& document) { return apply(document); }
