#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A scenario as it stands in a ".zev" file, free of any scene: what the writer
// writes and the reader gives back. Coordinates are the whole numbers of the file.

struct ScenarioMessage {
    std::string text;
    bool hasQuestions = false;
    std::array<std::string, 4> questions;  // all empty unless hasQuestions
    int answerIndex = -1;                   // 1 to 4 with questions, -1 without
};

struct ScenarioObject {  // type word "human"
    std::string mesh;
    int x = 0, y = 0, z = 0;
    // Degrees clockwise seen from above, 0 to 359: an optional fifth number on
    // the object's own line, written only when it is not 0.
    int turn = 0;
};

struct ScenarioArea {  // type word "bluearea"
    std::string mesh;
    int x = 0, y = 0, z = 0;
    int x1 = 0, z1 = 0, x2 = 0, z2 = 0;
    std::optional<ScenarioMessage> message;
};

struct ScenarioRoad {  // type word "road"
    std::string mesh;
    int x1 = 0, z1 = 0, x2 = 0, z2 = 0;
};

// An entry of any other type: loading shows its mesh, but it is neither kept
// in the registry nor written again.
struct ScenarioOther {
    std::string type;
    std::string mesh;
    int x = 0, y = 0, z = 0;
};

using ScenarioEntry = std::variant<ScenarioObject, ScenarioArea, ScenarioRoad, ScenarioOther>;

// The entries in file order. The writer puts objects first, then areas, then roads.
struct ScenarioDocument {
    std::vector<ScenarioEntry> entries;
};

bool operator==(const ScenarioMessage& a, const ScenarioMessage& b);
bool operator==(const ScenarioObject& a, const ScenarioObject& b);
bool operator==(const ScenarioArea& a, const ScenarioArea& b);
bool operator==(const ScenarioRoad& a, const ScenarioRoad& b);
bool operator==(const ScenarioOther& a, const ScenarioOther& b);
bool operator==(const ScenarioDocument& a, const ScenarioDocument& b);
