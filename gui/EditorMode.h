#pragma once

#include <functional>
#include <vector>

// What the editor is doing. A window or a run that takes over the editor sits
// on top of what was going on below it and hands it back when it ends.
enum class Activity {
    Starting,       // no scenario yet: the panels wait for Dosya > Yeni
    Editing,        // selecting and editing what is selected
    Placing,        // a tool places objects, blue areas or roads
    Typing,         // a text field of the panels has the keys
    MessageEditor,  // "mesajWindow": a blue area's message is being written
    FileDialog,     // the open or save dialog
    Guard,          // "kaydetSorWindow" asks before unsaved changes are lost
    Recovery,       // "kurtarWindow" offers what an editor that ended unexpectedly left
    TestRun,        // "Dene": the author walks through the scenario
};

// What the user can do in the editor at a moment.
struct Allowed {
    bool panels = false;      // the toolbox, its tabs, the properties tab and the about window take clicks
    bool frame = false;       // the main frame (menus, camera view) and the message editor take clicks
    bool menus = false;       // the menu bar and the frame's close button take clicks
    bool viewClicks = false;  // a click into the camera view reaches the tools
    bool widgetKeys = false;  // keys are typed into the widgets (buffered), not polled
    bool commands = false;    // the menus' and the keys' commands on the document act
    bool shortcuts = false;   // Ctrl chords of Dosya and Duzenle, Escape asking to end the editor
    bool toolKeys = false;    // Escape, Delete, Q and E reach the editing tools
    bool cameraKeys = false;  // held keys move and turn the camera
};

// The one place that knows what the editor is doing. Every controller asks it
// what is allowed and tells it what begins and ends; whoever shows the state
// (the panels' locks, the keyboard's route, the camera view) follows it.
class EditorMode {
public:
    // The activity on top: what the user is doing now.
    Activity current() const;
    Allowed allowed() const;
    // Whether the activity is going on, on top or below another.
    bool isOn(Activity activity) const;
    // No window or run has taken over: the user is editing (or has not begun).
    bool idle() const { return overlays.empty(); }
    bool started() const { return scenarioStarted; }

    // A window or run takes over, on top of what is going on.
    void begin(Activity activity);
    // It ends (the topmost one of the kind); nothing happens when it is not on.
    void end(Activity activity);
    // There is a scenario to edit (after New, or once the file dialog closed).
    void startScenario();
    // The editing tools place something, or went back to selecting.
    void setPlacing(bool placing);

    // Called at once, and after every change of what is allowed or going on.
    void follow(std::function<void(const EditorMode&)> follower);

private:
    void changed();

    std::vector<Activity> overlays;
    bool scenarioStarted = false;
    bool placing = false;
    std::vector<std::function<void(const EditorMode&)>> followers;
};
