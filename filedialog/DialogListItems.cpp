#include "filedialog/DialogListItems.h"

#include <CEGUI/ImageManager.h>

namespace {

// List items are white by default, which WindowsLook's white lists hide.
void drawInBlack(CEGUI::ListboxTextItem& item) {
    item.setTextColours(CEGUI::Colour(0.0f, 0.0f, 0.0f, 1.0f));
    const CEGUI::String brush = "WindowsLook/Background";
    if (CEGUI::ImageManager::getSingleton().isDefined(brush))
        item.setSelectionBrushImage(brush);
    item.setSelectionColours(CEGUI::Colour(0.6f, 0.75f, 1.0f, 1.0f));
}

}  // namespace

FilterListItem::FilterListItem(const CEGUI::String& label, const CEGUI::String& pattern)
    : CEGUI::ListboxTextItem(label), label(label), pattern(pattern) {
    drawInBlack(*this);
}

FilterListItem::~FilterListItem() = default;

DialogListItem::DialogListItem(const CEGUI::String& text) : CEGUI::ListboxTextItem(text) { drawInBlack(*this); }

DialogListItem::~DialogListItem() = default;

