#include "filedialog/CommonFileDialogRequest.h"

const CEGUI::String CommonFileDialogRequest::allFilesFilter = "All files (*.*)|*.*|";
const CEGUI::String CommonFileDialogRequest::allFilesPattern = "*.*";

CommonFileDialogRequest::CommonFileDialogRequest(int requestId, const CEGUI::String& defaultName,
                                                 const CEGUI::String& filter, const CEGUI::String& defaultPattern,
                                                 const CEGUI::String& title, bool loadMode, bool prompt,
                                                 const CEGUI::String& promptText)
    : requestId(requestId),
      filter(filter),
      defaultPattern(defaultPattern),
      defaultName(defaultName),
      title(title),
      loadMode(loadMode),
      prompt(prompt),
      promptText(promptText) {}
