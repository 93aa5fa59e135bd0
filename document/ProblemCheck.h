#pragma once

#include "document/Item.h"
#include "document/ItemGround.h"

#include <cstddef>
#include <vector>

// What can be wrong in a scenario before it is handed to trainees. The order
// is the order of the rows for one item.
enum class ProblemKind {
    NoMessage,       // a blue area without a message, or with a blank one
    EmptyQuestion,   // an area's questions are in use and one of them is blank
    OverlapsArea,    // two blue areas share ground of some size; touching edges or corners do not count
    OutsideTerrain,  // some of the item's ground box lies off the terrain (its edge still counts as on it)
    SameSpot,        // two catalog objects of the same mesh stand at most sameSpotDistance apart
};

constexpr float sameSpotDistance = 0.5f;

// The reason as the check window shows it, e.g. "Mesaji yok".
const char* problemText(ProblemKind kind);

struct ProblemRow {
    ItemId item = 0;
    std::size_t index = 0;  // of the item among the items checked
    ProblemKind kind = ProblemKind::NoMessage;
};

// One row for each item and each kind of problem it has (an area overlapping
// three others has one overlap row, and so has each of them), ordered by the
// items' order, then by kind. Blank means empty or only white space. Overlaps
// and nearby objects are found through a grid, not by comparing all pairs.
std::vector<ProblemRow> findProblems(const std::vector<Item>& items, const GroundBox& terrain);
