#pragma once

#include "app/EditorRecovery.h"
#include "document/Document.h"
#include "editing/EditingTools.h"
#include "editing/Selection.h"
#include "editing/SelectionHighlight.h"
#include "filedialog/CommonFileDialog.h"
#include "gui/EditorMode.h"
#include "panels/CameraView.h"
#include "panels/CheckWindow.h"
#include "panels/DocumentController.h"
#include "panels/EditCommands.h"
#include "panels/GoToItem.h"
#include "panels/KeyChord.h"
#include "panels/KeyListWindow.h"
#include "panels/LanguageChoice.h"
#include "panels/ListWindow.h"
#include "panels/MapWindow.h"
#include "panels/MenuBar.h"
#include "panels/MessageEditor.h"
#include "panels/PropertiesTab.h"
#include "panels/Shortcuts.h"
#include "panels/TestRunController.h"
#include "panels/Toolbox.h"
#include "platform/sdl/SdlClipboard.h"
#include "scene/CursorPreview.h"
#include "scene/SceneMirror.h"
#include "scene/ScenePicker.h"

#include <string>

namespace Ogre {
class Camera;
class SceneManager;
}
class EditorFrameListener;

// The editor's pieces over one scene, connected: the document with its mirror
// in the scene, the selection and the editing tools, the mode that says what the
// editor is doing, and the panels that show them and turn the user's clicks and
// keys into edits.
class Editor {
public:
    // The file dialog first shows fileDialogStart (empty: the working directory).
    Editor(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const std::string& fileDialogStart = {});
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Adds the file dialog to the loaded layout, connects the widgets, lays the
    // panels out and locks them as the mode says (no scenario yet).
    void wire();
    // Connects the input listener: its keys, its frames and the quit request.
    void connect(EditorFrameListener& listener);
    // Once a frame of seconds: the slides, the camera view, and the test run's walk.
    void frame(float seconds);
    // A key press, offered to the editor's handlers in turn until one takes it;
    // true when one did.
    bool offerKey(const input::KeyEvent& key);
    // What F11 does, whatever else is going on: the window to full screen and back.
    static constexpr KeyChord fullScreenChord{input::KC_F11};
    void onFullScreenKey(std::function<void()> toggle) { fullScreenKey = std::move(toggle); }

    // The pieces, for the application's start and for tests.
    EditorMode& mode() { return parts.mode; }
    Document& document() { return parts.document; }
    Selection& selection() { return parts.selection; }
    SceneMirror& mirror() { return parts.mirror; }
    CursorPreview& cursor() { return parts.cursor; }
    ScenePicker& picker() { return parts.picker; }
    EditingTools& tools() { return parts.tools; }
    PropertiesTab& properties() { return parts.properties; }
    MenuBar& menuBar() { return parts.menuBar; }
    MessageEditor& messageEditor() { return parts.messageEditor; }
    CameraView& cameraView() { return parts.cameraView; }
    CommonFileDialog& fileDialog() { return parts.fileDialog; }
    DocumentController& documents() { return parts.documents; }
    platform::SdlClipboard& clipboard() { return parts.clipboard; }
    EditCommands& edits() { return parts.edits; }
    TestRunController& testRun() { return parts.testRun; }
    GoToItem& goTo() { return parts.goTo; }
    CheckWindow& check() { return parts.check; }
    ListWindow& list() { return parts.list; }
    MapWindow& map() { return parts.map; }
    KeyListWindow& keyList() { return parts.keyList; }
    const Shortcuts& shortcuts() const { return parts.shortcuts; }
    EditorRecovery& recovery() { return parts.recovery; }
    LanguageChoice& languageChoice() { return parts.languageChoice; }

private:
    struct Parts {
        Parts(Ogre::SceneManager& sceneManager, Ogre::Camera& camera, const std::string& fileDialogStart,
              std::function<void()> quit);

        EditorMode mode;
        Document document;
        Selection selection{document};
        SceneMirror mirror;
        CursorPreview cursor;
        ScenePicker picker;
        SelectionHighlight highlight{selection, mirror};
        EditingTools tools;
        PropertiesTab properties{document, selection, mirror, tools, mode};
        CameraView cameraView{tools, mode};
        MenuBar menuBar{cameraView, mode};
        Toolbox toolbox{tools};
        MessageEditor messageEditor{document, selection, mode};
        CommonFileDialog fileDialog;
        DocumentController documents;
        platform::SdlClipboard clipboard;
        EditCommands edits{EditCommands::Parts{tools, cameraView, clipboard, mode}};
        Shortcuts shortcuts{documents, edits};
        TestRunController testRun;
        GoToItem goTo;
        CheckWindow check;
        ListWindow list{document, selection, mode, goTo};
        MapWindow map;
        KeyListWindow keyList;
        EditorRecovery recovery{document, documents, mode};
        LanguageChoice languageChoice;
    };

    void endOnRequest();
    void quit();

    Parts parts;
    EditorFrameListener* listener = nullptr;
    std::function<void()> fullScreenKey;
};
