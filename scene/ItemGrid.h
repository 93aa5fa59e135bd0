#pragma once

#include "document/Item.h"

#include <OgreAxisAlignedBox.h>
#include <OgreRay.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

// A uniform grid over x and z that knows which cells each placed item's box
// covers, so that a pick ray or a view only looks at the items near it instead
// of at every item in the scene.
class ItemGrid {
public:
    explicit ItemGrid(float cellSize = 32);

    // Puts the item into the cells its box covers, or moves it there.
    void insert(ItemId id, const Ogre::AxisAlignedBox& box);
    void remove(ItemId id);
    void clear();
    std::size_t size() const { return entries.size(); }
    float cellSize() const { return size_; }

    // Every item whose box lies in a cell the ray passes over (at or after its
    // origin), each once, in no particular order. Items the ray meets are among
    // them; others near the ray may be too.
    void alongRay(const Ogre::Ray& ray, std::vector<ItemId>& out) const;
    // Every item in the cells that the rectangle (x0, z0)-(x1, z1) touches.
    void inRectangle(float x0, float z0, float x1, float z1, std::vector<ItemId>& out) const;

private:
    struct Span {
        int x0, z0, x1, z1;
    };
    struct Entry {
        Span span;
        bool everywhere;  // an infinite box: in no cell, returned by every search
    };
    static std::int64_t key(int x, int z) { return (static_cast<std::int64_t>(x) << 32) ^ static_cast<std::uint32_t>(z); }
    int cellOf(double v) const;
    void addTo(int x, int z, ItemId id);
    void removeFrom(int x, int z, ItemId id);
    void collectCell(int x, int z, std::vector<ItemId>& out) const;
    void collectEverywhere(std::vector<ItemId>& out) const;

    float size_;
    std::unordered_map<ItemId, Entry> entries;
    std::unordered_map<std::int64_t, std::vector<ItemId>> cells;
    std::vector<ItemId> everywhere;
    // The cells ever used: rays are walked only within them.
    bool anyCell = false;
    Span used{0, 0, -1, -1};
    // Each search marks the items it returned, so an item in several cells comes once.
    mutable std::unordered_map<ItemId, std::uint32_t> seen;
    mutable std::uint32_t search = 0;
};
