#include "gui/WidgetLooks.h"

#include <CEGUI/CEGUI.h>

void loadWidgetLooks(const CEGUI::String& resourceGroup)
{
    CEGUI::WidgetLookManager::getSingleton().parseLookNFeelSpecificationFromFile("SahneLook.looknfeel",
                                                                                 resourceGroup);
    CEGUI::WindowFactoryManager& factories = CEGUI::WindowFactoryManager::getSingleton();
    if (!factories.isFalagardMappedType("SahneLook/MenuItem"))
        factories.addFalagardWindowMapping("SahneLook/MenuItem", "CEGUI/PushButton", "SahneLook/MenuItem",
                                           "Core/Button");
}
