#include "filedialog/DialogPaths.h"

#include "platform/host/DirectoryHost.h"

namespace dialogpaths {
namespace {

const std::string allFilesPattern = "*.*";

std::vector<std::string> pathParts(const std::string& path, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(separator, start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string parentDirectory(const std::string& directory, const std::string& drive, char separator) {
    if (directory == drive)
        return directory;
    const size_t last = directory.rfind(separator);
    if (last == std::string::npos)
        return directory;
    const std::string parent = directory.substr(0, last);
    // A root that is the separator itself ("/") has nothing before it.
    return parent.size() < drive.size() ? drive : parent;
}

}  // namespace

std::string splitName(const std::string& name, bool wantExtension) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return std::string();
    return wantExtension ? name.substr(dot + 1) : name.substr(0, dot);
}

std::string decorateDirectory(const std::string& name) { return "<" + name + ">"; }

bool isDecoratedDirectory(const std::string& shownName) { return !shownName.empty() && shownName[0] == '<'; }

std::string undecorate(const std::string& shownName) {
    if (shownName.size() < 2)
        return std::string();
    // Drops the last character whole, also when it takes several UTF-8 bytes.
    size_t end = shownName.size() - 1;
    while (end > 1 && (static_cast<unsigned char>(shownName[end]) & 0xC0) == 0x80)
        --end;
    return shownName.substr(1, end - 1);
}

bool passesFilter(const std::string& shownName, const std::string* pattern) {
    if (shownName.empty())
        return false;
    if (isDecoratedDirectory(shownName))
        return true;
    if (!pattern)
        return false;
    return *pattern == allFilesPattern || "*." + splitName(shownName, true) == *pattern;
}

std::vector<std::string> driveNames(const host::DirectoryHost& host) {
    std::vector<std::string> names;
    int bit = 0;
    for (unsigned long mask = host.driveMask(); mask != 0; mask >>= 1, ++bit)
        if (mask & 1)
            names.push_back(host.driveName(bit));
    return names;
}

std::string joinPath(const std::string& directory, const std::string& name, char separator) {
    if (!directory.empty() && directory.back() == separator)
        return directory + name;
    return directory + separator + name;
}

std::string withExtensionOf(const std::string& name, const std::string& pattern, char separator) {
    if (name.empty())
        return name;
    const size_t lastPart = name.rfind(separator) + 1;  // 0 when there is no separator
    const size_t dot = name.rfind('.');
    const std::string base = dot == std::string::npos || dot < lastPart ? name : name.substr(0, dot);
    return base + "." + splitName(pattern, true);
}

FileTarget fileTarget(const host::DirectoryHost& host, const std::string& shownDirectory, const std::string& typed) {
    const char separator = host.separator();
    const size_t last = typed.rfind(separator);
    if (last == std::string::npos)
        return {shownDirectory, typed};
    std::string name = typed.substr(last + 1);
    std::string folder = typed.substr(0, last + 1);
    if (name == "." || name == "..") {
        folder = typed;
        name.clear();
    }
    std::string start = shownDirectory;
    const std::string home = host.homeDirectory();
    if (folder.size() >= 2 && folder[0] == '~' && folder[1] == separator && !home.empty()) {
        start = home;
        folder.erase(0, 1);
    } else if (host.isAbsolute(folder)) {
        start = host.driveOf(folder);
        folder.erase(0, start.size());
    }
    const std::string drive = host.driveOf(start);
    std::vector<std::string> parts = pathParts(start.substr(drive.size()), separator);
    for (const std::string& part : pathParts(folder, separator)) {
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (part != ".") {
            parts.push_back(part);
        }
    }
    std::string directory = drive;
    for (const std::string& part : parts)
        directory = joinPath(directory, part, separator);
    return {directory, name};
}

std::string enterDirectory(const std::string& directory, const std::string& drive,
                           const std::string& decoratedEntry, char separator) {
    const std::string name = undecorate(decoratedEntry);
    if (name == "..")
        return parentDirectory(directory, drive, separator);
    if (name == ".")
        return drive;
    // An entry without a name leads nowhere: never compose "dir\" with an empty part.
    if (name.empty())
        return directory;
    return joinPath(directory, name, separator);
}

std::string relativeDirectory(const std::string& workingDirectory, const std::string& directory,
                              char separator) {
    const std::vector<std::string> from = pathParts(workingDirectory, separator);
    const std::vector<std::string> to = pathParts(directory, separator);
    size_t common = 0;
    while (common < from.size() && common < to.size() && from[common] == to[common])
        ++common;
    std::string relative;
    for (size_t i = common; i < from.size(); ++i)
        relative += std::string("..") + separator;
    for (size_t i = common; i < to.size(); ++i) {
        if (i > common)
            relative += separator;
        relative += to[i];
    }
    return relative;
}

}  // namespace dialogpaths
