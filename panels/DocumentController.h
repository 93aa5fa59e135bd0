#pragma once

#include "panels/UnsavedChangesGuard.h"
#include "panels/WindowCaption.h"

#include <functional>
#include <string>

class CommonFileDialog;
struct CommonFileDialogRequest;
class Document;
class EditingTools;
class EditorMode;
class MessageEditor;
class PropertiesTab;
class Selection;

// New, Open, Save, Save As, Undo, Redo, Delete and Exit, from the menu and the
// keys. Open and Save As go through the file dialog (Save when the scenario has
// no file yet), which has the editor while it is open
// and leaves the panels unlocked when it closes, as New does; New, Open and
// Exit ask first when there are unsaved changes.
class DocumentController {
public:
    struct Parts {
        Document& document;
        Selection& selection;
        EditingTools& tools;
        PropertiesTab& properties;
        MessageEditor& messageEditor;
        EditorMode& mode;
        CommonFileDialog& fileDialog;
        std::function<void()> quit;
    };

    explicit DocumentController(Parts parts);
    void wire();

    void newScenario();
    void open();
    // Through the dialog, always: the scenario then has the chosen file, its
    // undo history kept.
    void save();
    // To the document's file when it has one, else through the dialog.
    void saveToFile();
    bool deleteSelected();
    void undo();
    void redo();
    void exit();

    // A scenario given at start: opened as Open opens it, in an editor unlocked as after New.
    void openAtStart(const std::string& path);
    // A recovery copy of originalPath's document (empty: an unnamed one), opened in
    // its place as unsaved changes; false (with a notice shown) when nothing was loaded.
    bool openRecovered(const std::string& copy, const std::string& originalPath);
    // Reads and shows the scenario file; false (with a notice shown) when nothing was loaded.
    bool openFile(const std::string& path);
    // Writes the scenario; false (with a notice shown) when nothing was written.
    bool saveFile(const std::string& path);

    UnsavedChangesGuard& unsavedChangesGuard() { return guard; }
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
};
