#pragma once

#include <istream>
#include <string>
#include <vector>

namespace media {

// One placeable object of the toolbox: "label name width height" in the catalog file.
struct CatalogEntry {
    std::string label;
    std::string name;
    int width = 0;
    int height = 0;
};

// Reads whitespace-separated entries until the end. Throws std::runtime_error for an entry that is cut off,
// has a non-numeric or non-positive size, a word longer than 31 characters, a name that is not lower-case
// ASCII letters and digits, or a name used twice.
std::vector<CatalogEntry> parseCatalog(std::istream& in);

}  // namespace media
