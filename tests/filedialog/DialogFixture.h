#pragma once

#include "filedialog/CommonFileDialog.h"
#include "platform/host/DirectoryHost.h"

#include <CEGUI/InputEvent.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace CEGUI {
class Combobox;
class Listbox;
}  // namespace CEGUI

// A dialog inside an editor-like root window "DemoLayout" on the headless GUI,
// with helpers that reach its widgets the way a user does.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the dialog on the host and records every result it reports when hidden.
    CommonFileDialog& makeDialog(std::unique_ptr<host::DirectoryHost> host, const std::string& startDirectory = {});

    CEGUI::Window* child(const std::string& namePath) const;
    CEGUI::Combobox* combobox(const std::string& name) const;
    CEGUI::Listbox* listbox() const;

    // Texts of the items of a list, in list order.
    std::vector<std::string> listing() const;
    std::vector<std::string> comboboxItems(const std::string& name) const;
    // The text of the window ("": of the dialog's root).
    std::string textOf(const std::string& namePath) const;

    void clickListItem(const std::string& text);
    void doubleClickListItem(const std::string& text);
    // Opens the combobox's list with its button and clicks the entry.
    void choose(const std::string& comboboxName, const std::string& text);
    void typeFileName(const std::string& text);
    // Presses and releases the key in the window that has the keys.
    void pressKey(CEGUI::Key::Scan key);
    void click(const std::string& namePath);
    void clickCloseButton();

    bool visible(const std::string& namePath) const;  // "": the dialog's root
    // Whether each of the seven main controls is enabled.
    bool controlsEnabled() const;
    bool controlsDisabled() const;

    std::unique_ptr<CommonFileDialog> dialog;
    CEGUI::Window* demoLayout = nullptr;
    std::vector<CommonFileDialogResult> reported;
};

// A request as the editor builds it for opening (1) or saving (2) a scenario.
CommonFileDialogRequest openRequest();
CommonFileDialogRequest saveRequest();
