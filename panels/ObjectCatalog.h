#pragma once

#include <string>
#include <vector>

// One placeable object of the toolbox: its name links the button, the picture
// file, the toolbox image and the mesh; width and height are the picture's area.
struct CatalogEntry {
    std::string label;
    std::string name;
    int width = 0;
    int height = 0;
};

// What a catalog holds, and what was skipped in it (one readable sentence each).
struct CatalogReading {
    std::vector<CatalogEntry> entries;
    std::vector<std::string> warnings;
};

// Reads catalog text: entries of four white-space separated fields (label, name,
// width, height) in any line arrangement. Entries that are incomplete, have
// sizes that are not positive whole numbers, or repeat an earlier name are
// skipped with a warning; reading resumes at the next well-formed entry.
// fileName only names the source in the warnings.
CatalogReading parseObjectCatalog(const std::string& text, const std::string& fileName);

// The same for a file; a file that cannot be read gives no entries and a warning.
CatalogReading readObjectCatalog(const std::string& path);
