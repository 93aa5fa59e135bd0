#include "filedialog/CommonFileDialogResult.h"

CommonFileDialogResult::CommonFileDialogResult(int requestId, const CEGUI::String& path, const CEGUI::String& drive,
                                               const CEGUI::String& directory,
                                               const CEGUI::String& relativeDirectory,
                                               const CEGUI::String& fileName, bool fileExisted)
    : requestId(requestId),
      path(path),
      drive(drive),
      directory(directory),
      relativeDirectory(relativeDirectory),
      fileName(fileName),
      fileExisted(fileExisted) {}
