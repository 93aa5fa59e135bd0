#include "app/EditorApplication.h"

#include "editor/EditorFrameListener.h"
#include "editor/Selection.h"

#include <CEGUI/CEGUI.h>

bool EditorApplication::onDeleteClicked(const CEGUI::EventArgs&)
{
    if (!session.editing.selectedNode)
        return false;
    deleteSelected(session);
    return true;
}

// The toolbox and view handlers act through the listener; before it exists they do nothing.

bool EditorApplication::onObjectButtonClicked(const CEGUI::EventArgs& args)
{
    const auto& clicked = static_cast<const CEGUI::WindowEventArgs&>(args);
    if (EditorFrameListener* listener = editorListener())
        listener->beginObjectPlacement(clicked.window->getName().c_str());
    return true;
}

bool EditorApplication::onAreaButtonClicked(const CEGUI::EventArgs&)
{
    if (EditorFrameListener* listener = editorListener())
        listener->beginAreaPlacement();
    return true;
}

bool EditorApplication::onRoadButtonClicked(const CEGUI::EventArgs&)
{
    if (EditorFrameListener* listener = editorListener())
        listener->beginRoadPlacement();
    return true;
}

bool EditorApplication::onViewClicked(const CEGUI::EventArgs& args)
{
    if (EditorFrameListener* listener = editorListener())
        listener->onViewClicked(args);
    return true;
}
