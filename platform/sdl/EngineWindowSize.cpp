#include "platform/sdl/EngineWindowSize.h"

#include <OgreRenderWindow.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform {

namespace {

XErrorHandler usualHandler = nullptr;

// The engine keeps no X window of its own for a window it was handed: it asks
// the server to resize window 0 before it takes the size on. That request can
// only fail, harmlessly; Xlib's default handler would end the program for it.
int ignoreResizeOfNoWindow(Display* display, XErrorEvent* error)
{
    if (error->request_code == X_ConfigureWindow && error->error_code == BadWindow && error->resourceid == 0)
        return 0;
    return usualHandler ? usualHandler(display, error) : 0;
}

}  // namespace

void resizeEngineWindow(Ogre::RenderWindow& window, unsigned width, unsigned height)
{
    Display* display = nullptr;
    window.getCustomAttribute("XDISPLAY", &display);
    if (display)
        XSync(display, False);
    usualHandler = XSetErrorHandler(ignoreResizeOfNoWindow);
    window.resize(width, height);
    if (display)
        XSync(display, False);
    XSetErrorHandler(usualHandler);
    usualHandler = nullptr;
}

}  // namespace platform
