#include "app/EditorApplication.h"

#include "app/Editor.h"
#include "app/UserPaths.h"
#include "document/SettingsFile.h"

#include <Ogre.h>

#include <iostream>

void EditorApplication::run()
{
    if (!setup())
        return;
    startRecovery();
    // What a crash left is offered first; the scenario asked for opens after.
    editor->recovery().offer([this] {
        if (!scenarioAtStart.empty())
            editor->documents().openAtStart(scenarioAtStart);
    });
    root->startRendering();
    editor->recovery().endSession();
    destroyScene();
}

void EditorApplication::startRecovery()
{
    SettingsFile settings;
    const std::string& file = writePlaces().settings;
    if (const std::string problem = settings.load(file); !problem.empty())
        std::cerr << "sahne: " << file << " okunamadi (" << problem << "); varsayilan ayarlar kullaniliyor.\n";
    const double interval = autosaveSeconds(settings, std::cerr);
    editor->recovery().start(EditorRecovery::setupFor(writePlaces().recoveryDirectory, interval));
}
