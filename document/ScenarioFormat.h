#pragma once

#include "document/ScenarioDocument.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The ".zev" text: one entry per line ("human", "bluearea" or "road" first),
// objects, then areas, then roads; a single "\n" between entries and none after
// the last; an area's message adds one text line, or five with questions.

struct ScenarioError {
    int line = 0;  // 1-based line of the file where the problem was found
    std::string description;
};

struct ScenarioParse {
    ScenarioDocument document;
    std::vector<int> entryLines;  // the line on which each entry of document starts
    std::optional<ScenarioError> error;
};

// Reads a whole file's text. Either error is set and nothing else is meant to be
// used, or the document holds every entry of the text.
ScenarioParse parseScenario(const std::string& text);

// Thrown by writeScenario for a document the file cannot hold so that it reads
// back the same (a mesh name with white space, an empty message text, ...).
class ScenarioWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file text of the document's objects, areas and roads (other entries are
// not written).
std::string writeScenario(const ScenarioDocument& document);

// The characters that separate words and numbers in the file.
bool isScenarioSpace(char c);

// Text from a file made fit for a message to the user: bytes outside printable
// ASCII become '?', and more than maxLength bytes end in "...".
std::string printable(const std::string& raw, std::size_t maxLength);

// A scene coordinate as the file stores it: truncated toward zero (-3.7 gives
// -3), clamped to the int range, 0 for NaN.
int toFileCoordinate(float value);
