#include "panels/WindowCaption.h"

#include "document/Document.h"
#include "document/Translation.h"
#include "gui/GuiText.h"
#include "gui/WindowLookup.h"
#include "panels/MainWindowNames.h"

#include <CEGUI/Window.h>

#include <utility>

std::string captionFor(const std::string& path, bool modified)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    return fill(tr("Sahne - %1"), {name.empty() ? std::string(tr("Adsiz")) : name}) + (modified ? " *" : "");
}

WindowCaption::WindowCaption(Document& document) : document(document) { document.addObserver(this); }

WindowCaption::~WindowCaption() { document.removeObserver(this); }

void WindowCaption::show()
{
    const std::string caption = captionFor(document.path(), document.modified());
    getWindow(mainnames::mainFrame)->setText(fromUtf8(caption));
    if (follower)
        follower(caption);
}

void WindowCaption::followWith(std::function<void(const std::string& caption)> newFollower)
{
    follower = std::move(newFollower);
    show();
}
