#include "Catalog.h"

#include <set>
#include <stdexcept>

namespace media {

namespace {

constexpr size_t maxWordLength = 31;

bool isPlainName(const std::string& name) {
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return !name.empty();
}

int size(const std::string& word, const std::string& name) {
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size() || value <= 0) throw std::runtime_error("catalog entry " + name + ": bad size " + word);
    return value;
}

}  // namespace

std::vector<CatalogEntry> parseCatalog(std::istream& in) {
    std::vector<CatalogEntry> entries;
    std::set<std::string> names;
    std::string label;
    while (in >> label) {
        std::string name, width, height;
        if (!(in >> name >> width >> height)) throw std::runtime_error("catalog entry " + label + " is incomplete");
        if (label.size() > maxWordLength || name.size() > maxWordLength)
            throw std::runtime_error("catalog entry " + name + ": word longer than 31 characters");
        if (!isPlainName(name)) throw std::runtime_error("catalog entry " + name + ": name must be lower-case ASCII");
        if (!names.insert(name).second) throw std::runtime_error("catalog entry " + name + " appears twice");
        entries.push_back({label, name, size(width, name), size(height, name)});
    }
    return entries;
}

}  // namespace media
