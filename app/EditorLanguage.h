#pragma once

#include <iosfwd>
#include <string>

class SettingsFile;

// The folder of the message catalogs: the runtime tree's own in a build tree,
// share/locale beside an installed copy's data. Relative to the working directory.
std::string localeDirectory();

// The language at start: "language=" of the settings when it names a catalog
// (otherwise one line on warnings), else the locale's. The language in use after.
std::string chooseStartLanguage(const SettingsFile& settings, std::ostream& warnings);

// Keeps the language in the settings file for the next start, the file's other
// lines as they were; "" or why it could not be written.
std::string rememberLanguage(const std::string& settingsPath, const std::string& language);
