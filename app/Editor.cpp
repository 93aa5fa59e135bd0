#include "app/Editor.h"

#include "app/CameraControls.h"
#include "app/EditorKeys.h"
#include "app/EditorFrameListener.h"
#include "gui/Notice.h"
#include "gui/WidgetKeys.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"
#include "panels/PanelLocking.h"
#include "platform/host/EndRequest.h"
#include "platform/host/LinuxDirectoryHost.h"
#include "scene/MeshLoading.h"
#include "scene/terrain/Heightfield.h"
#include "scene/terrain/TerrainSceneManager.h"

#include <CEGUI/Window.h>

namespace {

// The ground of the scene's terrain, when it has one.
std::function<std::optional<GroundBox>()> terrainBox(const Ogre::SceneManager& sceneManager)
{
    return [&sceneManager]() -> std::optional<GroundBox> {
        const Heightfield* ground = groundOf(sceneManager);
        if (!ground)
            return std::nullopt;
        return centredTerrain(ground->worldX(), ground->worldZ());
    };
}

}  // namespace

Editor::Parts::Parts(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const std::string& fileDialogStart,
                     std::function<void()> quit)
    : mirror(sceneManager, document), cursor(sceneManager), picker(sceneManager, camera, mirror),
      tools(EditingContext{document, selection, picker, cursor, showNotice}),
      fileDialog(std::make_unique<host::LinuxDirectoryHost>(), fileDialogStart),
      documents(DocumentController::Parts{document, selection, tools, properties, messageEditor, mode, fileDialog,
                                          std::move(quit)}),
      testRun(TestRunController::Parts{document, selection, mirror, cursor, mode, camera,
                                       [&sceneManager](float x, float z) -> std::optional<float> {
                                           const TerrainSceneManager* terrain = terrainOf(sceneManager);
                                           return terrain ? terrain->getHeightAt(x, z) : std::nullopt;
                                       }}),
      goTo(GoToItem::Parts{document, selection, mode, camera, sceneManager}),
      check(document, goTo, terrainBox(sceneManager)),
      map(document, selection, goTo, camera, terrainBox(sceneManager)),
      keyList([this] { return editorKeyRows(shortcuts); })
{
    document.setItemCheck([](const Item& item) { return meshLoadProblem(item.mesh); });
    tools.onPlacingChanged([this](Placing placing) { mode.setPlacing(placing != Placing::Nothing); });
}

Editor::Editor(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const std::string& fileDialogStart)
    : parts(sceneManager, camera, fileDialogStart, [this] { quit(); })
{
}

void Editor::wire()
{
    getWindow(mainnames::root)->addChild(parts.fileDialog.getRootWindow());
    parts.properties.layout();
    parts.properties.wire();
    parts.toolbox.loadCatalog();
    parts.menuBar.wire();
    parts.menuBar.showKeys(menuItemKeys(parts.shortcuts));
    parts.messageEditor.wire();
    parts.cameraView.wire();
    parts.documents.wire();
    parts.edits.wire();
    parts.testRun.wire();
    parts.goTo.wire();
    parts.check.wire();
    parts.list.wire();
    parts.map.wire();
    parts.keyList.wire();
    parts.recovery.wire();
    parts.languageChoice.wire();
    lockPanelsByMode(parts.mode);
}

void Editor::connect(EditorFrameListener& frameListener)
{
    listener = &frameListener;
    frameListener.follow(parts.mode);
    frameListener.setHooks(EditorFrameListener::Hooks{
        [this](float seconds) { frame(seconds); },
        [this](float x, float y, bool right) { parts.cameraView.press({x, y}, right); },
        [this](const input::KeyEvent& key) { return offerKey(key); },
        [this] {
            // A run ends before the editor may ask to save.
            parts.testRun.finish();
            parts.documents.exit();
        },
        [this] { return parts.cameraView.underPointer(); }});
    parts.cameraView.setPointer([&frameListener] { return frameListener.buttonModifiers(); },
                                [&frameListener] { return frameListener.input().getMouseButton(0); });
    parts.testRun.setKeyState([&frameListener](input::KeyCode key) { return frameListener.input().isKeyDown(key); });
}

// The system asks the editor to end: it ends at once, its unsaved work kept
// as a recovery copy that the next start offers. Only when no copy can be
// kept does it ask, as closing the window does.
void Editor::endOnRequest()
{
    parts.testRun.finish();
    if (parts.recovery.keepForNextStart())
        quit();
    else
        parts.documents.exit();
}

void Editor::quit()
{
    if (listener)
        listener->requestQuit();
}

// The order in which a key is offered, each step as far as the mode allows it:
// F11 first; a modal window takes every other key; a widget that has the keys
// gets them typed (commands go on); a test run takes every key; then the menus'
// chords, the key list's keys (Escape closes it first), the tools' keys, the
// overview windows' keys, the camera's keys (Home going to the selection), and
// last Escape asking to end the editor.
bool Editor::offerKey(const input::KeyEvent& key)
{
    if (fullScreenChord.matches(key) && fullScreenKey) {
        fullScreenKey();
        return true;
    }
    const Allowed allowed = parts.mode.allowed();
    return parts.recovery.handleKey(key)
        || parts.documents.unsavedChangesGuard().handleKey(key)
        || (allowed.widgetKeys && typeIntoWidgets(key))
        || parts.testRun.handleKey(key)
        || (allowed.shortcuts && parts.shortcuts.handleChord(key))
        || (allowed.shortcuts && parts.keyList.handleKey(key))
        || (allowed.toolKeys && parts.edits.handleToolKey(key))
        || (allowed.shortcuts && (parts.list.handleKey(key) || parts.map.handleKey(key)))
        || (allowed.cameraKeys && (parts.goTo.handleKey(key) || CameraControls::isCameraKey(key)))
        || (allowed.shortcuts && parts.shortcuts.leaveOnEscape(key));
}

void Editor::frame(float seconds)
{
    if (platform::takeEndRequest())
        endOnRequest();
    parts.properties.animate();
    parts.menuBar.animate();
    parts.cameraView.frame();
    parts.check.frame();
    parts.list.frame();
    parts.map.frame();
    parts.recovery.frame();
    if (parts.testRun.running())
        parts.testRun.frame(seconds);
}
