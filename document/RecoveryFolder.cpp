#include "document/RecoveryFolder.h"

#include "document/FileAccess.h"
#include "document/RecoveryLocks.h"
#include "document/ScenarioFormat.h"
#include "document/ScenarioItems.h"
#include "document/SettingsFile.h"
#include "document/Translation.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <sys/stat.h>

namespace {

const char* const copySuffix = ".zev";
const char* const sideSuffix = ".bilgi";
const char* const unnamed = "Adsiz";
// Long enough to tell files apart, short enough that the copy's name and its
// temporary's fit the file system's limit.
const std::size_t longestStem = 100;

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool isNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 9 && text[0] != '0'
        && text.find_first_not_of("0123456789") == std::string::npos;
}

// "123" or "123-2".
bool isOwner(const std::string& text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos)
        return isNumber(text);
    return isNumber(text.substr(0, dash)) && isNumber(text.substr(dash + 1));
}

int processOf(const std::string& owner) { return std::atoi(owner.substr(0, owner.find('-')).c_str()); }

std::string baseName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

// The original's file name without ".zev", cut short on a character boundary.
std::string stemFor(const std::string& originalPath)
{
    std::string stem = baseName(originalPath);
    if (endsWith(stem, copySuffix))
        stem.resize(stem.size() - 4);
    if (stem.size() > longestStem) {
        std::size_t cut = longestStem;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut;
        stem.resize(cut);
    }
    // A leading dot would hide the copy and look like a temporary file.
    if (!stem.empty() && stem[0] == '.')
        stem[0] = '_';
    return stem.empty() ? unnamed : stem;
}

// A path may hold any byte but "/" and NUL: line breaks and the white space at
// its ends would not survive a "key=value" line.
std::string escaped(const std::string& path)
{
    std::string text;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        const bool atEnd = i == 0 || i + 1 == path.size();
        if (c == '\\')
            text += "\\\\";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\r')
            text += "\\r";
        else if (c == '\t')
            text += "\\t";
        else if (c == ' ' && atEnd)
            text += "\\s";
        else
            text += c;
    }
    return text;
}

std::string unescaped(const std::string& text)
{
    std::string path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            path += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'n': path += '\n'; break;
        case 'r': path += '\r'; break;
        case 't': path += '\t'; break;
        case 's': path += ' '; break;
        default: path += text[i]; break;
        }
    }
    return path;
}

std::string localTime(std::time_t time)
{
    std::tm parts {};
    localtime_r(&time, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &parts);
    return text;
}

}  // namespace

// A file of the folder, read from its name: a copy "<stem>.<owner>.zev", its side
// file "<stem>.<owner>.bilgi", a temporary of either being written (".<name>.XXXXXX")
// or a lock "<owner>.kilit".
struct RecoveryFolder::Name {
    enum class Kind { Copy, Side, Temporary, Lock };
    Kind kind = Kind::Copy;
    std::string file;
    std::string stem;
    std::string owner;

    static std::optional<Name> parse(const std::string& file)
    {
        Name name;
        name.file = file;
        if (endsWith(file, FileLocks::suffix)) {
            name.kind = Kind::Lock;
            name.owner = file.substr(0, file.size() - std::string(FileLocks::suffix).size());
            return isOwner(name.owner) ? std::optional<Name>(name) : std::nullopt;
        }
        std::string rest = file;
        const bool temporary = !rest.empty() && rest[0] == '.';
        if (temporary) {
            if (rest.size() < 9 || rest[rest.size() - 7] != '.')
                return std::nullopt;
            rest = rest.substr(1, rest.size() - 8);
        }
        if (endsWith(rest, copySuffix))
            name.kind = Kind::Copy;
        else if (endsWith(rest, sideSuffix))
            name.kind = Kind::Side;
        else
            return std::nullopt;
        rest.resize(rest.size() - (name.kind == Kind::Copy ? 4 : 6));
        const std::size_t dot = rest.rfind('.');
        if (dot == std::string::npos || dot == 0 || rest[0] == '.')
            return std::nullopt;
        name.stem = rest.substr(0, dot);
        name.owner = rest.substr(dot + 1);
        if (temporary)
            name.kind = Kind::Temporary;
        return isOwner(name.owner) ? std::optional<Name>(name) : std::nullopt;
    }
};

