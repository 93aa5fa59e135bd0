#include "panels/PanelSlides.h"

#include "gui/WindowLookup.h"

#include <CEGUI/CEGUI.h>

namespace {

const char* tabWindowName(int tabIndex)
{
    switch (tabIndex) {
    case 1: return "insanTab";
    case 2: return "yollarveisaretlerTab";
    case 3: return "araclarTab";
    case 4: return "cevreTab";
    case 5: return "ozelTab";
    case propertiesTabIndex: return "ozelliklerTab";
    default: return nullptr;
    }
}

float relativeX(const CEGUI::Window* window)
{
    const CEGUI::UDim& x = window->getXPosition();
    const float parentWidth = window->getParentPixelSize().d_width;
    return x.d_scale + (parentWidth > 0 ? x.d_offset / parentWidth : 0.0f);
}

}  // namespace

void moveToolTab(int step, int tabIndex)
{
    if (const char* name = tabWindowName(tabIndex))
        placeTab(tabIndex, relativeX(getWindow(name)) + step * slideStepWidth);
}

void placeTab(int tabIndex, float x)
{
    if (const char* name = tabWindowName(tabIndex))
        getWindow(name)->setXPosition(CEGUI::UDim(x, 0));
}

float tabX(int tabIndex)
{
    const char* name = tabWindowName(tabIndex);
    return name ? relativeX(getWindow(name)) : 0.0f;
}
