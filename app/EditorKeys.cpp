#include "app/EditorKeys.h"

#include "app/Editor.h"
#include "document/Translation.h"
#include "panels/EditCommands.h"
#include "panels/GoToItem.h"
#include "panels/ListWindow.h"
#include "panels/MainWindowNames.h"
#include "panels/MapWindow.h"
#include "panels/Shortcuts.h"
#include "panels/TestRunController.h"
#include "platform/input/InputEvents.h"

namespace {

using Row = KeyListWindow::Row;
using namespace input;

// A key or a mouse action named in words (translated), or a key by its name, and what it does.
struct Named {
    const char* keys;
    KeyChord chord;
    const char* action;
};

Row rowOf(const Named& named)
{
    return {named.keys ? tr(named.keys) : chordName(named.chord), tr(named.action)};
}

// The camera (CameraControls, the listener's drags and wheel, GoToItem) and the
// display's keys (BaseFrameListener).
const Named cameraAndDisplay[] = {
    {N_("W, Yukari ok"), {}, N_("Kamera ileri gider")},
    {N_("S, Asagi ok"), {}, N_("Kamera geri gider")},
    {N_("A, D"), {}, N_("Kamera sola, saga kayar")},
    {N_("Sol ok, Sag ok"), {}, N_("Kamera sola, saga doner")},
    {N_("Shift+Yukari ok, Asagi ok"), {}, N_("Kamera yukari, asagi egilir")},
    {N_("Page Up, Page Down"), {}, N_("Kamera yukari, asagi gider")},
    {N_("Sag, orta tusla surukleme"), {}, N_("Kamera doner ve egilir")},
    {N_("Fare tekerlegi"), {}, N_("Kamera baktigi yone gider")},
    {nullptr, GoToItem::goKey, N_("Kamera secilene (yoksa tumune) gider")},
    {nullptr, {KC_F}, N_("Istatistikleri gizler")},
    {nullptr, {KC_T}, N_("Doku suzmesini degistirir")},
    {nullptr, {KC_R}, N_("Dolu, tel kafes ya da nokta cizim")},
    {nullptr, {KC_P}, N_("Kamera konumunu gosterir, gizler")},
    {nullptr, {KC_SYSRQ}, N_("Ekran goruntusu kaydeder")},
    {nullptr, Editor::fullScreenChord, N_("Tam ekran yapar ya da pencereye dondurur")},
};

// The tools' clicks and keys (CameraView, EditingTools, Toolbox, EditCommands).
const Named editing[] = {
    {N_("Arac kutusunda tik"), {}, N_("Yerlestirmeye baslar")},
    {N_("Arac kutusunda cift tik"), {}, N_("Birakilana kadar art arda yerlestirir")},
    {N_("Gorunumde sol tik"), {}, N_("Ogeyi secer ya da yerlestirir")},
    {N_("Bos yere sol tik"), {}, N_("Secilenleri oraya tasir")},
    {N_("Shift+sol tik"), {}, N_("Ogeyi secime ekler ya da cikarir")},
    {N_("Ctrl+surukleme"), {}, N_("Cercevedekileri secer (Shift ile ekler)")},
    {N_("Gorunumde sag tik"), {}, N_("Yerlestirmeyi ya da secimi birakir")},
    {N_("Q, E"), {}, N_("Dondurur (Shift ile ceyrek tur)")},
    {nullptr, EditCommands::deleteKey, N_("Secileni siler")},
    {nullptr, Shortcuts::leaveKey, N_("Yapilani birakir, yoksa cikmayi sorar")},
};

// The windows' keys and the test run's.
const Named windows[] = {
    {nullptr, MapWindow::toggleKey, N_("Haritayi gosterir ya da gizler")},
    {nullptr, ListWindow::toggleKey, N_("Oge listesini gosterir ya da gizler")},
    {nullptr, KeyListWindow::toggleKey, N_("Bu listeyi gosterir ya da gizler")},
    {nullptr, TestRunController::startKey, N_("Deneme baslatir")},
    {N_("Denemede oklar, W, A, S, D"), {}, N_("Yurur ve doner")},
    {N_("Denemede Esc"), {}, N_("Denemeyi bitirir")},
};

template <std::size_t count>
void append(std::vector<Row>& rows, const Named (&named)[count])
{
    for (const Named& row : named)
        rows.push_back(rowOf(row));
}

}  // namespace

std::vector<KeyListWindow::Row> editorKeyRows(const Shortcuts& shortcuts)
{
    std::vector<Row> rows;
    append(rows, cameraAndDisplay);
    append(rows, editing);
    for (const Shortcuts::Binding& binding : shortcuts.bindings())
        rows.push_back({chordName(binding.chord), tr(binding.description)});
    append(rows, windows);
    return rows;
}

std::vector<MenuBar::ItemKey> menuItemKeys(const Shortcuts& shortcuts)
{
    using namespace mainnames;
    std::vector<MenuBar::ItemKey> keys;
    for (const Shortcuts::Binding& binding : shortcuts.bindings())
        if (binding.menuItem)
            keys.push_back({binding.menuItem, binding.chord});
    keys.push_back({exitItem, Shortcuts::leaveKey});
    keys.push_back({deleteItem, EditCommands::deleteKey});
    keys.push_back({testRunItem, TestRunController::startKey});
    keys.push_back({goToItem, GoToItem::goKey});
    keys.push_back({mapItem, MapWindow::toggleKey});
    keys.push_back({listItem, ListWindow::toggleKey});
    keys.push_back({keyListItem, KeyListWindow::toggleKey});
    return keys;
}
