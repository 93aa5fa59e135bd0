#pragma once

#include "document/ScenarioDocument.h"

#include <optional>
#include <string>
#include <vector>

// Every placed item has an id that stays its own for the whole run: it is the n
// of the engine names "Human" + n, and it is never given to another item.
using ItemId = int;

enum class ItemKind { Object, Area, Road, Other };

// One placed item as a value. Objects, areas and other entries stand at (x, y, z);
// areas span (x1, z1)-(x2, z2); a road segment runs from (x1, z1) to (x2, z2).
struct Item {
    ItemId id = 0;
    ItemKind kind = ItemKind::Object;
    std::string type;  // the file's type word: "human", "bluearea", "road" or another
    std::string mesh;  // the mesh file, e.g. "adam.mesh"
    float x = 0, y = 0, z = 0;
    float x1 = 0, z1 = 0, x2 = 0, z2 = 0;
    // An object's turn about its own vertical axis in whole degrees, clockwise
    // seen from above, 0 to 359. Areas and roads are never turned.
    int turn = 0;
    // An area's message. Without questions in use it may still keep the question
    // texts it had before; the file does not hold them.
    std::optional<ScenarioMessage> message;
};

bool operator==(const Item& a, const Item& b);

std::vector<ItemId> idsOf(const std::vector<Item>& items);
inline bool operator!=(const Item& a, const Item& b) { return !(a == b); }

Item makeObject(ItemId id, const std::string& mesh, float x, float z);
Item makeArea(ItemId id, const std::string& mesh, float x1, float z1, float x2, float z2);
Item makeRoad(ItemId id, const std::string& mesh, float x1, float z1, float x2, float z2);

// Objects and areas can be moved; road segments and other entries (shown, not
// kept in the file) cannot. Every item can be deleted.
bool isMovable(const Item& item);

// The item moved to the whole-number ground point (x, z).
Item movedTo(const Item& item, int x, int z);

// Catalog objects turn; areas and roads stay as the file describes them.
bool isTurnable(const Item& item);
// The turn plus degrees, kept in 0 to 359.
Item turnedBy(const Item& item, int degrees);
// Every point of the item moved by (dx, dz): its shape, height and turn kept.
Item shiftedBy(const Item& item, int dx, int dz);

