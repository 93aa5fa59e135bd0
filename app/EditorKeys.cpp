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
    {"W, Yukari ok", {}, "Kamera ileri gider"},
    {"S, Asagi ok", {}, "Kamera geri gider"},
    {"A, D", {}, "Kamera sola, saga kayar"},
    {"Sol ok, Sag ok", {}, "Kamera sola, saga doner"},
    {"Shift+Yukari ok, Asagi ok", {}, "Kamera yukari, asagi egilir"},
    {"Page Up, Page Down", {}, "Kamera yukari, asagi gider"},
    {"Sag, orta tusla surukleme", {}, "Kamera doner ve egilir"},
    {"Fare tekerlegi", {}, "Kamera baktigi yone gider"},
    {nullptr, GoToItem::goKey, "Kamera secilene (yoksa tumune) gider"},
    {nullptr, {KC_F}, "Istatistikleri gizler"},
    {nullptr, {KC_T}, "Doku suzmesini degistirir"},
    {nullptr, {KC_R}, "Dolu, tel kafes ya da nokta cizim"},
    {nullptr, {KC_P}, "Kamera konumunu gosterir, gizler"},
    {nullptr, {KC_SYSRQ}, "Ekran goruntusu kaydeder"},
    {nullptr, Editor::fullScreenChord, "Tam ekran yapar ya da pencereye dondurur"},
};

// The tools' clicks and keys (CameraView, EditingTools, Toolbox, EditCommands).
const Named editing[] = {
    {"Arac kutusunda tik", {}, "Yerlestirmeye baslar"},
    {"Arac kutusunda cift tik", {}, "Birakilana kadar art arda yerlestirir"},
    {"Gorunumde sol tik", {}, "Ogeyi secer ya da yerlestirir"},
    {"Bos yere sol tik", {}, "Secilenleri oraya tasir"},
    {"Shift+sol tik", {}, "Ogeyi secime ekler ya da cikarir"},
    {"Ctrl+surukleme", {}, "Cercevedekileri secer (Shift ile ekler)"},
    {"Gorunumde sag tik", {}, "Yerlestirmeyi ya da secimi birakir"},
    {"Q, E", {}, "Dondurur (Shift ile ceyrek tur)"},
    {nullptr, EditCommands::deleteKey, "Secileni siler"},
    {nullptr, Shortcuts::leaveKey, "Yapilani birakir, yoksa cikmayi sorar"},
};

// The windows' keys and the test run's.
const Named windows[] = {
    {nullptr, MapWindow::toggleKey, "Haritayi gosterir ya da gizler"},
    {nullptr, ListWindow::toggleKey, "Oge listesini gosterir ya da gizler"},
    {nullptr, KeyListWindow::toggleKey, "Bu listeyi gosterir ya da gizler"},
    {nullptr, TestRunController::startKey, "Deneme baslatir"},
    {"Denemede oklar, W, A, S, D", {}, "Yurur ve doner"},
    {"Denemede Esc", {}, "Denemeyi bitirir"},
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
