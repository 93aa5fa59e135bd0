#include "app/Editor.h"

#include "app/EditorFrameListener.h"
#include "gui/Notice.h"
#include "gui/WindowLookup.h"
#include "platform/host/LinuxDirectoryHost.h"
#include "scene/MeshLoading.h"
#include "scene/terrain/TerrainSceneManager.h"

#include <CEGUI/Window.h>

Editor::Editor(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const std::string& fileDialogStart)
    : mirror(sceneManager, document), cursor(sceneManager), picker(sceneManager, camera, mirror),
      tools(EditingContext{document, selection, picker, cursor, showNotice}),
      fileDialog(std::make_unique<host::LinuxDirectoryHost>(), fileDialogStart),
      documents(DocumentController::Parts{document, selection, tools, properties, messageEditor, keys, fileDialog,
                                          [this] {
                                              if (quit)
                                                  quit();
                                          }}),
      testRun(TestRunController::Parts{document, selection, mirror, cursor, cameraView, documents, camera,
                                       [&sceneManager](float x, float z) -> std::optional<float> {
                                           auto* terrain = dynamic_cast<TerrainSceneManager*>(&sceneManager);
                                           return terrain ? terrain->getHeightAt(x, z) : std::nullopt;
                                       }})
{
    document.setItemCheck([](const Item& item) { return meshLoadProblem(item.mesh); });
}

void Editor::wire()
{
    getWindow("DemoLayout")->addChild(fileDialog.getRootWindow());
    properties.layout();
    properties.wire();
    toolbox.loadCatalog();
    menuBar.wire();
    messageEditor.wire();
    cameraView.wire();
    documents.wire();
    edits.wire();
    testRun.wire();
}

void Editor::connect(EditorFrameListener& listener)
{
    keys.connect([&listener](bool toWidgets) {
        if (listener.bufferedKeys != toWidgets)
            listener.toggleKeyboardBuffering();
    });
    quit = [&listener] { listener.quitRequested = true; };
    listener.hooks.frame = [this, &listener] { frame(listener.frameSeconds); };
    listener.hooks.scenePress = [this](float x, float y, bool right) { cameraView.press({x, y}, right); };
    listener.hooks.key = [this](const input::KeyEvent& key, bool typing) {
        return testRun.handleKey(key, typing) || edits.handleKey(key, typing) || documents.handleKey(key, typing);
    };
    listener.hooks.close = [this] {
        // A run ends before the editor may ask to save.
        testRun.finish();
        documents.exit();
    };
    cameraView.setPointer([&listener] { return listener.buttonModifiers; },
                          [&listener] { return listener.inputReader->getMouseButton(0); });
    testRun.setKeyState([&listener](input::KeyCode key) { return listener.inputReader->isKeyDown(key); });
    testRun.setRunningChanged([&listener](bool running) { listener.freeCamera = !running; });
}

void Editor::frame(float seconds)
{
    properties.animate();
    menuBar.animate();
    if (testRun.running())
        testRun.frame(seconds);
    else
        cameraView.hover();
}
