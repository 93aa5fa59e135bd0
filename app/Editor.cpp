#include "app/Editor.h"

#include "app/EditorFrameListener.h"
#include "gui/Notice.h"
#include "scene/MeshLoading.h"

Editor::Editor(Ogre::SceneManager& sceneManager, Ogre::Camera& camera)
    : mirror(sceneManager, document), cursor(sceneManager), picker(sceneManager, camera, mirror),
      tools(EditingContext{document, selection, picker, cursor, showNotice}),
      documents(DocumentController::Parts{document, selection, tools, properties, messageEditor, keys,
                                          [this] {
                                              if (quit)
                                                  quit();
                                          }})
{
    document.setItemCheck([](const Item& item) { return meshLoadProblem(item.mesh); });
}

void Editor::wire()
{
    properties.layout();
    toolbox.loadCatalog();
    menuBar.wire();
    messageEditor.wire();
    cameraView.wire();
    documents.wire();
}

void Editor::connect(EditorFrameListener& listener)
{
    keys.connect([&listener](bool toWidgets) {
        if (listener.bufferedKeys != toWidgets)
            listener.toggleKeyboardBuffering();
    });
    quit = [&listener] { listener.quitRequested = true; };
    listener.hooks.frame = [this] { frame(); };
    listener.hooks.scenePress = [this](float x, float y, bool right) { cameraView.press({x, y}, right); };
    listener.hooks.key = [this](const input::KeyEvent& key, bool typing) { return documents.handleKey(key, typing); };
    listener.hooks.close = [this] { documents.exit(); };
}

void Editor::frame()
{
    properties.animate();
    menuBar.animate();
    cameraView.hover();
}
