#include "app/EditorKeys.h"

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

// Keys named in words: the words are translated.
Row words(const char* keys, const char* action) { return {tr(keys), tr(action)}; }
Row chord(const KeyChord& chord, const char* action) { return {chordName(chord), tr(action)}; }

// The camera (CameraControls, the listener's drags and wheel) and the display's keys (BaseFrameListener).
void addCameraAndDisplay(std::vector<Row>& rows)
{
    using namespace input;
    rows.push_back(words("W, Yukari ok", "Kamera ileri gider"));
    rows.push_back(words("S, Asagi ok", "Kamera geri gider"));
    rows.push_back(words("A, D", "Kamera sola, saga kayar"));
    rows.push_back(words("Sol ok, Sag ok", "Kamera sola, saga doner"));
    rows.push_back(words("Shift+Yukari ok, Asagi ok", "Kamera yukari, asagi egilir"));
    rows.push_back({chordName({KC_PGUP}) + ", " + chordName({KC_PGDOWN}), tr("Kamera yukari, asagi gider")});
    rows.push_back(words("Sag, orta tusla surukleme", "Kamera doner ve egilir"));
    rows.push_back(words("Fare tekerlegi", "Kamera baktigi yone gider"));
    rows.push_back(chord(GoToItem::goKey, "Kamera secilene (yoksa tumune) gider"));
    rows.push_back(chord({KC_F}, "Istatistikleri gizler"));
    rows.push_back(chord({KC_T}, "Doku suzmesini degistirir"));
    rows.push_back(chord({KC_R}, "Dolu, tel kafes ya da nokta cizim"));
    rows.push_back(chord({KC_P}, "Kamera konumunu gosterir, gizler"));
    rows.push_back(chord({KC_SYSRQ}, "Ekran goruntusu kaydeder"));
}

// The tools' clicks and keys (CameraView, EditingTools, Toolbox, EditCommands).
void addEditing(std::vector<Row>& rows)
{
    using namespace input;
    rows.push_back(words("Arac kutusunda tik", "Yerlestirmeye baslar"));
    rows.push_back(words("Arac kutusunda cift tik", "Birakilana kadar art arda yerlestirir"));
    rows.push_back(words("Gorunumde sol tik", "Ogeyi secer ya da yerlestirir"));
    rows.push_back(words("Bos yere sol tik", "Secilenleri oraya tasir"));
    rows.push_back(words("Shift+sol tik", "Ogeyi secime ekler ya da cikarir"));
    rows.push_back(words("Ctrl+surukleme", "Cercevedekileri secer (Shift ile ekler)"));
    rows.push_back(words("Gorunumde sag tik", "Yerlestirmeyi ya da secimi birakir"));
    rows.push_back(words("Q, E", "Dondurur (Shift ile ceyrek tur)"));
    rows.push_back(chord(EditCommands::deleteKey, "Secileni siler"));
    rows.push_back(chord({KC_ESCAPE}, "Yapilani birakir, yoksa cikmayi sorar"));
}

// The windows' keys.
void addWindows(std::vector<Row>& rows)
{
    rows.push_back(chord(MapWindow::toggleKey, "Haritayi gosterir ya da gizler"));
    rows.push_back(chord(ListWindow::toggleKey, "Oge listesini gosterir ya da gizler"));
    rows.push_back(chord(KeyListWindow::toggleKey, "Bu listeyi gosterir ya da gizler"));
    rows.push_back(chord(TestRunController::startKey, "Deneme baslatir"));
    rows.push_back(words("Denemede oklar, W, A, S, D", "Yurur ve doner"));
    rows.push_back(words("Denemede Esc", "Denemeyi bitirir"));
}

}  // namespace

std::vector<KeyListWindow::Row> editorKeyRows(const Shortcuts& shortcuts)
{
    std::vector<Row> rows;
    addCameraAndDisplay(rows);
    addEditing(rows);
    for (const Shortcuts::Binding& binding : shortcuts.bindings())
        rows.push_back(chord(binding.chord, binding.description));
    addWindows(rows);
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
