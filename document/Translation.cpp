#include "document/Translation.h"

#include "document/FileAccess.h"
#include "document/MessageCatalog.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

// Every catalog read stays for the whole run: tr()'s answers point into them.
std::map<std::string, std::unique_ptr<MessageCatalog>>& catalogs()
{
    static std::map<std::string, std::unique_ptr<MessageCatalog>> read;
    return read;
}

const MessageCatalog* current = nullptr;
std::string currentName;

std::string catalogPath(const std::string& localeDirectory, const std::string& language)
{
    return localeDirectory + "/" + language + "/LC_MESSAGES/sahne.mo";
}

bool isPlainLocale(const std::string& locale)
{
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
}

// "tr_TR.UTF-8@euro" -> "tr_TR", "tr".
void addWithFallback(const std::string& entry, std::vector<std::string>& languages)
{
    const std::string name = entry.substr(0, entry.find_first_of(".@"));
    const std::string language = name.substr(0, name.find('_'));
    for (const std::string& candidate : {name, language})
        if (!candidate.empty() && !isPlainLocale(candidate)) {
            if (std::find(languages.begin(), languages.end(), candidate) == languages.end())
                languages.push_back(candidate);
        }
}

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

const char* tr(const char* msgid)
{
    if (!current || !msgid || !*msgid)
        return msgid;
    const std::string* found = current->find(msgid);
    return found ? found->c_str() : msgid;
}

std::string tr(const std::string& msgid)
{
    if (!current || msgid.empty())
        return msgid;
    const std::string* found = current->find(msgid);
    return found ? *found : msgid;
}

std::string fill(const std::string& pattern, std::initializer_list<std::string> values)
{
    std::string text;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        const char next = k + 1 < pattern.size() ? pattern[k + 1] : '\0';
        if (pattern[k] == '%' && next == '%') {
            text += '%';
            ++k;
        } else if (pattern[k] == '%' && next >= '1' && next <= '9'
                   && std::size_t(next - '1') < values.size()) {
            text += values.begin()[next - '1'];
            ++k;
        } else {
            text += pattern[k];
        }
    }
    return text;
}

namespace translation {

LocaleEnvironment readLocaleEnvironment()
{
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

std::vector<std::string> preferredLanguages(const LocaleEnvironment& environment)
{
    std::string locale = environment.lcAll;
    if (locale.empty())
        locale = environment.lcMessages;
    if (locale.empty())
        locale = environment.lang;
    std::vector<std::string> languages;
    if (isPlainLocale(locale))
        return languages;
    std::size_t start = 0;
    while (start <= environment.language.size()) {
        std::size_t end = environment.language.find(':', start);
        if (end == std::string::npos)
            end = environment.language.size();
        addWithFallback(environment.language.substr(start, end - start), languages);
        start = end + 1;
    }
    addWithFallback(locale, languages);
    return languages;
}

bool hasCatalog(const std::string& localeDirectory, const std::string& language)
{
    return !language.empty() && language.find('/') == std::string::npos
        && isFile(catalogPath(localeDirectory, language));
}

std::string chooseLanguage(const LocaleEnvironment& environment, const std::optional<std::string>& configured,
                           const std::string& localeDirectory)
{
    if (configured && hasCatalog(localeDirectory, *configured))
        return *configured;
    for (const std::string& language : preferredLanguages(environment))
        if (hasCatalog(localeDirectory, language))
            return language;
    return {};
}

std::string useLanguage(const std::string& language, const std::string& localeDirectory)
{
    if (language.empty()) {
        current = nullptr;
        currentName.clear();
        return {};
    }
    auto& read = catalogs();
    auto known = read.find(language);
    if (known == read.end()) {
        if (language.find('/') != std::string::npos)
            return "gecersiz dil adi";
        std::string bytes;
        if (std::string problem = readWholeFile(catalogPath(localeDirectory, language), bytes); !problem.empty())
            return problem;
        auto catalog = std::make_unique<MessageCatalog>();
        if (std::string problem = catalog->read(bytes); !problem.empty())
            return problem;
        known = read.emplace(language, std::move(catalog)).first;
    }
    current = known->second.get();
    currentName = language;
    return {};
}

const std::string& currentLanguage() { return currentName; }

}  // namespace translation
