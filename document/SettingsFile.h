#pragma once

#include <optional>
#include <string>
#include <vector>

// A settings file of the editor's own: one "key=value" a line, white space around
// key and value ignored, "#" starting a comment line. Every line is kept as it
// was read, so that writing the file back keeps keys this version does not know,
// comments and blank lines; a key given twice counts with its last line.
class SettingsFile {
public:
    // Reads the file; "" or the reason it could not be read (Turkish words). A
    // missing file reads as an empty one without complaint.
    std::string load(const std::string& path);

    std::optional<std::string> get(const std::string& key) const;
    // Changes the key's last line, or adds a line for a new key. A key that is
    // empty or holds "=", and a key or value that holds a line break, are refused
    // (std::invalid_argument): they would not read back.
    void set(const std::string& key, const std::string& value);

    std::string text() const;
    // Replaces the file as Save replaces a scenario: all of it or nothing.
    std::string save(const std::string& path) const;

private:
    std::vector<std::string> lines;
};
