#pragma once

#include "document/DocumentObserver.h"

class Document;

// The main frame's caption names the scenario's file ("Adsiz" without one) and
// ends in " *" while there are unsaved changes.
class WindowCaption : public DocumentObserver {
public:
    explicit WindowCaption(Document& document);
    ~WindowCaption() override;
    void show();
    void stateChanged() override { show(); }

private:
    Document& document;
};

// "Sahne - " + the file's name without its directory, or "Adsiz"; " *" when modified.
std::string captionFor(const std::string& path, bool modified);
