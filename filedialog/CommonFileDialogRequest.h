#pragma once

#include <CEGUI/String.h>

// What a caller asks of one opening of the file dialog.
class CommonFileDialogRequest {
public:
    static const CEGUI::String allFilesFilter;   // "All files (*.*)|*.*|"
    static const CEGUI::String allFilesPattern;  // "*.*"

    explicit CommonFileDialogRequest(int requestId = 0, const CEGUI::String& defaultName = "",
                                     const CEGUI::String& filter = allFilesFilter,
                                     const CEGUI::String& defaultPattern = allFilesPattern,
                                     const CEGUI::String& title = "", bool loadMode = true, bool prompt = true,
                                     const CEGUI::String& promptText = "");
    virtual ~CommonFileDialogRequest() = default;
    CommonFileDialogRequest(const CommonFileDialogRequest&) = default;
    CommonFileDialogRequest& operator=(const CommonFileDialogRequest&) = default;

    int getRequestId() const { return requestId; }
    const CEGUI::String& getFilter() const { return filter; }
    const CEGUI::String& getDefaultPattern() const { return defaultPattern; }
    const CEGUI::String& getDefaultName() const { return defaultName; }
    const CEGUI::String& getTitle() const { return title; }
    bool getLoadMode() const { return loadMode; }
    bool getPrompt() const { return prompt; }
    const CEGUI::String& getPromptText() const { return promptText; }

    void setRequestId(int id) { requestId = id; }
    void setFilter(const CEGUI::String& text) { filter = text; }
    void setDefaultPattern(const CEGUI::String& text) { defaultPattern = text; }
    void setDefaultName(const CEGUI::String& text) { defaultName = text; }
    void setTitle(const CEGUI::String& text) { title = text; }
    void setLoadMode(bool load) { loadMode = load; }
    void setPrompt(bool ask) { prompt = ask; }
    void setPromptText(const CEGUI::String& text) { promptText = text; }

private:
    int requestId;
    CEGUI::String filter;
    CEGUI::String defaultPattern;
    CEGUI::String defaultName;
    CEGUI::String title;
    bool loadMode;
    bool prompt;
    CEGUI::String promptText;
};
