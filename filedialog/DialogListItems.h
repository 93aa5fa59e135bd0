#pragma once

#include <CEGUI/widgets/ListboxTextItem.h>

// Items of the dialog's lists. Those that go into a widget are drawn in black
// and deleted by the widget that holds them.

// A file type in the type list; its text is the label.
class FilterListItem : public CEGUI::ListboxTextItem {
public:
    FilterListItem(const CEGUI::String& label, const CEGUI::String& pattern);
    ~FilterListItem() override;

    CEGUI::String label;
    CEGUI::String pattern;
};

// A drive name, a listing entry or a name of the history.
class DialogListItem : public CEGUI::ListboxTextItem {
public:
    explicit DialogListItem(const CEGUI::String& text);
    ~DialogListItem() override;
};
