#include "gui/EditorMode.h"

#include <algorithm>
#include <utility>

namespace {

// Editing: everything but typing into widgets. Before the first scenario the
// panels wait.
Allowed editingAllows(bool started)
{
    Allowed allowed;
    allowed.panels = started;
    allowed.frame = allowed.menus = allowed.viewClicks = true;
    allowed.commands = allowed.shortcuts = allowed.toolKeys = allowed.cameraKeys = true;
    return allowed;
}

// The keys go to the widgets; no key edits, saves or moves the camera.
Allowed keysToWidgets(Allowed allowed)
{
    allowed.widgetKeys = true;
    allowed.shortcuts = allowed.toolKeys = allowed.cameraKeys = false;
    return allowed;
}

// What an activity that takes over leaves of what was allowed below it.
Allowed over(Allowed below, Activity activity)
{
    Allowed allowed = below;
    switch (activity) {
    case Activity::Starting:
    case Activity::Editing:
    case Activity::Placing:
        break;
    case Activity::Typing:
        allowed = keysToWidgets(below);
        break;
    case Activity::MessageEditor:
    case Activity::Guard:
    case Activity::Recovery:
        allowed = keysToWidgets(below);
        allowed.commands = false;
        break;
    case Activity::FileDialog:
        allowed = keysToWidgets(below);
        allowed.panels = allowed.frame = allowed.viewClicks = allowed.commands = false;
        break;
    case Activity::TestRun:
        allowed.menus = allowed.viewClicks = allowed.widgetKeys = allowed.commands = false;
        allowed.shortcuts = allowed.toolKeys = allowed.cameraKeys = false;
        break;
    }
    return allowed;
}

}  // namespace

Activity EditorMode::current() const
{
    if (!overlays.empty())
        return overlays.back();
    if (!scenarioStarted)
        return Activity::Starting;
    return placing ? Activity::Placing : Activity::Editing;
}

Allowed EditorMode::allowed() const
{
    Allowed allowed = editingAllows(scenarioStarted);
    for (Activity overlay : overlays)
        allowed = over(allowed, overlay);
    return allowed;
}

bool EditorMode::isOn(Activity activity) const
{
    return current() == activity || std::find(overlays.begin(), overlays.end(), activity) != overlays.end();
}

void EditorMode::begin(Activity activity)
{
    overlays.push_back(activity);
    changed();
}

void EditorMode::end(Activity activity)
{
    const auto found = std::find(overlays.rbegin(), overlays.rend(), activity);
    if (found == overlays.rend())
        return;
    overlays.erase(std::next(found).base());
    changed();
}

void EditorMode::startScenario()
{
    if (std::exchange(scenarioStarted, true))
        return;
    changed();
}

void EditorMode::setPlacing(bool nowPlacing)
{
    if (std::exchange(placing, nowPlacing) != nowPlacing)
        changed();
}

void EditorMode::follow(std::function<void(const EditorMode&)> follower)
{
    followers.push_back(std::move(follower));
    followers.back()(*this);
}

void EditorMode::changed()
{
    for (const auto& follower : followers)
        follower(*this);
}
