#include "panels/ObjectCatalog.h"

#include "document/SystemErrorWords.h"
#include "document/Translation.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

struct Word {
    std::string text;
    int line;
};

std::vector<Word> splitWords(const std::string& text)
{
    std::vector<Word> words;
    int line = 1;
    std::string current;
    int currentLine = 1;
    for (char c : text) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
        if (!space) {
            if (current.empty())
                currentLine = line;
            current += c;
            continue;
        }
        if (!current.empty())
            words.push_back({current, currentLine});
        current.clear();
        if (c == '\n')
            ++line;
    }
    if (!current.empty())
        words.push_back({current, currentLine});
    return words;
}

bool parsePositive(const std::string& word, int& value)
{
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (errno != 0 || end == word.c_str() || *end != '\0' || parsed <= 0 || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool entryAt(const std::vector<Word>& words, size_t i, CatalogEntry& entry)
{
    if (i + 4 > words.size())
        return false;
    if (!parsePositive(words[i + 2].text, entry.width) || !parsePositive(words[i + 3].text, entry.height))
        return false;
    entry.label = words[i].text;
    entry.name = words[i + 1].text;
    return true;
}

std::string joined(const std::vector<Word>& words, size_t from, size_t to)
{
    std::string text;
    for (size_t i = from; i < to; ++i)
        text += (i > from ? " " : "") + words[i].text;
    return text;
}

std::string where(const std::string& fileName, int line)
{
    return fill(tr("%1 satir %2: "), {fileName, std::to_string(line)});
}

}  // namespace

CatalogReading parseObjectCatalog(const std::string& text, const std::string& fileName)
{
    CatalogReading reading;
    const std::vector<Word> words = splitWords(text);
    std::set<std::string> names;
    size_t i = 0;
    while (i < words.size()) {
        CatalogEntry entry;
        if (entryAt(words, i, entry)) {
            if (names.insert(entry.name).second)
                reading.entries.push_back(entry);
            else
                reading.warnings.push_back(where(fileName, words[i].line)
                                           + fill(tr("\"%1\" yeniden listelenmis; yalnizca ilk kaydi kullanilir."),
                                                  {entry.name}));
            i += 4;
            continue;
        }
        size_t next = i + 1;
        while (next < words.size() && !entryAt(words, next, entry))
            ++next;
        if (next == words.size() && words.size() - i < 4)
            reading.warnings.push_back(where(fileName, words[i].line)
                                       + fill(tr("dosya bir kaydin ortasinda bitiyor; \"%1\" atlandi."),
                                              {joined(words, i, next)}));
        else
            reading.warnings.push_back(where(fileName, words[i].line)
                                       + fill(tr("\"%1\" etiket, ad, genislik ve yukseklikten olusan bir kayit "
                                                 "degil (boyutlar 0'dan buyuk tam sayilardir); atlandi."),
                                              {joined(words, i, next)}));
        i = next;
    }
    if (words.empty())
        reading.warnings.push_back(
            fill(tr("%1 hic katalog kaydi icermiyor: arac kutusunda nesne gosterilmiyor."), {fileName}));
    return reading;
}

CatalogReading readObjectCatalog(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (file.is_open())
        text << file.rdbuf();
    if (!file.is_open() || file.bad()) {
        const int error = errno;
        std::fprintf(stderr, "sahne: %s: %s\n", path.c_str(), std::strerror(error));
        CatalogReading reading;
        reading.warnings.push_back(fill(tr("%1 okunamiyor (%2): arac kutusunda nesne gosterilmiyor."),
                                        {path, systemErrorWords(error)}));
        return reading;
    }
    return parseObjectCatalog(text.str(), path);
}
