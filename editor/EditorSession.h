#pragma once

#include "editor/EditingState.h"
#include "editor/ObjectRegistry.h"
#include "panels/PanelState.h"

// The editor's one set of process-wide state: the registry of placed items, the
// editing state and the panel flags. Owned by the application, lent to the listener.
struct EditorSession {
    ObjectRegistry registry;
    EditingState editing;
    PanelState panels;
};
