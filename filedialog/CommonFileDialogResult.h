#pragma once

#include <CEGUI/String.h>

// How the file dialog was closed and, when a name was accepted, which file.
class CommonFileDialogResult {
public:
    enum State { Accepted = 0, Cancelled = 1, Closed = 2 };

    explicit CommonFileDialogResult(int requestId = 0, const CEGUI::String& path = "",
                                    const CEGUI::String& drive = "", const CEGUI::String& directory = "",
                                    const CEGUI::String& relativeDirectory = "", const CEGUI::String& fileName = "",
                                    bool fileExisted = false);
    virtual ~CommonFileDialogResult() = default;
    CommonFileDialogResult(const CommonFileDialogResult&) = default;
    CommonFileDialogResult& operator=(const CommonFileDialogResult&) = default;

    int getRequestId() const { return requestId; }
    const CEGUI::String& getPath() const { return path; }
    const CEGUI::String& getDrive() const { return drive; }
    const CEGUI::String& getDirectory() const { return directory; }
    const CEGUI::String& getRelativeDirectory() const { return relativeDirectory; }
    const CEGUI::String& getFileName() const { return fileName; }
    // Before the first close the dialog reports Closed: nothing was accepted yet.
    int getState() const { return state; }
    bool getFileExisted() const { return fileExisted; }

    void setPath(const CEGUI::String& text) { path = text; }
    void setDrive(const CEGUI::String& text) { drive = text; }
    void setDirectory(const CEGUI::String& text) { directory = text; }
    void setRelativeDirectory(const CEGUI::String& text) { relativeDirectory = text; }
    void setFileName(const CEGUI::String& text) { fileName = text; }

private:
    friend class CommonFileDialog;

    int requestId;
    CEGUI::String path;
    CEGUI::String drive;
    CEGUI::String directory;
    CEGUI::String relativeDirectory;
    CEGUI::String fileName;
    int state = Closed;
    bool fileExisted;
};
