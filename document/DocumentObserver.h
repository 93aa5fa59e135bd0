#pragma once

#include "document/Item.h"

// Told of every change of a document, after it happened.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void itemAdded(const Item&) {}
    virtual void itemChanged(const Item& /*before*/, const Item& /*after*/) {}
    virtual void itemRemoved(const Item&) {}
    virtual void allReplaced() {}
    // The path, the modified state or what can be undone or redone changed.
    virtual void stateChanged() {}
};
