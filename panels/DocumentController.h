#pragma once

#include "panels/UnsavedChangesGuard.h"
#include "panels/WindowCaption.h"

#include <functional>
#include <string>

namespace input { class KeyEvent; }
class CommonFileDialog;
struct CommonFileDialogRequest;
class Document;
class EditingTools;
class KeyboardSwitch;
class MessageEditor;
class PropertiesTab;
class Selection;

// New, Open, Save, Undo, Redo, Delete and Exit, from the menu and the keys. Open
// and Save go through the file dialog, which locks the editor while it is open;
// New, Open and Exit ask first when there are unsaved changes.
class DocumentController {
public:
    struct Parts {
        Document& document;
        Selection& selection;
        EditingTools& tools;
        PropertiesTab& properties;
        MessageEditor& messageEditor;
        KeyboardSwitch& keys;
        CommonFileDialog& fileDialog;
        std::function<void()> quit;
    };

    explicit DocumentController(Parts parts);
    void wire();

    void newScenario();
    void open();
    // Through the dialog, always.
    void save();
    // To the document's file when it has one, else through the dialog.
    void saveToFile();
    bool deleteSelected();
    void undo();
    void redo();
    void exit();
    // The editor's keys: shortcuts, Escape and Delete. True when the key was one.
    bool handleKey(const input::KeyEvent& key, bool typing);

    // A scenario given at start: opened as Open opens it, in an editor unlocked as after New.
    void openAtStart(const std::string& path);
    // Reads and shows the scenario file; false (with a notice shown) when nothing was loaded.
    bool openFile(const std::string& path);
    // Writes the scenario; false (with a notice shown) when nothing was written.
    bool saveFile(const std::string& path);

    bool fileDialogOpen() const { return dialogOpen; }
    // A dialog or the message editor has the input: no edit and no file command now.
    bool busy() const;
    const UnsavedChangesGuard& unsavedChangesGuard() const { return guard; }
    WindowCaption& windowCaption() { return caption; }

private:
    void startNew();
    // Saves as save() or saveToFile() do and calls saved once it succeeded.
    void saveThen(bool toOwnFile, std::function<void()> saved);
    // A request of the scenario file types, starting in the open document's folder.
    CommonFileDialogRequest scenarioRequest(bool loading) const;
    void showFileDialog(const CommonFileDialogRequest& request,
                        std::function<void(const std::string& path)> accepted);

    Parts parts;
    UnsavedChangesGuard guard;
    WindowCaption caption;
    bool dialogOpen = false;
};
