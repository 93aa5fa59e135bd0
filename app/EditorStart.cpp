#include "app/EditorApplication.h"

#include <CEGUI/EventArgs.h>
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
    onNewClicked(CEGUI::EventArgs());
    loadScenario(path);
}
