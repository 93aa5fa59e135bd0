#pragma once

#include <functional>
#include <string>

class CommonFileDialogResult;
class CommonFileDialogRequest;
class Document;
class EditingTools;
class KeyboardSwitch;
class MessageEditor;
class PropertiesTab;
class Selection;

// New, Open, Save, Delete and Exit from the menu: Open and Save go through the
// file dialog, which locks the editor while it is open.
class DocumentController {
public:
    struct Parts {
        Document& document;
        Selection& selection;
        EditingTools& tools;
        PropertiesTab& properties;
        MessageEditor& messageEditor;
        KeyboardSwitch& keys;
        std::function<void()> quit;
    };

    explicit DocumentController(Parts parts) : parts(std::move(parts)) {}
    void wire();

    void newScenario();
    void open();
    void save();
    bool deleteSelected();
    void exit() { parts.quit(); }

    // Reads and shows the scenario file; false (with a notice shown) when nothing was loaded.
    bool openFile(const std::string& path);
    // Writes the scenario; false (with a notice shown) when nothing was written.
    bool saveFile(const std::string& path);

    bool fileDialogOpen() const { return dialogOpen; }

private:
    void showFileDialog(const CommonFileDialogRequest& request,
                        std::function<void(const std::string& path)> accepted);

    Parts parts;
    bool dialogOpen = false;
};
