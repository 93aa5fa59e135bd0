#include "app/EditorApplication.h"
#include "app/WindowLookup.h"
#include "panels/Panels.h"

#include <CEGUI/CEGUI.h>
#include <OgreSceneNode.h>

namespace {

constexpr float slideStepWidth = 0.01f;
constexpr int slideSteps = 20;
constexpr float slideWidth = slideStepWidth * slideSteps;
constexpr int propertiesTab = -1;

const char* tabWindowName(int tabIndex)
{
    switch (tabIndex) {
    case 1: return "insanTab";
    case 2: return "yollarveisaretlerTab";
    case 3: return "araclarTab";
    case 4: return "cevreTab";
    case 5: return "ozelTab";
    case propertiesTab: return "ozelliklerTab";
    default: return nullptr;
    }
}

// The window's x as a fraction of its parent's width.
float relativeX(const CEGUI::Window* window)
{
    const CEGUI::UDim& x = window->getXPosition();
    const float parentWidth = window->getParentPixelSize().d_width;
    return x.d_scale + (parentWidth > 0 ? x.d_offset / parentWidth : 0.0f);
}

void placeTab(int tabIndex, float x)
{
    if (const char* name = tabWindowName(tabIndex))
        getWindow(name)->setXPosition(CEGUI::UDim(x, 0));
}

void showArrowButtons()
{
    getWindow("tabButtonLeft")->setVisible(true);
    getWindow("tabButtonRight")->setVisible(true);
}

void showMessageButtonFor(EditorSession& session)
{
    Ogre::SceneNode* selected = session.editing.selectedNode;
    const bool area = selected && session.registry.findAreaByNodeName(selected->getName());
    getWindow("mesajYaz")->setVisible(area);
}

// The properties tab slides in until it is in and out until it is out, one
// step a frame, and lands exactly on its place. A slide-in that takes over a
// half-done slide-out therefore takes as many frames as the tab is out.
void stepPropertiesTab(PanelState& panels, int direction)
{
    panels.propertiesTabOutSteps += direction;
    moveToolTab(direction, propertiesTab);
    const int outSteps = panels.propertiesTabOutSteps;
    if (outSteps == 0 || outSteps == slideSteps)
        placeTab(propertiesTab, panels.propertiesTabHomeX + slideStepWidth * outSteps);
}

void animatePropertiesTab(PanelState& panels)
{
    if (panels.propertiesTabSlideIn == 1) {
        if (panels.propertiesTabOutSteps == 0) {
            panels.propertiesTabSlideIn = 0;
            // A slide-out cut short by this slide-in is void while something is selected.
            if (panels.propertiesTabShown == 1)
                panels.propertiesTabSlideOut = 0;
        } else {
            stepPropertiesTab(panels, -1);
        }
    } else if (panels.propertiesTabSlideOut == 1) {
        if (panels.propertiesTabOutSteps == slideSteps) {
            panels.propertiesTabSlideOut = 0;
        } else {
            stepPropertiesTab(panels, +1);
        }
    }
}

// The tab strip: the tab coming on view slides from its parked place to home,
// the one leaving slides from home to its parked place.
void animateToolTabs(PanelState& panels)
{
    int& flag = panels.toolTabSlideRight == 1 ? panels.toolTabSlideRight : panels.toolTabSlideLeft;
    if (flag != 1)
        return;
    const int leaving = panels.toolTabSlideRight == 1 ? panels.currentToolTab - 1 : panels.currentToolTab + 1;
    if (panels.toolTabSlideStep == slideSteps) {
        flag = 0;
        panels.toolTabSlideStep = 0;
        placeTab(panels.currentToolTab, panels.toolTabHomeX);
        placeTab(leaving, panels.toolTabHomeX + slideWidth);
        showArrowButtons();
        return;
    }
    moveToolTab(-1, panels.currentToolTab);
    moveToolTab(+1, leaving);
    ++panels.toolTabSlideStep;
}

}  // namespace

void moveToolTab(int step, int tabIndex)
{
    const char* name = tabWindowName(tabIndex);
    if (!name)
        return;
    CEGUI::Window* tab = getWindow(name);
    tab->setXPosition(CEGUI::UDim(relativeX(tab) + step * slideStepWidth, 0));
}

void animatePanels(EditorSession& session)
{
    showMessageButtonFor(session);
    animatePropertiesTab(session.panels);
    animateToolTabs(session.panels);
}

void EditorApplication::layoutToolboxTabs()
{
    PanelState& panels = session.panels;
    panels.toolTabSlideRight = 0;
    panels.toolTabSlideLeft = 0;
    panels.currentToolTab = 1;
    panels.propertiesTabSlideOut = 1;
    panels.toolTabHomeX = relativeX(getWindow("insanTab"));
    panels.propertiesTabHomeX = relativeX(getWindow("ozelliklerTab"));
    panels.propertiesTabOutSteps = 0;
    for (int tab = 2; tab <= 5; ++tab)
        placeTab(tab, panels.toolTabHomeX + slideWidth);
}
