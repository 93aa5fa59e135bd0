#pragma once

#include "document/Item.h"
#include "document/ScenarioDocument.h"

#include <vector>

// The file's entries for the items (coordinates cut to whole numbers as the file
// keeps them) and the items for a file's entries.
ScenarioDocument scenarioOf(const std::vector<Item>& items);
// Ids are given in file order from firstId on.
std::vector<Item> itemsOf(const ScenarioDocument& scenario, ItemId firstId);
