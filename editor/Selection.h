#pragma once

#include "editor/EditorSession.h"

namespace Ogre { class SceneNode; }

// The selected item shows its bounding box; its position is shown in the
// properties tab, which slides in when something gets selected.

// Selects the node (null selects nothing): the old selection's box is hidden,
// the new node's position is shown and the properties tab slides in.
void selectNode(EditorSession& session, Ogre::SceneNode* node);
// Hides the selected node's box and selects nothing; the properties tab stays.
void dropSelection(EditingState& editing);
// As dropSelection, and the properties tab slides out if it is shown.
void clearSelection(EditorSession& session);
// Writes the selected node's x and z into "xPosition" and "yPosition" and
// slides the properties tab in if it is not shown.
void showSelectedPosition(EditorSession& session);
// Deletes the selected item from the registry and the scene. An item the
// registry does not know (already deleted or cleared) is left alone. Returns
// whether something was deleted.
bool deleteSelected(EditorSession& session);
