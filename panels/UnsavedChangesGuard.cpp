#include "panels/UnsavedChangesGuard.h"

#include "document/Document.h"
#include "gui/EditorMode.h"
#include "gui/WindowLookup.h"
#include "panels/GuardNames.h"
#include "panels/MenuPopups.h"
#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

#include <utility>

namespace {

using namespace guardnames;

CEGUI::Window* guardWindow() { return getWindow(window); }

}  // namespace

void UnsavedChangesGuard::wire(Save saveDocument)
{
    save = std::move(saveDocument);
    guardWindow()->setVisible(false);
    onWindowEvent(saveButton, CEGUI::PushButton::EventClicked, [this] { saveAndGoOn(); });
    onWindowEvent(discardButton, CEGUI::PushButton::EventClicked, [this] { goOn(); });
    onWindowEvent(cancelButton, CEGUI::PushButton::EventClicked, [this] { cancel(); });
    onWindowEvent(window, CEGUI::FrameWindow::EventCloseClicked, [this] { cancel(); });
}

void UnsavedChangesGuard::proceed(std::function<void()> action)
{
    if (asking)
        return;
    if (!document.modified()) {
        action();
        return;
    }
    pending = std::move(action);
    closeMenuPopups();
    CEGUI::Window* shown = guardWindow();
    shown->setVisible(true);
    shown->setEnabled(true);
    shown->moveToFront();
    shown->setModalState(true);
    asking = true;
    mode.begin(Activity::Guard);
}

bool UnsavedChangesGuard::handleKey(const input::KeyEvent& key)
{
    if (!asking)
        return false;
    if (key.getKey() == input::KC_ESCAPE)
        cancel();
    return true;
}

void UnsavedChangesGuard::cancel()
{
    if (!asking)
        return;
    close();
    pending = nullptr;
}

void UnsavedChangesGuard::close()
{
    CEGUI::Window* shown = guardWindow();
    shown->setModalState(false);
    shown->setVisible(false);
    asking = false;
    mode.end(Activity::Guard);
}

void UnsavedChangesGuard::saveAndGoOn()
{
    if (!asking)
        return;
    close();
    save(std::exchange(pending, nullptr));
}

void UnsavedChangesGuard::goOn()
{
    if (!asking)
        return;
    close();
    if (std::function<void()> action = std::exchange(pending, nullptr))
        action();
}
