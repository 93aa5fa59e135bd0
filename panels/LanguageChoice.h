#pragma once

#include <functional>
#include <string>

// Gorunum > "Dil": a small window offers Turkce and English. A choice shows the
// whole interface in that language at once and is kept for the next start.
class LanguageChoice {
public:
    // Hides the window and connects the menu item and the buttons.
    void wire();
    // Where the catalogs lie, and who keeps a choice for the next start.
    void configure(std::string localeDirectory, std::function<void(const std::string& language)> remember);

    void choose(const std::string& language);

private:
    std::string localeDirectory;
    std::function<void(const std::string&)> remember;
};
