#pragma once

#include <CEGUI/Event.h>
#include <CEGUI/String.h>

#include <functional>
#include <string>

namespace CEGUI { class Window; }

// The interface window with this name ("parent/child" paths allowed), searched
// from the root of the interface; throws CEGUI::UnknownObjectException when there is none.
CEGUI::Window* getWindow(const std::string& name);
// The same, or null when there is no such window.
CEGUI::Window* findWindow(const std::string& name);
// Connects a handler to an event of the named window (looked up as by getWindow).
// A handler that may outlive its owner (a window's focus is lost when the
// interface is torn down) is kept in a scoped connection by the owner.
CEGUI::Event::Connection subscribeWindow(const std::string& name, const CEGUI::String& event,
                                         const CEGUI::Event::Subscriber& handler);
// The same for an action that needs nothing of the event and always handles it.
CEGUI::Event::Connection onWindowEvent(const std::string& name, const CEGUI::String& event,
                                       std::function<void()> action);
