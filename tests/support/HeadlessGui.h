#pragma once

#include <string>

namespace CEGUI {
class GUIContext;
class Window;
}  // namespace CEGUI

// A CEGUI system without a display for test programs: the null renderer with an
// 800x600 display, the WindowsLook scheme, the font "Tahoma-12" as the default
// font, and resource groups "schemes", "imagesets", "looknfeel", "fonts" and
// "layouts" (the last two are the staged media/gui folders). Nothing is logged,
// no CEGUI.log is written, and CEGUI exceptions are not echoed to stderr.
//
// There is one system per process. It is created on the first call of any
// function below and lives until the process ends, so a test just calls them:
//
//   CEGUI::Window* root = headlessgui::loadRootLayout("guiLayout800X600.layout");
//   headlessgui::click(root->getChild("SomeButton"));
//
// Between tests, headlessgui::resetRoot() destroys the root window and all its
// children (a fixture's SetUp or TearDown calls it), so that the next test loads
// its layout afresh. Windows owned by other objects (a dialog that stays alive
// across tests, say) must be detached from the root before that.
//
// Mouse clicks: CEGUI takes two presses on the same spot as a double click when
// they come within its multi-click timeout, which it measures on the wall clock,
// not with time pulses. The helpers set that timeout themselves: click() always
// produces a single click, however quickly tests click, and doubleClick() always
// a double click. Each click also advances the GUI time by 0.4 s before and after.
namespace headlessgui {

// The default GUI context (creates the system on first use).
CEGUI::GUIContext& context();

// Loads the layout file from the "layouts" group and makes it the root window
// of the default context, destroying the previous root. Returns the new root.
CEGUI::Window* loadRootLayout(const std::string& layoutFile);

// Makes the window the root of the default context, destroying the previous root
// unless it is the same window.
void setRoot(CEGUI::Window* root);

// Destroys the current root window (if any) and leaves the context without one.
void resetRoot();

// Injects a time pulse into the system and the default context.
void advance(float seconds);

// Moves the mouse to the centre of the window (in screen pixels) and injects a
// left button press and release. Throws std::runtime_error when the window is
// not visible at that point (so that a test cannot click on something hidden
// without noticing).
void click(CEGUI::Window* window);

// The same, pressed twice so that CEGUI reports a double click.
void doubleClick(CEGUI::Window* window);

// The same at a point of the screen, in pixels (an item inside a list, say).
void clickAt(float x, float y);
void doubleClickAt(float x, float y);

// Sends the UTF-8 text to the focused window, one injectChar per code point.
void typeText(const std::string& utf8);

// The window the mouse is over at the centre of the given window, or null.
CEGUI::Window* windowAtCentreOf(CEGUI::Window* window);

}  // namespace headlessgui
