#pragma once

#include <string>

namespace Ogre {
class Entity;
class SceneNode;
}

enum PlacementMode { None = 0, Object = 1, Area = 2, Road = 3 };

// What the user is doing right now: shared by input, placement, panels and messages.
struct EditingState {
    int nameCounter = 0;
    Ogre::SceneNode* selectedNode = nullptr;
    Ogre::SceneNode* mouseObjectNode = nullptr;  // the cursor node, made at start-up
    Ogre::Entity* previewEntity = nullptr;       // "mouseObjectEntity" while it exists
    int placementMode = None;
    std::string currentMeshName;
};