std::string describeRecovery(const RecoveryFile& file)
{
    return file.name + " - " + localTime(file.time) + " - "
         + (file.itemCount ? fill(tr("%1 oge"), {std::to_string(*file.itemCount)}) : std::string(tr("okunamadi")));
}

std::string RecoveryFolder::write(const std::vector<Item>& items, const std::string& originalPath)
{
    std::string text;
    try {
        text = writeScenario(scenarioOf(items));
    } catch (const ScenarioWriteError& e) {
        return e.what();
    }
    if (std::string error = makeDirectories(host.directory); !error.empty())
        return error;
    if (owner.empty())
        owner = chooseOwner();
    const std::string stem = stemFor(originalPath);
    const std::string base = host.directory + "/" + stem + "." + owner;
    if (std::string error = replaceFileContents(base + copySuffix, text); !error.empty())
        return error;
    SettingsFile side;
    side.set("original", escaped(originalPath));
    side.set("time", std::to_string(host.clock()));
    side.set("pid", std::to_string(host.process));
    if (std::string error = side.save(base + sideSuffix); !error.empty())
        return error;
    if (!writtenStem.empty() && writtenStem != stem)
        removeFiles(owner, &writtenStem);
    writtenStem = stem;
    // A copy adopted from an earlier run holds less than this one.
    removeAdopted();
    return {};
}

void RecoveryFolder::removeOwn()
{
    if (!owner.empty()) {
        removeFiles(owner, nullptr);
        host.locks.release(owner, true);
        owner.clear();
        writtenStem.clear();
    }
    removeAdopted();
}

void RecoveryFolder::removeAdopted()
{
    while (!adopted.empty()) {
        const RecoveryFile file = adopted.back();
        remove(file);
    }
}

std::vector<RecoveryFile> RecoveryFolder::claimOrphans()
{
    std::map<std::string, std::vector<Name>> byOwner;
    for (const Name& name : namesIn())
        byOwner[name.owner].push_back(name);
    std::vector<RecoveryFile> found;
    for (const auto& [candidate, names] : byOwner) {
        if (candidate == owner || inUse(candidate))
            continue;
        // A free lock means its editor has ended, even when another program got its
        // process id since. Without locks only a process id that no longer runs
        // tells, or this editor's own id on copies it did not write.
        const RecoveryLocks::Result lock = host.locks.take(candidate);
        const int process = processOf(candidate);
        const bool ended = lock == RecoveryLocks::Result::Taken
                        || (lock == RecoveryLocks::Result::Unavailable
                            && (process == host.process || !host.processRuns(process)));
        if (!ended)
            continue;
        const std::size_t before = found.size();
        for (const Name& name : names)
            if (name.kind == Name::Kind::Copy)
                if (std::optional<RecoveryFile> file = read(name)) {
                    found.push_back(*file);
                    claimed.push_back(*file);
                }
        if (found.size() == before) {
            // What a write cut short or a removal cut short left.
            removeFiles(candidate, nullptr);
            host.locks.release(candidate, true);
        }
    }
    std::sort(found.begin(), found.end(), [](const RecoveryFile& a, const RecoveryFile& b) {
        return a.time != b.time ? a.time > b.time : a.path < b.path;
    });
    return found;
}

void RecoveryFolder::adopt(const RecoveryFile& file)
{
    const auto found = std::find_if(claimed.begin(), claimed.end(),
                                    [&](const RecoveryFile& other) { return other.path == file.path; });
    if (found == claimed.end())
        return;
    adopted.push_back(*found);
    claimed.erase(found);
}

