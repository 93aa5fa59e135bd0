#pragma once

#include <string>

// What a caller asks of one opening of the file dialog. UTF-8 texts.
struct CommonFileDialogRequest {
    static constexpr const char* allFilesFilter = "All files (*.*)|*.*|";
    static constexpr const char* allFilesPattern = "*.*";

    int requestId = 0;  // the caller's tag, handed back in the result
    // "|"-terminated label and pattern pairs: "ZEVO (*.zev)|*.zev|All files|*.*|".
    std::string filter = allFilesFilter;
    std::string defaultPattern = allFilesPattern;  // the pattern of the file type chosen first
    std::string defaultName;                       // put into the name field
    std::string startDirectory;                    // shown first; empty: where the user left the dialog
    std::string title;                             // empty: "Ac" or "Kaydet"
    bool loadMode = true;                          // opens a file; false: saves one
    // Whether OK asks: about a missing file when opening, an existing one when saving.
    bool prompt = true;
    std::string promptText;  // empty: the mode's own question
};
