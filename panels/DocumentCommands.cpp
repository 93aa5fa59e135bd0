#include "app/EditorApplication.h"
#include "app/Notice.h"
#include "app/WindowLookup.h"
#include "editor/EditorFrameListener.h"
#include "editor/Selection.h"
#include "filedialog/CommonFileDialog.h"
#include "filedialog/GuiText.h"
#include "panels/EditorKeys.h"
#include "panels/Panels.h"

#include <CEGUI/CEGUI.h>

namespace {

constexpr int openRequest = 1;
constexpr int saveRequest = 2;

const char* const scenarioPattern = "*.zev";
const char* const openFilter = "ZEVO (*.zev)|*.zev|All files|*.*|";
const char* const saveFilter =
    "ZEVO (*.zev)|*.zev|TXT (*.txt)|*.txt|Portable Network Graphics (*.png)|*.png|"
    "Truevision Targa (*.tga)|*.tga|";

// Open and Save lock the editor and hand the keys to the dialog while it is
// open; a second click meanwhile changes nothing.
bool showFileDialog(EditorApplication& app, const CommonFileDialogRequest& request)
{
    PanelState& panels = app.session.panels;
    if (panels.fileDialogOpen)
        return true;
    if (getWindow("mesajWindow")->isVisible()) {
        showNotice("Once mesaji ekleyin ya da iptal edin; sonra dosya acin ya da kaydedin.");
        return true;
    }
    panels.fileDialogOpen = true;
    disableEditor();
    toggleEditorKeys(app);
    CommonFileDialog::getSingleton()->show(request);
    return true;
}

}  // namespace

bool EditorApplication::onNewClicked(const CEGUI::EventArgs& args)
{
    // A message being written belongs to an area that is about to go.
    onCancelMessageClicked(args);
    clearSelection(session);
    if (session.panels.propertiesTabShown == 1) {
        session.panels.propertiesTabShown = 0;
        session.panels.propertiesTabSlideOut = 1;
    }
    if (EditorFrameListener* listener = editorListener()) {
        listener->removePreview();
        listener->clickStep = 0;
    }
    session.editing.placementMode = None;
    session.registry.clearAll();
    enableEditor();
    getWindow("frameImage")->setProperty("Image", "cameraImageSet/cameraImage");
    return true;
}

bool EditorApplication::onOpenClicked(const CEGUI::EventArgs&)
{
    CommonFileDialogRequest request;
    request.setRequestId(openRequest);
    request.setFilter(openFilter);
    request.setLoadMode(true);
    request.setDefaultPattern(scenarioPattern);
    return showFileDialog(*this, request);
}

bool EditorApplication::onSaveClicked(const CEGUI::EventArgs&)
{
    CommonFileDialogRequest request;
    request.setRequestId(saveRequest);
    request.setFilter(saveFilter);
    request.setLoadMode(false);
    request.setDefaultPattern(scenarioPattern);
    request.setDefaultName("save.zev");
    return showFileDialog(*this, request);
}

bool EditorApplication::onFileDialogHidden(const CEGUI::EventArgs&)
{
    if (!session.panels.fileDialogOpen)
        return true;
    session.panels.fileDialogOpen = false;
    enableEditor();
    toggleEditorKeys(*this);
    const CommonFileDialogResult result = CommonFileDialog::getSingleton()->getResult();
    if (result.getState() != CommonFileDialogResult::Accepted)
        return true;
    const std::string path = toUtf8(result.getPath());
    if (result.getRequestId() == openRequest)
        loadScenario(path);
    else if (result.getRequestId() == saveRequest)
        saveScenario(path);
    return true;
}
