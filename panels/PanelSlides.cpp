#include "panels/PanelSlides.h"

#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"

#include <CEGUI/CEGUI.h>

#include <iterator>

namespace {

const char* tabWindowName(int tabIndex)
{
    if (tabIndex == propertiesTabIndex)
        return mainnames::propertiesTab;
    const int count = static_cast<int>(std::size(mainnames::toolTabs));
    return tabIndex >= 1 && tabIndex <= count ? mainnames::toolTabs[tabIndex - 1] : nullptr;
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
