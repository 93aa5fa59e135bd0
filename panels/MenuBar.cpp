#include "app/EditorApplication.h"
#include "app/WindowLookup.h"
#include "editor/EditorFrameListener.h"
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
    if (!wasOpen)
        popup->setVisible(true);
}

void toggleToolbox(PanelState& panels)
{
    const bool show = panels.toolboxHidden == 1;
    for (const char* name : toolboxWindows)
        getWindow(name)->setVisible(show);
    panels.toolboxHidden = show ? 0 : 1;
    getWindow("windowFrame")->setWidth(CEGUI::UDim(show ? 0.8f : 1.0f, 0));
}

// Starts a slide of the tab strip by one tab; the arrows stay hidden until it ends.
void scrollToolTabs(PanelState& panels, int direction)
{
    getWindow("tabButtonLeft")->setVisible(false);
    getWindow("tabButtonRight")->setVisible(false);
    const int bound = direction < 0 ? 1 : 5;
    if (panels.currentToolTab == bound) {
        getWindow("tabButtonLeft")->setVisible(true);
        getWindow("tabButtonRight")->setVisible(true);
        return;
    }
    panels.currentToolTab += direction;
    (direction < 0 ? panels.toolTabSlideLeft : panels.toolTabSlideRight) = 1;
}

}  // namespace

void EditorApplication::wireMenuBar()
{
    using CEGUI::Event;
    using CEGUI::FrameWindow;
    using CEGUI::PushButton;
    PanelState* panels = &session.panels;

    for (const auto& [button, popupName] : menuPopups) {
        subscribeWindow(button, PushButton::EventClicked, [popupName = popupName](const CEGUI::EventArgs&) {
            togglePopup(popupName);
            return true;
        });
    }
    subscribeWindow("arackutusu", PushButton::EventClicked, [panels](const CEGUI::EventArgs&) {
        toggleToolbox(*panels);
        return true;
    });
    subscribeWindow("hakkindaicerik", FrameWindow::EventCloseClicked, [](const CEGUI::EventArgs&) {
        if (getWindow("hakkindaicerik")->isEffectiveVisible())
            closeMenuPopups();
        return true;
    });
    subscribeWindow("tabButtonLeft", PushButton::EventClicked, [panels](const CEGUI::EventArgs&) {
        scrollToolTabs(*panels, -1);
        return true;
    });
    subscribeWindow("tabButtonRight", PushButton::EventClicked, [panels](const CEGUI::EventArgs&) {
        scrollToolTabs(*panels, +1);
        return true;
    });
    subscribeWindow("mesajWindow", FrameWindow::EventCloseClicked, {&EditorApplication::onCancelMessageClicked, this});
    subscribeWindow("mesajIptal", PushButton::EventClicked, {&EditorApplication::onCancelMessageClicked, this});
    subscribeWindow("mesajEkle", PushButton::EventClicked, {&EditorApplication::onAddMessageClicked, this});
    subscribeWindow("TestWindowFrame", FrameWindow::EventCloseClicked, {&EditorApplication::onExitClicked, this});
    subscribeWindow("mesajYaz", CEGUI::Window::EventMouseClick, {&EditorApplication::onWriteMessageClicked, this});
    subscribeWindow("windowFrame", CEGUI::Window::EventMouseClick, {&EditorApplication::onViewClicked, this});
}

bool EditorApplication::onExitClicked(const CEGUI::EventArgs&)
{
    if (EditorFrameListener* listener = editorListener())
        listener->quitRequested = true;
    return true;
}
