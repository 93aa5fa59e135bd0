#include "panels/RecoveryWindow.h"

#include "filedialog/DialogListItems.h"
#include "gui/GuiText.h"
#include "gui/EditorMode.h"
#include "gui/WindowLookup.h"
#include "panels/DocumentController.h"
#include "panels/MenuPopups.h"
#include "panels/RecoveryNames.h"
#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

#include <utility>

namespace {

using namespace recoverynames;

CEGUI::Window* recoveryWindow() { return getWindow(window); }
CEGUI::Window* questionWindow() { return getWindow(question); }
CEGUI::Listbox* rowList() { return static_cast<CEGUI::Listbox*>(getWindow(recoverynames::list)); }

void showModal(CEGUI::Window* shown)
{
    shown->setVisible(true);
    shown->setEnabled(true);
    shown->moveToFront();
    shown->setModalState(true);
}

}  // namespace

void RecoveryWindow::wire()
{
    recoveryWindow()->setVisible(false);
    questionWindow()->setVisible(false);
    onWindowEvent(openButton, CEGUI::PushButton::EventClicked, [this] { openChosen(); });
    onWindowEvent(deleteButton, CEGUI::PushButton::EventClicked, [this] { askToRemoveChosen(); });
    onWindowEvent(laterButton, CEGUI::PushButton::EventClicked, [this] { later(); });
    onWindowEvent(window, CEGUI::FrameWindow::EventCloseClicked, [this] { later(); });
    onWindowEvent(questionYes, CEGUI::PushButton::EventClicked, [this] { removeChosen(); });
    onWindowEvent(questionNo, CEGUI::PushButton::EventClicked, [this] { closeQuestion(); });
    onWindowEvent(question, CEGUI::FrameWindow::EventCloseClicked, [this] { closeQuestion(); });
    onWindowEvent(recoverynames::list, CEGUI::Listbox::EventSelectionChanged, [this] { enableButtons(); });
}

void RecoveryWindow::offer(RecoveryFolder& from, std::function<void()> then)
{
    folder = &from;
    files = from.claimOrphans();
    next = std::move(then);
    if (files.empty()) {
        close();
        return;
    }
    closeMenuPopups();
    showRows(0);
    showModal(recoveryWindow());
    offering = true;
    mode.begin(Activity::Recovery);
}

bool RecoveryWindow::handleKey(const input::KeyEvent& key)
{
    if (!isOpen())
        return false;
    if (key.getKey() == input::KC_ESCAPE) {
        if (questionWindow()->isVisible())
            closeQuestion();
        else
            later();
    }
    return true;
}

void RecoveryWindow::openChosen()
{
    const std::optional<std::size_t> row = chosenRow();
    if (!row || !files[*row].itemCount || questionWindow()->isVisible())
        return;
    const RecoveryFile file = files[*row];
    // The notice of a copy that cannot be opened must be reachable: the window goes first.
    files.erase(files.begin() + static_cast<std::ptrdiff_t>(*row));
    recoveryWindow()->setModalState(false);
    recoveryWindow()->setVisible(false);
    if (documents.openRecovered(file.path, file.originalPath))
        folder->adopt(file);
    else
        folder->release(file);
    close();
}

void RecoveryWindow::askToRemoveChosen()
{
    if (chosenRow())
        showModal(questionWindow());
}

void RecoveryWindow::removeChosen()
{
    const std::optional<std::size_t> row = chosenRow();
    closeQuestion();
    if (!row)
        return;
    folder->remove(files[*row]);
    files.erase(files.begin() + static_cast<std::ptrdiff_t>(*row));
    if (files.empty())
        close();
    else
        showRows(std::min(*row, files.size() - 1));
}

void RecoveryWindow::later()
{
    if (isOpen() && !questionWindow()->isVisible())
        close();
}

void RecoveryWindow::showRows(std::size_t chosen)
{
    CEGUI::Listbox* rows = rowList();
    rows->resetList();
    for (const RecoveryFile& file : files)
        rows->addItem(new DialogListItem(fromUtf8(describeRecovery(file))));
    rows->setItemSelectState(chosen, true);
    rows->ensureItemIsVisible(chosen);
    enableButtons();
}

// A copy that does not read can only be deleted.
void RecoveryWindow::enableButtons()
{
    const std::optional<std::size_t> row = chosenRow();
    getWindow(openButton)->setEnabled(row && files[*row].itemCount);
    getWindow(deleteButton)->setEnabled(row.has_value());
}

std::optional<std::size_t> RecoveryWindow::chosenRow() const
{
    CEGUI::Listbox* rows = rowList();
    CEGUI::ListboxItem* chosen = rows->getFirstSelectedItem();
    if (!chosen)
        return std::nullopt;
    const std::size_t index = rows->getItemIndex(chosen);
    return index < files.size() ? std::optional<std::size_t>(index) : std::nullopt;
}

void RecoveryWindow::closeQuestion()
{
    if (!questionWindow()->isVisible())
        return;
    questionWindow()->setModalState(false);
    questionWindow()->setVisible(false);
    if (isOpen())
        recoveryWindow()->setModalState(true);
}

// Whatever is still listed stays for the next start.
void RecoveryWindow::close()
{
    for (const RecoveryFile& file : files)
        folder->release(file);
    files.clear();
    rowList()->resetList();
    closeQuestion();
    recoveryWindow()->setModalState(false);
    recoveryWindow()->setVisible(false);
    if (std::exchange(offering, false))
        mode.end(Activity::Recovery);
    if (std::function<void()> then = std::exchange(next, nullptr))
        then();
}
