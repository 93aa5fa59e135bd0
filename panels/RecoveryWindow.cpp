#include "panels/RecoveryWindow.h"

#include "filedialog/DialogListItems.h"
#include "gui/GuiText.h"
#include "gui/KeyboardSwitch.h"
#include "gui/WindowLookup.h"
#include "panels/DocumentController.h"
#include "panels/Panels.h"
#include "platform/input/InputEvents.h"

#include <CEGUI/CEGUI.h>

#include <utility>

namespace {

CEGUI::Window* recoveryWindow() { return getWindow("kurtarWindow"); }
CEGUI::Window* question() { return getWindow("kurtarSilSorWindow"); }
CEGUI::Listbox* list() { return static_cast<CEGUI::Listbox*>(getWindow("kurtarListe")); }

void showModal(CEGUI::Window* window)
{
    window->setVisible(true);
    window->setEnabled(true);
    window->moveToFront();
    window->setModalState(true);
}

}  // namespace

void RecoveryWindow::wire()
{
    recoveryWindow()->setVisible(false);
    question()->setVisible(false);
    onWindowEvent("kurtarAc", CEGUI::PushButton::EventClicked, [this] { openChosen(); });
    onWindowEvent("kurtarSil", CEGUI::PushButton::EventClicked, [this] { askToRemoveChosen(); });
    onWindowEvent("kurtarSonra", CEGUI::PushButton::EventClicked, [this] { later(); });
    onWindowEvent("kurtarWindow", CEGUI::FrameWindow::EventCloseClicked, [this] { later(); });
    onWindowEvent("kurtarSilEvet", CEGUI::PushButton::EventClicked, [this] { removeChosen(); });
    onWindowEvent("kurtarSilVazgec", CEGUI::PushButton::EventClicked, [this] { closeQuestion(); });
    onWindowEvent("kurtarSilSorWindow", CEGUI::FrameWindow::EventCloseClicked, [this] { closeQuestion(); });
    onWindowEvent("kurtarListe", CEGUI::Listbox::EventSelectionChanged, [this] { enableButtons(); });
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
    keys.hold();
    holdingKeys = true;
}

bool RecoveryWindow::isOpen() const { return recoveryWindow()->isVisible(); }

bool RecoveryWindow::handleKey(const input::KeyEvent& key)
{
    if (!isOpen())
        return false;
    if (key.getKey() == input::KC_ESCAPE) {
        if (question()->isVisible())
            closeQuestion();
        else
            later();
    }
    return true;
}

void RecoveryWindow::openChosen()
{
    const std::optional<std::size_t> row = chosenRow();
    if (!row || !files[*row].itemCount || question()->isVisible())
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
        showModal(question());
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
    if (isOpen() && !question()->isVisible())
        close();
}

void RecoveryWindow::showRows(std::size_t chosen)
{
    CEGUI::Listbox* rows = list();
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
    getWindow("kurtarAc")->setEnabled(row && files[*row].itemCount);
    getWindow("kurtarSil")->setEnabled(row.has_value());
}

std::optional<std::size_t> RecoveryWindow::chosenRow() const
{
    CEGUI::Listbox* rows = list();
    CEGUI::ListboxItem* chosen = rows->getFirstSelectedItem();
    if (!chosen)
        return std::nullopt;
    const std::size_t index = rows->getItemIndex(chosen);
    return index < files.size() ? std::optional<std::size_t>(index) : std::nullopt;
}

void RecoveryWindow::closeQuestion()
{
    if (!question()->isVisible())
        return;
    question()->setModalState(false);
    question()->setVisible(false);
    if (isOpen())
        recoveryWindow()->setModalState(true);
}

// Whatever is still listed stays for the next start.
void RecoveryWindow::close()
{
    for (const RecoveryFile& file : files)
        folder->release(file);
    files.clear();
    list()->resetList();
    closeQuestion();
    recoveryWindow()->setModalState(false);
    recoveryWindow()->setVisible(false);
    if (std::exchange(holdingKeys, false))
        keys.release();
    if (std::function<void()> then = std::exchange(next, nullptr))
        then();
}
