#pragma once

#include "document/Item.h"

#include <OgreAxisAlignedBox.h>
#include <OgreFrustum.h>
#include <OgreRay.h>

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

// A uniform grid over x and z that knows which cells each placed item's box
// covers, so that a pick ray or a view only looks at the items near it instead
// of at every item in the scene. Each item keeps the box it was put in with.
class ItemGrid {
public:
    explicit ItemGrid(float cellSize = 32);

    // Puts the item into the cells its box covers, or moves it there.
    void insert(ItemId id, const Ogre::AxisAlignedBox& box);
    void remove(ItemId id);
    void clear();
    std::size_t size() const { return slotOf.size(); }
    float cellSize() const { return side; }

    // Every item whose box lies in a cell the ray passes over (at or after its
    // origin), each once, in no particular order. Items the ray meets are among
    // them; others near the ray may be too.
    void alongRay(const Ogre::Ray& ray, std::vector<ItemId>& out) const;
    // The items whose boxes the ray meets, with the distance to where it enters each.
    void hitsAlongRay(const Ogre::Ray& ray, std::vector<std::pair<ItemId, float>>& hits) const;
    // Every item in the cells that the rectangle (x0, z0)-(x1, z1) touches.
    void inRectangle(float x0, float z0, float x1, float z1, std::vector<ItemId>& out) const;
    // The items whose boxes the view may show, each once: all
    // items of the cells wholly inside it, and of the cells across its border
    // those whose own boxes it may show (a box test: some near its corners
    // come too). Items with an infinite box come always.
    void inView(const Ogre::Frustum& view, std::vector<ItemId>& out) const;

private:
    struct Span {
        int x0, z0, x1, z1;
    };
    struct Entry {
        ItemId id = 0;
        Ogre::AxisAlignedBox box;
        Span span{};
        bool everywhere = false;  // an infinite box: in no cell, returned by every search
        mutable std::uint32_t mark = 0;
    };
    static std::int64_t key(int x, int z)
    {
        return static_cast<std::int64_t>(std::uint64_t{static_cast<std::uint32_t>(x)} << 32 | static_cast<std::uint32_t>(z));
    }
    int cellOf(double v) const;
    void removeFrom(int x, int z, std::uint32_t slot);
    std::uint32_t newSearch() const;
    // Calls take(slot) for each item of the cell not yet taken in this search.
    template <typename Take>
    void eachInCell(int x, int z, Take take) const;
    template <typename Take>
    void eachAlongRay(const Ogre::Ray& ray, Take take) const;

    float side;
    std::vector<Entry> slots;
    std::vector<std::uint32_t> freeSlots;
    std::unordered_map<ItemId, std::uint32_t> slotOf;
    std::unordered_map<std::int64_t, std::vector<std::uint32_t>> cells;
    std::vector<std::uint32_t> everywhere;
    // The cells ever used: searches stay within them.
    bool anyCell = false;
    Span used{0, 0, -1, -1};
    float lowest = 0, highest = 0;
    mutable std::uint32_t search = 0;
};
