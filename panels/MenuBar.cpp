#include "panels/MenuBar.h"

#include "gui/WindowLookup.h"
#include "panels/PanelSlides.h"
#include "panels/Panels.h"

#include <CEGUI/CEGUI.h>

#include <utility>

namespace {

const char* const toolboxWindows[] = {"insanTab", "yollarveisaretlerTab", "araclarTab", "ozelTab",
                                      "cevreTab", "ozelliklerTab", "tabFrameWindow"};

// The buttons that open popups, and their popups.
const std::pair<const char*, const char*> menuPopups[] = {{"dosya", "dosyaPopup"},
                                                         {"duzenle", "duzenlePopup"},
                                                         {"gorunum", "gorunumPopup"},
                                                         {"yardim", "yardimPopup"},
                                                         {"hakkindaPopupItem", "hakkindaicerik"}};

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

void showArrowButtons(bool shown)
{
    getWindow("tabButtonLeft")->setVisible(shown);
    getWindow("tabButtonRight")->setVisible(shown);
}

}  // namespace

void MenuBar::wire()
{
    using CEGUI::FrameWindow;
    using CEGUI::PushButton;

    homeX = tabX(1);
    for (int tab = 2; tab <= 5; ++tab)
        placeTab(tab, homeX + slideWidth);

    for (const auto& [button, popupName] : menuPopups)
        onWindowEvent(button, PushButton::EventClicked, [popupName = popupName] { togglePopup(popupName); });
    onWindowEvent("arackutusu", PushButton::EventClicked, [this] { toggleToolbox(); });
    onWindowEvent("hakkindaicerik", FrameWindow::EventCloseClicked, [] {
        if (getWindow("hakkindaicerik")->isEffectiveVisible())
            closeMenuPopups();
    });
    onWindowEvent("tabButtonLeft", PushButton::EventClicked, [this] { scrollToolTabs(-1); });
    onWindowEvent("tabButtonRight", PushButton::EventClicked, [this] { scrollToolTabs(+1); });
}

void MenuBar::toggleToolbox()
{
    const bool show = hidden;
    for (const char* name : toolboxWindows)
        getWindow(name)->setVisible(show);
    hidden = !show;
    getWindow("windowFrame")->setWidth(CEGUI::UDim(show ? 0.8f : 1.0f, 0));
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
        placeTab(leaving, homeX + slideWidth);
        showArrowButtons(true);
        return;
    }
    moveToolTab(-1, currentTab);
    moveToolTab(+1, leaving);
    ++slideStep;
}
