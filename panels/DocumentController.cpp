#include "panels/DocumentController.h"

#include "document/Document.h"
#include "document/ScenarioFile.h"
#include "editing/EditingTools.h"
#include "editing/Selection.h"
#include "filedialog/CommonFileDialog.h"
#include "gui/GuiText.h"
#include "gui/KeyboardSwitch.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/MessageEditor.h"
#include "panels/Panels.h"
#include "panels/PropertiesTab.h"

#include <CEGUI/CEGUI.h>

namespace {

const char* const scenarioPattern = "*.zev";
const char* const openFilter = "ZEVO (*.zev)|*.zev|All files|*.*|";
const char* const saveFilter =
    "ZEVO (*.zev)|*.zev|TXT (*.txt)|*.txt|Portable Network Graphics (*.png)|*.png|"
    "Truevision Targa (*.tga)|*.tga|";

// The camera view shows the live picture once there is a scenario to edit.
void showLiveCameraPicture() { getWindow("frameImage")->setProperty("Image", "cameraImageSet/cameraImage"); }

}  // namespace

void DocumentController::wire()
{
    const auto on = [this](const char* name, const CEGUI::String& event, std::function<void()> action) {
        subscribeWindow(name, event, [action = std::move(action)](const CEGUI::EventArgs&) {
            action();
            return true;
        });
    };
    on("acPopupItem", CEGUI::PushButton::EventClicked, [this] { open(); });
    on("kaydetPopupItem", CEGUI::PushButton::EventClicked, [this] { save(); });
    on("yeniPopupItem", CEGUI::PushButton::EventClicked, [this] { newScenario(); });
    on("cikisPopupItem", CEGUI::PushButton::EventClicked, [this] { exit(); });
    on("silPopupItem", CEGUI::PushButton::EventClicked, [this] { deleteSelected(); });
    on("TestWindowFrame", CEGUI::FrameWindow::EventCloseClicked, [this] { exit(); });
}

void DocumentController::newScenario()
{
    // A message being written belongs to an area that is about to go.
    parts.messageEditor.cancel();
    parts.selection.clear();
    parts.properties.hide();
    parts.tools.endPlacement();
    parts.document.replaceAll({}, "");
    enableEditor();
    showLiveCameraPicture();
}

void DocumentController::open()
{
    CommonFileDialogRequest request;
    request.setRequestId(1);
    request.setFilter(openFilter);
    request.setLoadMode(true);
    request.setDefaultPattern(scenarioPattern);
    showFileDialog(request, [this](const std::string& path) { openFile(path); });
}

void DocumentController::save()
{
    CommonFileDialogRequest request;
    request.setRequestId(2);
    request.setFilter(saveFilter);
    request.setLoadMode(false);
    request.setDefaultPattern(scenarioPattern);
    request.setDefaultName("save.zev");
    showFileDialog(request, [this](const std::string& path) { saveFile(path); });
}

bool DocumentController::deleteSelected()
{
    if (!parts.selection.selected())
        return false;
    parts.tools.deleteSelected();
    return true;
}

bool DocumentController::openFile(const std::string& path)
{
    const std::string problem = openScenario(parts.document, path);
    if (!problem.empty()) {
        showNotice(problem);
        return false;
    }
    showLiveCameraPicture();
    return true;
}

bool DocumentController::saveFile(const std::string& path)
{
    const std::string problem = saveScenario(parts.document, path);
    if (!problem.empty())
        showNotice(problem);
    return problem.empty();
}

// Open and Save lock the editor and hand the keys to the dialog while it is
// open; a second click meanwhile changes nothing.
void DocumentController::showFileDialog(const CommonFileDialogRequest& request,
                                        std::function<void(const std::string& path)> accepted)
{
    if (dialogOpen)
        return;
    if (parts.messageEditor.isOpen()) {
        showNotice("Once mesaji ekleyin ya da iptal edin; sonra dosya acin ya da kaydedin.");
        return;
    }
    dialogOpen = true;
    disableEditor();
    parts.keys();
    CommonFileDialog::getSingleton()->show(request, [this, accepted](const CommonFileDialogResult& result) {
        dialogOpen = false;
        enableEditor();
        parts.keys();
        if (result.getState() == CommonFileDialogResult::Accepted)
            accepted(toUtf8(result.getPath()));
    });
}
