#include "panels/DocumentController.h"

#include "document/Document.h"
#include "document/ScenarioFile.h"
#include "document/Translation.h"
#include "editing/EditingTools.h"
#include "editing/Selection.h"
#include "filedialog/CommonFileDialog.h"
#include "gui/EditorMode.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/MessageEditor.h"
#include "panels/PropertiesTab.h"

#include <CEGUI/CEGUI.h>

#include <filesystem>

namespace {

const char* const scenarioPattern = "*.zev";
const char* const allFilesLabel = N_("All files");
const char* const saveFilter =
    "ZEVO (*.zev)|*.zev|TXT (*.txt)|*.txt|Portable Network Graphics (*.png)|*.png|"
    "Truevision Targa (*.tga)|*.tga|";
const char* const suggestedName = "save.zev";
constexpr int openRequestId = 1;
constexpr int saveRequestId = 2;

const char* const messageFirst = N_("Once mesaji ekleyin ya da iptal edin; sonra dosya acin ya da kaydedin.");

// The camera view shows the live picture once there is a scenario to edit.
void showLiveCameraPicture()
{
    getWindow(mainnames::cameraPicture)->setProperty("Image", "cameraImageSet/cameraImage");
}

}  // namespace

DocumentController::DocumentController(Parts parts)
    : parts(std::move(parts)), guard(this->parts.document, this->parts.mode), caption(this->parts.document)
{
}

void DocumentController::wire()
{
    using namespace mainnames;
    onWindowEvent(openItem, CEGUI::PushButton::EventClicked, [this] { open(); });
    onWindowEvent(saveItem, CEGUI::PushButton::EventClicked, [this] { saveToFile(); });
    onWindowEvent(saveAsItem, CEGUI::PushButton::EventClicked, [this] { save(); });
    onWindowEvent(newItem, CEGUI::PushButton::EventClicked, [this] { newScenario(); });
    onWindowEvent(exitItem, CEGUI::PushButton::EventClicked, [this] { exit(); });
    onWindowEvent(deleteItem, CEGUI::PushButton::EventClicked, [this] { deleteSelected(); });
    onWindowEvent(undoItem, CEGUI::PushButton::EventClicked, [this] { undo(); });
    onWindowEvent(redoItem, CEGUI::PushButton::EventClicked, [this] { redo(); });
    onWindowEvent(mainFrame, CEGUI::FrameWindow::EventCloseClicked, [this] { exit(); });
    guard.wire([this](std::function<void()> saved) { saveThen(true, std::move(saved)); });
    caption.show();
}

void DocumentController::newScenario()
{
    if (!parts.mode.isOn(Activity::FileDialog))
        guard.proceed([this] { startNew(); });
}

void DocumentController::startNew()
{
    // A message being written belongs to an area that is about to go; what the
    // fields kept belongs to the old scenario.
    parts.messageEditor.reset();
    parts.selection.clear();
    parts.properties.hide();
    parts.tools.endPlacement();
    parts.document.replaceAll({}, "");
    parts.mode.startScenario();
    showLiveCameraPicture();
}

void DocumentController::open()
{
    if (!parts.mode.allowed().commands) {
        if (parts.mode.isOn(Activity::MessageEditor))
            showNotice(tr(messageFirst));
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
    if (!parts.mode.allowed().commands)
        return;
    const std::string problem = parts.document.undo();
    if (!problem.empty())
        showNotice(fill(tr("Geri alinamadi: %1"), {problem}));
}

void DocumentController::redo()
{
    if (!parts.mode.allowed().commands)
        return;
    const std::string problem = parts.document.redo();
    if (!problem.empty())
        showNotice(fill(tr("Yinelenemedi: %1"), {problem}));
}

void DocumentController::exit()
{
    if (!parts.mode.isOn(Activity::FileDialog))
        guard.proceed(parts.quit);
}

void DocumentController::openAtStart(const std::string& path)
{
    // A recovered document may be open by now: the guard asks first.
    guard.proceed([this, path] {
        startNew();
        openFile(path);
    });
}

bool DocumentController::openRecovered(const std::string& copy, const std::string& originalPath)
{
    startNew();
    if (!openFile(copy))
        return false;
    parts.document.markRecovered(originalPath);
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

CommonFileDialogRequest DocumentController::scenarioRequest(bool loading) const
{
    const std::filesystem::path file = parts.document.path();
    CommonFileDialogRequest request;
    request.requestId = loading ? openRequestId : saveRequestId;
    request.filter = loading ? "ZEVO (*.zev)|*.zev|" + std::string(tr(allFilesLabel)) + "|*.*|" : saveFilter;
    request.loadMode = loading;
    request.defaultPattern = scenarioPattern;
    if (!loading)
        request.defaultName = file.has_filename() ? file.filename().string() : suggestedName;
    request.startDirectory = file.parent_path().string();
    return request;
}

// Open and Save hand the editor to the dialog while it is open; a second click
// meanwhile changes nothing.
void DocumentController::showFileDialog(const CommonFileDialogRequest& request,
                                        std::function<void(const std::string& path)> accepted)
{
    if (!parts.mode.allowed().commands) {
        if (parts.mode.isOn(Activity::MessageEditor))
            showNotice(tr(messageFirst));
        return;
    }
    parts.mode.begin(Activity::FileDialog);
    parts.fileDialog.show(request, [this, accepted](const CommonFileDialogResult& result) {
        parts.mode.end(Activity::FileDialog);
        parts.mode.startScenario();
        if (result.state == CommonFileDialogResult::State::Accepted)
            accepted(result.path);
    });
}
