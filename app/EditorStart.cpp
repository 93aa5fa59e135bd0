#include "app/EditorApplication.h"

#include "app/Editor.h"

#include <Ogre.h>

void EditorApplication::run()
{
    if (!setup())
        return;
    if (!scenarioAtStart.empty())
        editor->documents().openAtStart(scenarioAtStart);
    root->startRendering();
    destroyScene();
}
