#include "gui/InterfaceLanguage.h"

#include "document/Translation.h"
#include "gui/GuiText.h"

#include <CEGUI/CEGUI.h>

#include <algorithm>
#include <vector>

namespace {

const CEGUI::String msgidKey = "sahne.msgid";
const CEGUI::String shownKey = "sahne.shown";

std::vector<LanguageFollower*>& followers()
{
    static std::vector<LanguageFollower*> all;
    return all;
}

void translateWindow(CEGUI::Window& window)
{
    if (window.isAutoWindow())
        return;
    if (window.isUserStringDefined(msgidKey)) {
        // Code has written its own text here since: that code keeps it up to date.
        if (window.getText() != window.getUserString(shownKey))
            return;
    } else if (window.getText().empty()) {
        return;
    } else {
        window.setUserString(msgidKey, window.getText());
    }
    const CEGUI::String shown = fromUtf8(tr(toUtf8(window.getUserString(msgidKey))));
    window.setText(shown);
    window.setUserString(shownKey, shown);
}

void translateTree(CEGUI::Window& window)
{
    translateWindow(window);
    for (std::size_t k = 0; k < window.getChildCount(); ++k)
        translateTree(*window.getChildAtIdx(k));
}

}  // namespace

void translateWindowTexts(CEGUI::Window& root) { translateTree(root); }

std::string switchLanguage(const std::string& language, const std::string& localeDirectory)
{
    if (std::string problem = translation::useLanguage(language, localeDirectory); !problem.empty())
        return problem;
    if (CEGUI::WindowManager* windows = CEGUI::WindowManager::getSingletonPtr())
        for (auto window = windows->getIterator(); !window.isAtEnd(); ++window)
            translateWindow(*window.getCurrentValue());
    // A follower may end others (a window rebuilt): walk a copy, skipping the ended.
    const std::vector<LanguageFollower*> now = followers();
    for (LanguageFollower* follower : now)
        if (std::find(followers().begin(), followers().end(), follower) != followers().end())
            follower->languageChanged();
    return {};
}

LanguageFollower::LanguageFollower(std::function<void()> setTexts) : setTexts(std::move(setTexts))
{
    followers().push_back(this);
}

LanguageFollower::~LanguageFollower()
{
    auto& all = followers();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}
