#include "document/SettingsFile.h"

#include "document/FileAccess.h"

#include <cerrno>
#include <stdexcept>
#include <sys/stat.h>

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The key of a "key=value" line, or "" for a comment or any other line.
std::string keyOf(const std::string& line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return {};
    const std::string key = trimmed(line.substr(0, equals));
    return key.empty() || key[0] == '#' ? std::string() : key;
}

bool holdsLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

std::string SettingsFile::load(const std::string& path)
{
    lines.clear();
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 && errno == ENOENT)
        return {};
    std::string contents;
    if (std::string error = readWholeFile(path, contents); !error.empty())
        return error;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos)
            end = contents.size();
        lines.push_back(contents.substr(start, end - start));
        start = end + 1;
    }
    return {};
}

std::optional<std::string> SettingsFile::get(const std::string& key) const
{
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        if (keyOf(*line) == key)
            return trimmed(line->substr(line->find('=') + 1));
    return std::nullopt;
}

void SettingsFile::set(const std::string& key, const std::string& value)
{
    if (key.empty() || key != trimmed(key) || key[0] == '#' || key.find('=') != std::string::npos
        || holdsLineBreak(key) || holdsLineBreak(value))
        throw std::invalid_argument("not a setting: " + key);
    const std::string line = key + "=" + value;
    for (auto existing = lines.rbegin(); existing != lines.rend(); ++existing)
        if (keyOf(*existing) == key) {
            *existing = line;
            return;
        }
    lines.push_back(line);
}

std::string SettingsFile::text() const
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string SettingsFile::save(const std::string& path) const { return replaceFileContents(path, text()); }
