#pragma once

#include <string>
#include <vector>

// One file type of the dialog: the label shown in the type list and the
// pattern ("*.zev", "*.*") that decides which names are listed. UTF-8 texts.
class FileFilter {
public:
    FileFilter() = default;
    FileFilter(std::string label, std::string pattern);
    virtual ~FileFilter() = default;

    std::string label;
    std::string pattern;
};

// The file types of one request, in the order of its filter string.
class FileFilterList {
public:
    virtual ~FileFilterList() = default;

    // Rebuilds the list from a string of "|"-terminated segments that alternate
    // label and pattern: "All files (*.*)|*.*|". A label without a following
    // pattern and any text after the last "|" are dropped.
    void parse(const std::string& filterString);
    void clear();

    bool empty() const { return filters.empty(); }
    size_t size() const { return filters.size(); }
    const FileFilter& operator[](size_t index) const { return filters[index]; }
    std::vector<FileFilter>::const_iterator begin() const { return filters.begin(); }
    std::vector<FileFilter>::const_iterator end() const { return filters.end(); }

private:
    std::vector<FileFilter> filters;
};
