#include "panels/Panels.h"

#include "gui/WindowLookup.h"

#include <CEGUI/CEGUI.h>

#include <initializer_list>

namespace {

void setEnabled(std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names)
        getWindow(name)->setEnabled(enabled);
}

}  // namespace

void closeMenuPopups()
{
    for (const char* name : {"dosyaPopup", "duzenlePopup", "gorunumPopup", "yardimPopup", "hakkindaicerik"})
        getWindow(name)->setVisible(false);
    getWindow("arackutusu")->activate();
}

void disableEditingPanels()
{
    setEnabled({"tabFrameWindow", "insanTab", "ozelTab", "ozelliklerTab", "cevreTab", "araclarTab",
                "yollarveisaretlerTab", "hakkindaicerik"},
               false);
}

void disableEditor()
{
    setEnabled({"TestWindowFrame", "windowFrame"}, false);
    disableEditingPanels();
    getWindow("mesajWindow")->setEnabled(false);
}

void enableEditor()
{
    setEnabled({"TestWindowFrame", "windowFrame", "tabFrameWindow", "insanTab", "ozelTab", "ozelliklerTab",
                "cevreTab", "araclarTab", "yollarveisaretlerTab", "hakkindaicerik", "mesajWindow"},
               true);
}

bool editingPanelsEnabled()
{
    return !getWindow("tabFrameWindow")->isDisabled() && !getWindow("windowFrame")->isDisabled();
}
