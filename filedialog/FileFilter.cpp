#include "filedialog/FileFilter.h"

#include <utility>

FileFilter::FileFilter(std::string label, std::string pattern)
    : label(std::move(label)), pattern(std::move(pattern)) {}

void FileFilterList::clear() { filters.clear(); }

void FileFilterList::parse(const std::string& filterString) {
    clear();
    std::string label;
    bool expectingPattern = false;
    size_t start = 0;
    for (size_t bar = filterString.find('|'); bar != std::string::npos; bar = filterString.find('|', start)) {
        std::string segment = filterString.substr(start, bar - start);
        if (expectingPattern)
            filters.emplace_back(std::move(label), std::move(segment));
        else
            label = std::move(segment);
        expectingPattern = !expectingPattern;
        start = bar + 1;
    }
}
