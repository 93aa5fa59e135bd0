#include "app/EditorLanguage.h"

#include "document/FileAccess.h"
#include "document/SettingsFile.h"
#include "document/Translation.h"

#include <ostream>

namespace {

const char* const languageKey = "language";

}  // namespace

std::string localeDirectory()
{
    return isDirectory(SAHNE_RUNTIME_LOCALE_DIR) ? SAHNE_RUNTIME_LOCALE_DIR : SAHNE_INSTALLED_LOCALE_DIR;
}

std::string chooseStartLanguage(const SettingsFile& settings, std::ostream& warnings)
{
    const std::string directory = localeDirectory();
    const std::optional<std::string> configured = settings.get(languageKey);
    if (configured && !translation::hasCatalog(directory, *configured))
        warnings << "sahne: language=" << *configured << " icin katalog yok; dil ortamdan seciliyor.\n";
    const std::string language = translation::chooseLanguage(translation::readLocaleEnvironment(), configured, directory);
    if (const std::string problem = translation::useLanguage(language, directory); !problem.empty())
        warnings << "sahne: " << language << " katalogu okunamadi (" << problem << ").\n";
    return translation::currentLanguage();
}

std::string rememberLanguage(const std::string& settingsPath, const std::string& language)
{
    SettingsFile settings;
    if (std::string problem = settings.load(settingsPath); !problem.empty())
        return problem;
    settings.set(languageKey, language);
    return settings.save(settingsPath);
}
