#include "editor/Selection.h"

#include "app/WindowLookup.h"

#include <CEGUI/Window.h>
#include <OgreSceneNode.h>

#include <cstdio>

namespace {

std::string formatCoordinate(float value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

}  // namespace

void selectNode(EditorSession& session, Ogre::SceneNode* node)
{
    dropSelection(session.editing);
    session.editing.selectedNode = node;
    if (node)
        showSelectedPosition(session);
}

void dropSelection(EditingState& editing)
{
    if (editing.selectedNode)
        editing.selectedNode->showBoundingBox(false);
    editing.selectedNode = nullptr;
}

void clearSelection(EditorSession& session)
{
    if (session.editing.selectedNode && session.panels.propertiesTabShown == 1) {
        session.panels.propertiesTabSlideOut = 1;
        session.panels.propertiesTabShown = 0;
    }
    dropSelection(session.editing);
}

void showSelectedPosition(EditorSession& session)
{
    const Ogre::Vector3& position = session.editing.selectedNode->getPosition();
    getWindow("xPosition")->setText(formatCoordinate(position.x));
    getWindow("yPosition")->setText(formatCoordinate(position.z));
    if (session.panels.propertiesTabShown == 0) {
        session.panels.propertiesTabSlideIn = 1;
        session.panels.propertiesTabShown = 1;
    }
}

bool deleteSelected(EditorSession& session)
{
    Ogre::SceneNode* node = session.editing.selectedNode;
    if (!node || !session.registry.removeByNode(node))
        return false;
    node->showBoundingBox(false);
    detachFromScene(node);
    session.editing.selectedNode = nullptr;
    return true;
}
