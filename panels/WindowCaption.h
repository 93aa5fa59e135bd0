#pragma once

#include "document/DocumentObserver.h"
#include "gui/InterfaceLanguage.h"

#include <functional>
#include <string>

class Document;

// The main frame's caption names the scenario's file ("Adsiz" without one) and
// ends in " *" while there are unsaved changes.
class WindowCaption : public DocumentObserver {
public:
    explicit WindowCaption(Document& document);
    ~WindowCaption() override;
    void show();
    void stateChanged() override { show(); }
    // Hands every caption (UTF-8), the current one at once, to whoever shows it
    // outside the widgets too, such as the native window's title.
    void followWith(std::function<void(const std::string& caption)> follower);

private:
    Document& document;
    std::function<void(const std::string&)> follower;
    LanguageFollower language{[this] { show(); }};
};

// "Sahne - " (translated) + the file's name without its directory, or "Adsiz"; " *" when modified.
std::string captionFor(const std::string& path, bool modified);
