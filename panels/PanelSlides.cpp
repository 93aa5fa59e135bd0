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

CEGUI::UDim steps(const CEGUI::Window& tab, int count)
{
    const CEGUI::UDim& width = tab.getWidth();
    const float part = static_cast<float>(count) / slideSteps;
    return CEGUI::UDim(width.d_scale * part, width.d_offset * part);
}

}  // namespace

void moveToolTab(int step, int tabIndex)
{
    if (const char* name = tabWindowName(tabIndex)) {
        CEGUI::Window* tab = getWindow(name);
        tab->setXPosition(tab->getXPosition() + steps(*tab, step));
    }
}

void placeTab(int tabIndex, const CEGUI::UDim& home, int stepsOut)
{
    if (const char* name = tabWindowName(tabIndex)) {
        CEGUI::Window* tab = getWindow(name);
        tab->setXPosition(home + steps(*tab, stepsOut));
    }
}

CEGUI::UDim tabX(int tabIndex)
{
    const char* name = tabWindowName(tabIndex);
    return name ? getWindow(name)->getXPosition() : CEGUI::UDim(0, 0);
}
