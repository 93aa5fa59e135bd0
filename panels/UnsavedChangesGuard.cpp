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
    onWindowEvent("kaydetSorEvet", CEGUI::PushButton::EventClicked, [this] { saveAndGoOn(); });
    onWindowEvent("kaydetSorHayir", CEGUI::PushButton::EventClicked, [this] { goOn(); });
    onWindowEvent("kaydetSorIptal", CEGUI::PushButton::EventClicked, [this] { cancel(); });
    onWindowEvent("kaydetSorWindow", CEGUI::FrameWindow::EventCloseClicked, [this] { cancel(); });
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
    keys.hold();
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
    keys.release();
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
