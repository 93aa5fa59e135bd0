#include "panels/LanguageChoice.h"

#include "document/Translation.h"
#include "gui/InterfaceLanguage.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/FloatingWindow.h"
#include "panels/LanguageNames.h"

#include <CEGUI/CEGUI.h>

namespace names = languagenames;

void LanguageChoice::wire()
{
    auto close = [] { getWindow(names::window)->setVisible(false); };
    wireFloatingWindow(names::window, names::menuItem, [] { bringUp(names::window); }, close);
    onWindowEvent(names::turkish, CEGUI::PushButton::EventClicked, [this] { choose("tr"); });
    onWindowEvent(names::english, CEGUI::PushButton::EventClicked, [this] { choose("en"); });
}

void LanguageChoice::configure(std::string directory, std::function<void(const std::string&)> keep)
{
    localeDirectory = std::move(directory);
    remember = std::move(keep);
}

void LanguageChoice::choose(const std::string& language)
{
    getWindow(names::window)->setVisible(false);
    if (const std::string problem = switchLanguage(language, localeDirectory); !problem.empty()) {
        showNotice(fill(tr("Dil degistirilemedi: %1"), {problem}));
        return;
    }
    if (remember)
        remember(language);
}
