#include "panels/PanelLocking.h"

#include "gui/EditorMode.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/MessageEditorNames.h"

#include <CEGUI/Window.h>

#include <cstddef>
#include <initializer_list>

namespace {

void setEnabled(std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names)
        getWindow(name)->setEnabled(enabled);
}

template <std::size_t count>
void setEnabled(const char* const (&names)[count], bool enabled)
{
    for (const char* name : names)
        getWindow(name)->setEnabled(enabled);
}

void lock(const Allowed& allowed)
{
    using namespace mainnames;
    setEnabled(toolPanels, allowed.panels);
    setEnabled({aboutWindow}, allowed.panels);
    setEnabled({mainFrame, cameraView, messagenames::window}, allowed.frame);
    setEnabled(menuButtons, allowed.menus);
    setEnabled({mainFrameCloseButton}, allowed.menus);
}

}  // namespace

void lockPanelsByMode(EditorMode& mode)
{
    mode.follow([](const EditorMode& now) { lock(now.allowed()); });
}
