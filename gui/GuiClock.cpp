#include "gui/GuiClock.h"

#include <CEGUI/CEGUI.h>

bool GuiClock::frameStarted(const Ogre::FrameEvent& evt)
{
    if (auto* system = CEGUI::System::getSingletonPtr()) {
        system->injectTimePulse(evt.timeSinceLastFrame);
        system->getDefaultGUIContext().injectTimePulse(evt.timeSinceLastFrame);
    }
    return true;
}
