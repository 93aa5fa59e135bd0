#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

// The interface's texts in the chosen language. A message id is the text as the
// editor shows it with no catalog (ASCII Turkish); the answer is UTF-8 and stays
// valid for the whole run, across changes of language.
const char* tr(const char* msgid);
std::string tr(const std::string& msgid);

// Marks a text for the catalogs where it is kept as data and passed through tr()
// only where it is shown.
constexpr const char* N_(const char* msgid) { return msgid; }

// The pattern with "%1" .. "%9" replaced by the values, so that a translation may
// put the values where its language wants them. "%%" stands for "%".
std::string fill(const std::string& pattern, std::initializer_list<std::string> values);

namespace translation {

// The variables that choose the language, as read (empty when unset).
struct LocaleEnvironment {
    std::string language;    // LANGUAGE: a list "en:tr" of languages in order of preference
    std::string lcAll;       // LC_ALL
    std::string lcMessages;  // LC_MESSAGES
    std::string lang;        // LANG
};

LocaleEnvironment readLocaleEnvironment();

// The languages to look for a catalog of, best first, by gettext's rules: the
// locale is the first set of LC_ALL, LC_MESSAGES and LANG; "C" or "POSIX" (or
// none) means the texts as they are, and then LANGUAGE is ignored too. Otherwise
// LANGUAGE's entries come first, then the locale's own language. Each entry
// "tr_TR.UTF-8@x" is tried as "tr_TR", then as "tr".
std::vector<std::string> preferredLanguages(const LocaleEnvironment& environment);

// The folder with one "<language>/LC_MESSAGES/sahne.mo" per language.
bool hasCatalog(const std::string& localeDirectory, const std::string& language);

// The language to show: the configured one when it has a catalog, otherwise the
// first preferred language that has one; "" for the texts as they are.
std::string chooseLanguage(const LocaleEnvironment& environment, const std::optional<std::string>& configured,
                           const std::string& localeDirectory);

// Shows the interface in the language from now on ("" for the texts as they are).
// "" or the reason the catalog could not be used, in which case nothing changes.
std::string useLanguage(const std::string& language, const std::string& localeDirectory);
// The language in use, "" when none.
const std::string& currentLanguage();

}  // namespace translation
