#include "app/EditorApplication.h"

#include "app/Editor.h"

#include <Ogre.h>

void EditorApplication::run()
{
    if (!setup())
        return;
    if (!scenarioAtStart.empty())
        openScenarioAtStart(scenarioAtStart);
    root->startRendering();
    destroyScene();
}

void EditorApplication::openScenarioAtStart(const std::string& path)
{
    editor->documents.openAtStart(path);
}
