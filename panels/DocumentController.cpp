#include "panels/DocumentController.h"

#include "document/Document.h"
#include "document/ScenarioFile.h"
#include "editing/EditingTools.h"
#include "editing/Selection.h"
#include "filedialog/CommonFileDialog.h"
#include "gui/KeyboardSwitch.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/MessageEditor.h"
#include "panels/Panels.h"
#include "panels/PropertiesTab.h"

#include <CEGUI/CEGUI.h>

#include <filesystem>

namespace {

const char* const scenarioPattern = "*.zev";
const char* const openFilter = "ZEVO (*.zev)|*.zev|All files|*.*|";
const char* const saveFilter =
    "ZEVO (*.zev)|*.zev|TXT (*.txt)|*.txt|Portable Network Graphics (*.png)|*.png|"
    "Truevision Targa (*.tga)|*.tga|";
const char* const suggestedName = "save.zev";
constexpr int openRequestId = 1;
constexpr int saveRequestId = 2;

// The camera view shows the live picture once there is a scenario to edit.
void showLiveCameraPicture() { getWindow("frameImage")->setProperty("Image", "cameraImageSet/cameraImage"); }

}  // namespace

DocumentController::DocumentController(Parts parts)
    : parts(std::move(parts)), guard(this->parts.document, this->parts.keys), caption(this->parts.document)
{
}

void DocumentController::wire()
{
    onWindowEvent("acPopupItem", CEGUI::PushButton::EventClicked, [this] { open(); });
    onWindowEvent("kaydetPopupItem", CEGUI::PushButton::EventClicked, [this] { save(); });
    onWindowEvent("yeniPopupItem", CEGUI::PushButton::EventClicked, [this] { newScenario(); });
    onWindowEvent("cikisPopupItem", CEGUI::PushButton::EventClicked, [this] { exit(); });
    onWindowEvent("silPopupItem", CEGUI::PushButton::EventClicked, [this] { deleteSelected(); });
    onWindowEvent("geriAlPopupItem", CEGUI::PushButton::EventClicked, [this] { undo(); });
    onWindowEvent("yinelePopupItem", CEGUI::PushButton::EventClicked, [this] { redo(); });
    onWindowEvent("TestWindowFrame", CEGUI::FrameWindow::EventCloseClicked, [this] { exit(); });
    guard.wire([this](std::function<void()> saved) { saveThen(true, std::move(saved)); });
    caption.show();
}

bool DocumentController::busy() const { return dialogOpen || parts.messageEditor.isOpen() || guard.isOpen(); }

void DocumentController::newScenario()
{
    if (!dialogOpen)
        guard.proceed([this] { startNew(); });
}

void DocumentController::startNew()
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
    if (busy()) {
        if (parts.messageEditor.isOpen())
            showNotice("Once mesaji ekleyin ya da iptal edin; sonra dosya acin ya da kaydedin.");
        return;
    }
    guard.proceed([this] {
        showFileDialog(scenarioRequest(true), [this](const std::string& path) { openFile(path); });
    });
}

void DocumentController::save() { saveThen(false, [] {}); }

void DocumentController::saveToFile() { saveThen(true, [] {}); }

void DocumentController::saveThen(bool toOwnFile, std::function<void()> saved)
{
    const std::string& path = parts.document.path();
    if (toOwnFile && !path.empty()) {
        if (saveFile(path))
            saved();
        return;
    }
    showFileDialog(scenarioRequest(false), [this, saved = std::move(saved)](const std::string& chosen) {
        if (saveFile(chosen))
            saved();
    });
}

bool DocumentController::deleteSelected()
{
    if (parts.selection.empty())
        return false;
    parts.tools.deleteSelected();
    return true;
}

void DocumentController::undo()
{
    if (busy())
        return;
    const std::string problem = parts.document.undo();
    if (!problem.empty())
        showNotice("Geri alinamadi: " + problem);
}

void DocumentController::redo()
{
    if (busy())
        return;
    const std::string problem = parts.document.redo();
    if (!problem.empty())
        showNotice("Yinelenemedi: " + problem);
}

void DocumentController::exit()
{
    if (!dialogOpen)
        guard.proceed(parts.quit);
}

void DocumentController::openAtStart(const std::string& path)
{
    startNew();
    openFile(path);
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

CommonFileDialogRequest DocumentController::scenarioRequest(bool loading) const
{
    const std::filesystem::path file = parts.document.path();
    CommonFileDialogRequest request;
    request.requestId = loading ? openRequestId : saveRequestId;
    request.filter = loading ? openFilter : saveFilter;
    request.loadMode = loading;
    request.defaultPattern = scenarioPattern;
    if (!loading)
        request.defaultName = file.has_filename() ? file.filename().string() : suggestedName;
    request.startDirectory = file.parent_path().string();
    return request;
}

// Open and Save lock the editor and hand the keys to the dialog while it is
// open; a second click meanwhile changes nothing.
void DocumentController::showFileDialog(const CommonFileDialogRequest& request,
                                        std::function<void(const std::string& path)> accepted)
{
    if (busy()) {
        if (parts.messageEditor.isOpen())
            showNotice("Once mesaji ekleyin ya da iptal edin; sonra dosya acin ya da kaydedin.");
        return;
    }
    dialogOpen = true;
    disableEditor();
    parts.keys.hold();
    parts.fileDialog.show(request, [this, accepted](const CommonFileDialogResult& result) {
        dialogOpen = false;
        enableEditor();
        parts.keys.release();
        if (result.state == CommonFileDialogResult::State::Accepted)
            accepted(result.path);
    });
}
