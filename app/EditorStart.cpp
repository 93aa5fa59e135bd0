#include "app/EditorApplication.h"

#include "app/Editor.h"
#include "app/EditorLanguage.h"
#include "app/UserPaths.h"
#include "app/WindowSizeFollower.h"
#include "document/SettingsFile.h"
#include "document/Translation.h"
#include "document/WindowSizeSetting.h"
#include "gui/Notice.h"

#include <Ogre.h>

#include <iostream>

namespace {

void keepLanguage(const std::string& language)
{
    const std::string& file = writePlaces().settings;
    if (const std::string problem = rememberLanguage(file, language); !problem.empty())
        showNotice(fill(tr("Dil secimi %1 dosyasina yazilamadi: %2"), {file, problem}));
}

}  // namespace

void EditorApplication::run()
{
    const SettingsFile settings = readSettings();
    // Before anything is shown: the interface's texts come in this language.
    chooseStartLanguage(settings, std::cerr);
    firstWindowSize = rememberedWindowSize(settings, std::cerr);
    if (!setup())
        return;
    editor->languageChoice().configure(localeDirectory(), keepLanguage);
    startRecovery(settings);
    // What a crash left is offered first; the scenario asked for opens after.
    editor->recovery().offer([this] {
        if (!scenarioAtStart.empty())
            editor->documents().openAtStart(scenarioAtStart);
    });
    root->startRendering();
    editor->recovery().endSession();
    saveWindowSize();
    destroyScene();
}

SettingsFile EditorApplication::readSettings()
{
    SettingsFile settings;
    const std::string& file = writePlaces().settings;
    if (const std::string problem = settings.load(file); !problem.empty())
        std::cerr << "sahne: " << file << " okunamadi (" << problem << "); varsayilan ayarlar kullaniliyor.\n";
    return settings;
}

void EditorApplication::startRecovery(const SettingsFile& settings)
{
    const double interval = autosaveSeconds(settings, std::cerr);
    editor->recovery().start(EditorRecovery::setupFor(writePlaces().recoveryDirectory, interval));
}

void EditorApplication::saveWindowSize()
{
    // Read again: what else changed the settings while the editor ran is kept.
    SettingsFile settings;
    const std::string& file = writePlaces().settings;
    if (!settings.load(file).empty())
        return;
    rememberWindowSize(settings, sizeFollower->sizeToRemember());
    if (const std::string problem = settings.save(file); !problem.empty())
        std::cerr << "sahne: pencere boyutu " << file << " dosyasina yazilamadi (" << problem << ").\n";
}
