#include "gui/WindowLookup.h"

#include <CEGUI/CEGUI.h>

namespace {

CEGUI::Window* searchFrom(CEGUI::Window* root, const CEGUI::String& path)
{
    if (!root)
        return nullptr;
    const auto slash = path.find('/');
    const CEGUI::String first = path.substr(0, slash);
    CEGUI::Window* head = root->getName() == first ? root : root->getChildRecursive(first);
    if (!head || slash == CEGUI::String::npos)
        return head;
    const CEGUI::String rest = path.substr(slash + 1);
    return head->isChild(rest) ? head->getChild(rest) : nullptr;
}

}  // namespace

CEGUI::Window* findWindow(const std::string& name)
{
    auto* system = CEGUI::System::getSingletonPtr();
    if (!system)
        return nullptr;
    return searchFrom(system->getDefaultGUIContext().getRootWindow(), CEGUI::String(name));
}

CEGUI::Window* getWindow(const std::string& name)
{
    if (CEGUI::Window* window = findWindow(name))
        return window;
    CEGUI_THROW(CEGUI::UnknownObjectException("No window named '" + CEGUI::String(name) + "' in the interface."));
}

CEGUI::Event::Connection subscribeWindow(const std::string& name, const CEGUI::String& event,
                                         const CEGUI::Event::Subscriber& handler)
{
    return getWindow(name)->subscribeEvent(event, handler);
}

CEGUI::Event::Connection onWindowEvent(const std::string& name, const CEGUI::String& event,
                                       std::function<void()> action)
{
    return subscribeWindow(name, event, [action = std::move(action)](const CEGUI::EventArgs&) {
        action();
        return true;
    });
}
