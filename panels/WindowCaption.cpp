#include "panels/WindowCaption.h"

#include "document/Document.h"
#include "gui/GuiText.h"
#include "gui/WindowLookup.h"

#include <CEGUI/Window.h>

std::string captionFor(const std::string& path, bool modified)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return "Sahne - " + (name.empty() ? std::string("Adsiz") : name) + (modified ? " *" : "");
}

WindowCaption::WindowCaption(Document& document) : document(document) { document.addObserver(this); }

WindowCaption::~WindowCaption() { document.removeObserver(this); }

void WindowCaption::show()
{
    getWindow("TestWindowFrame")->setText(fromUtf8(captionFor(document.path(), document.modified())));
}