void RecoveryFolder::remove(const RecoveryFile& file)
{
    if (const std::optional<Name> name = Name::parse(baseName(file.path)))
        removeFiles(name->owner, &name->stem);
    letGo(file, true);
}

void RecoveryFolder::release(const RecoveryFile& file) { letGo(file, false); }

void RecoveryFolder::letGo(const RecoveryFile& file, bool removed)
{
    const std::string fileOwner = file.owner;
    for (std::vector<RecoveryFile>* list : {&claimed, &adopted})
        list->erase(std::remove_if(list->begin(), list->end(),
                                   [&](const RecoveryFile& other) { return other.path == file.path; }),
                    list->end());
    if (inUse(fileOwner))
        return;
    const std::vector<Name> names = namesIn();
    const bool copiesLeft = std::any_of(names.begin(), names.end(), [&](const Name& name) {
        return name.owner == fileOwner && name.kind == Name::Kind::Copy;
    });
    if (removed && !copiesLeft)
        removeFiles(fileOwner, nullptr);
    host.locks.release(fileOwner, removed && !copiesLeft);
}

bool RecoveryFolder::inUse(const std::string& candidate) const
{
    const auto ownedBy = [&](const RecoveryFile& file) { return file.owner == candidate; };
    return std::any_of(claimed.begin(), claimed.end(), ownedBy) || std::any_of(adopted.begin(), adopted.end(), ownedBy);
}

std::vector<RecoveryFolder::Name> RecoveryFolder::namesIn() const
{
    std::vector<Name> names;
    DIR* folder = opendir(host.directory.c_str());
    if (!folder)
        return names;
    while (const dirent* entry = readdir(folder))
        if (std::optional<Name> name = Name::parse(entry->d_name))
            names.push_back(*name);
    closedir(folder);
    return names;
}

std::string RecoveryFolder::chooseOwner()
{
    const std::vector<Name> names = namesIn();
    const std::string process = std::to_string(host.process);
    for (int n = 1;; ++n) {
        const std::string candidate = n == 1 ? process : process + "-" + std::to_string(n);
        const bool leftOver = std::any_of(names.begin(), names.end(), [&](const Name& name) {
            return name.owner == candidate && name.kind != Name::Kind::Lock;
        });
        if (!leftOver && !inUse(candidate) && host.locks.take(candidate) != RecoveryLocks::Result::HeldElsewhere)
            return candidate;
    }
}

std::optional<RecoveryFile> RecoveryFolder::read(const Name& copy) const
{
    RecoveryFile file;
    file.path = host.directory + "/" + copy.file;
    struct stat info {};
    if (lstat(file.path.c_str(), &info) != 0)
        return std::nullopt;  // removed meanwhile
    file.name = copy.stem;
    file.owner = copy.owner;
    file.time = info.st_mtime;
    SettingsFile side;
    if (side.load(host.directory + "/" + copy.stem + "." + copy.owner + sideSuffix).empty()) {
        if (const std::optional<std::string> original = side.get("original")) {
            file.originalPath = unescaped(*original);
            file.name = file.originalPath.empty() ? unnamed : baseName(file.originalPath);
        }
        const std::optional<std::string> time = side.get("time");
        char* end = nullptr;
        const long long seconds = time ? std::strtoll(time->c_str(), &end, 10) : 0;
        if (time && !time->empty() && *end == '\0' && seconds > 0)
            file.time = static_cast<std::time_t>(seconds);
    }
    std::string text;
    if (S_ISREG(info.st_mode) && readWholeFile(file.path, text).empty()) {
        const ScenarioParse parsed = parseScenario(text);
        if (!parsed.error)
            file.itemCount = parsed.document.entries.size();
    }
    return file;
}

void RecoveryFolder::removeFiles(const std::string& fileOwner, const std::string* stem)
{
    for (const Name& name : namesIn())
        if (name.owner == fileOwner && name.kind != Name::Kind::Lock && (!stem || name.stem == *stem))
            std::remove((host.directory + "/" + name.file).c_str());
}
