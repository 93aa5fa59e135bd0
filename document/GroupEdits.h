#pragma once

#include "document/Command.h"
#include "document/Item.h"
#include "document/ItemGround.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// Edits of several items at once, each a single command (one undo step), and
// the ".zev" text a group is copied and pasted as.

// Pastes larger than this are refused: they would hold the editor up for long.
constexpr std::size_t maxPastedItems = 100000;

// The middle of the rectangle around the items' ground centres.
GroundPoint centreOf(const std::vector<Item>& items);

// Each returns null when none of the items takes part.
// Objects, areas and roads moved by (dx, dz), keeping their offsets.
std::unique_ptr<Command> moveGroup(const std::vector<Item>& items, int dx, int dz);
// The objects among the items turned by degrees.
std::unique_ptr<Command> turnGroup(const std::vector<Item>& items, int degrees);
std::unique_ptr<Command> removeGroup(const std::vector<Item>& items);

// Copies of the objects, areas and roads with ids from firstId on, moved by (dx, dz).
std::vector<Item> copiesOf(const std::vector<Item>& items, ItemId firstId, int dx, int dz);

// The file text of the objects, areas and roads among the items; throws
// ScenarioWriteError as the writer does.
std::string groupText(const std::vector<Item>& items);

// The objects, areas and roads of a copied group's text, with ids from firstId
// on; or, when the text holds none or too many, the notice that says why.
struct PastedGroup {
    std::vector<Item> items;
    std::string problem;
};
PastedGroup readGroup(const std::string& text, ItemId firstId);
