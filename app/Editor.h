#pragma once

#include "document/Document.h"
#include "editing/EditingTools.h"
#include "editing/Selection.h"
#include "editing/SelectionHighlight.h"
#include "filedialog/CommonFileDialog.h"
#include "gui/KeyboardSwitch.h"
#include "panels/CameraView.h"
#include "panels/DocumentController.h"
#include "panels/EditCommands.h"
#include "panels/MenuBar.h"
#include "panels/MessageEditor.h"
#include "panels/PropertiesTab.h"
#include "panels/TestRunController.h"
#include "panels/Toolbox.h"
#include "platform/sdl/SdlClipboard.h"
#include "scene/CursorPreview.h"
#include "scene/SceneMirror.h"
#include "scene/ScenePicker.h"

namespace Ogre {
class Camera;
class SceneManager;
}
class EditorFrameListener;

// The editor's pieces over one scene, connected: the document with its mirror
// in the scene, the selection and the editing tools, and the panels that show
// them and turn the user's clicks into edits.
class Editor {
public:
    // The file dialog first shows fileDialogStart (empty: the working directory).
    Editor(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const std::string& fileDialogStart = {});
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Adds the file dialog to the loaded layout, connects the widgets and lays the panels out.
    void wire();
    // Connects the input listener: its keys, its frames and the quit request.
    void connect(EditorFrameListener& listener);
    // Once a frame of seconds: the slides and the cursor object, or the test run's walk.
    void frame(float seconds);

    Document document;
    Selection selection{document};
    SceneMirror mirror;
    CursorPreview cursor;
    ScenePicker picker;
    SelectionHighlight highlight{selection, mirror};
    EditingTools tools;
    KeyboardSwitch keys;
    PropertiesTab properties{document, selection, mirror, tools, keys};
    MenuBar menuBar;
    Toolbox toolbox{tools};
    MessageEditor messageEditor{document, selection, keys};
    CameraView cameraView{tools};
    CommonFileDialog fileDialog;
    DocumentController documents;
    platform::SdlClipboard clipboard;
    EditCommands edits{EditCommands::Parts{tools, cameraView, clipboard, [this] { return documents.busy(); }}};
    TestRunController testRun;

private:
    std::function<void()> quit;
};
