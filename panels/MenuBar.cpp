#include "panels/MenuBar.h"

#include "gui/EditorMode.h"
#include "gui/WindowLookup.h"
#include "panels/CameraView.h"
#include "panels/MainWindowNames.h"
#include "panels/MenuPopups.h"
#include "panels/PanelSlides.h"

#include <CEGUI/CEGUI.h>

#include <utility>

namespace {

using namespace mainnames;

// The buttons that open popups, and their popups.
const std::pair<const char*, const char*> menuPopups[] = {{fileMenu, fileMenuPopup},
                                                         {editMenu, editMenuPopup},
                                                         {viewMenu, viewMenuPopup},
                                                         {helpMenu, helpMenuPopup},
                                                         {aboutItem, aboutWindow}};

// At most one popup is open: a click on the button of the open one closes it.
void togglePopup(const char* popupName)
{
    CEGUI::Window* popup = getWindow(popupName);
    const bool wasOpen = popup->isEffectiveVisible();
    closeMenuPopups();
    if (!wasOpen) {
        popup->setVisible(true);
        // In front of an open window (the message editor), whatever was shown last.
        popup->moveToFront();
    }
}

}  // namespace

void closeMenuPopups()
{
    for (const char* name : popups)
        getWindow(name)->setVisible(false);
    getWindow(toolboxItem)->activate();
}

// The arrows show while the toolbox does and no slide is under way.
void MenuBar::showArrowButtons(bool shown) const
{
    for (const char* arrow : tabArrows)
        getWindow(arrow)->setVisible(shown && !hidden && !testRunOn);
}

void MenuBar::wire()
{
    using CEGUI::FrameWindow;
    using CEGUI::PushButton;

    closeMenuPopups();
    getWindow(aboutVersion)->setText(SAHNE_VERSION);
    homeX = tabX(1);
    for (int tab = 2; tab <= 5; ++tab)
        placeTab(tab, homeX, slideSteps);

    for (const auto& [button, popupName] : menuPopups)
        onWindowEvent(button, PushButton::EventClicked, [popupName = popupName] { togglePopup(popupName); });
    onWindowEvent(toolboxItem, PushButton::EventClicked, [this] { toggleToolbox(); });
    onWindowEvent(aboutWindow, FrameWindow::EventCloseClicked, [] {
        if (getWindow(aboutWindow)->isEffectiveVisible())
            closeMenuPopups();
    });
    onWindowEvent(tabArrowLeft, PushButton::EventClicked, [this] { scrollToolTabs(-1); });
    onWindowEvent(tabArrowRight, PushButton::EventClicked, [this] { scrollToolTabs(+1); });
    mode.follow([this](const EditorMode& now) {
        testRunOn = now.isOn(Activity::TestRun);
        showToolbox();
    });
}

void MenuBar::showKeys(const std::vector<ItemKey>& keys) const
{
    for (const ItemKey& key : keys)
        getWindow(key.item)->setProperty(menuItemKeyProperty, chordName(key.chord));
}

void MenuBar::toggleToolbox()
{
    hidden = !hidden;
    showToolbox();
}

void MenuBar::showToolbox()
{
    const bool shown = !hidden && !testRunOn;
    for (const char* name : toolPanels)
        getWindow(name)->setVisible(shown);
    showArrowButtons(!slideLeft && !slideRight);
    view.setFullWidth(!shown);
}

void MenuBar::scrollToolTabs(int direction)
{
    showArrowButtons(false);
    const int bound = direction < 0 ? 1 : 5;
    if (currentTab == bound) {
        showArrowButtons(true);
        return;
    }
    currentTab += direction;
    (direction < 0 ? slideLeft : slideRight) = true;
}

// The tab coming on view slides from its parked place to home, the one leaving
// slides from home to its parked place.
void MenuBar::animate()
{
    if (!slideLeft && !slideRight)
        return;
    const int leaving = slideRight ? currentTab - 1 : currentTab + 1;
    if (slideStep == slideSteps) {
        slideLeft = slideRight = false;
        slideStep = 0;
        placeTab(currentTab, homeX);
        placeTab(leaving, homeX, slideSteps);
        showArrowButtons(true);
        return;
    }
    moveToolTab(-1, currentTab);
    moveToolTab(+1, leaving);
    ++slideStep;
}
