#pragma once

#include <functional>
#include <string>

namespace CEGUI { class Window; }

// The texts of layout windows are message ids. Translated at load, each window
// keeps its id, so that a change of language translates it again; a text that
// code has set since is left to the code that set it.
void translateWindowTexts(CEGUI::Window& root);

// Shows the interface in the language from now on: every layout text at once,
// then every text set from code (see LanguageFollower). "" or the reason the
// language could not be used, in which case nothing changes.
std::string switchLanguage(const std::string& language, const std::string& localeDirectory);

// Sets its texts again whenever the language changes, for as long as it lives.
class LanguageFollower {
public:
    explicit LanguageFollower(std::function<void()> setTexts);
    ~LanguageFollower();
    LanguageFollower(const LanguageFollower&) = delete;
    LanguageFollower& operator=(const LanguageFollower&) = delete;

    void languageChanged() const { setTexts(); }

private:
    std::function<void()> setTexts;
};
