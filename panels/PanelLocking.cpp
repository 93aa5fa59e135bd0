#include "panels/Panels.h"

#include "app/BaseFrameListener.h"
#include "app/EditorApplication.h"
#include "app/WindowLookup.h"
#include "editor/EditorFrameListener.h"
#include "panels/EditorKeys.h"

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

void toggleKeyboardBuffering(BaseFrameListener& listener)
{
    listener.bufferedKeys = !listener.bufferedKeys;
    if (listener.inputReader)
        listener.inputReader->setBufferedInput(listener.bufferedKeys, listener.bufferedMouse);
}

void toggleEditorKeys(EditorApplication& app)
{
    if (EditorFrameListener* listener = app.editorListener())
        toggleKeyboardBuffering(*listener);
}
