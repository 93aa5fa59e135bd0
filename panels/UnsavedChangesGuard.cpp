#include "panels/UnsavedChangesGuard.h"

#include "document/Document.h"
#include "gui/KeyboardSwitch.h"
#include "gui/WindowLookup.h"
#include "panels/Panels.h"

#include <CEGUI/CEGUI.h>

#include <utility>

namespace {

CEGUI::Window* guardWindow() { return getWindow("kaydetSorWindow"); }

}  // namespace

void UnsavedChangesGuard::wire(Save saveDocument)
{
    save = std::move(saveDocument);
    guardWindow()->setVisible(false);
    const auto on = [](const char* name, const CEGUI::String& event, std::function<void()> action) {
        subscribeWindow(name, event, [action = std::move(action)](const CEGUI::EventArgs&) {
            action();
            return true;
        });
    };
    on("kaydetSorEvet", CEGUI::PushButton::EventClicked, [this] { saveAndGoOn(); });
    on("kaydetSorHayir", CEGUI::PushButton::EventClicked, [this] { goOn(); });
    on("kaydetSorIptal", CEGUI::PushButton::EventClicked, [this] { cancel(); });
    on("kaydetSorWindow", CEGUI::FrameWindow::EventCloseClicked, [this] { cancel(); });
}

void UnsavedChangesGuard::proceed(std::function<void()> action)
{
    if (isOpen())
        return;
    if (!document.modified()) {
        action();
        return;
    }
    pending = std::move(action);
    closeMenuPopups();
    CEGUI::Window* window = guardWindow();
    window->setVisible(true);
    window->setEnabled(true);
    window->moveToFront();
    window->setModalState(true);
    keys();
}

bool UnsavedChangesGuard::isOpen() const { return guardWindow()->isVisible(); }

void UnsavedChangesGuard::cancel()
{
    if (!isOpen())
        return;
    close();
    pending = nullptr;
}

void UnsavedChangesGuard::close()
{
    CEGUI::Window* window = guardWindow();
    window->setModalState(false);
    window->setVisible(false);
    keys();
}

void UnsavedChangesGuard::saveAndGoOn()
{
    if (!isOpen())
        return;
    close();
    save(std::exchange(pending, nullptr));
}

void UnsavedChangesGuard::goOn()
{
    if (!isOpen())
        return;
    close();
    if (std::function<void()> action = std::exchange(pending, nullptr))
        action();
}
