#pragma once

#include <string>

namespace CEGUI {
class Window;
}

// Shows text in the notice's text widget and sizes the notice to it. It widens
// until its widest word fits on a line, so a file name is not broken (one wider
// than the screen only after a '/'), and grows in height until every wrapped
// line shows, both up to most of the screen; beyond that the text scrolls. A
// short notice after a long one goes back to the layout's size and place.
void fitNoticeToText(CEGUI::Window& notice, CEGUI::Window& noticeText, const std::string& text);
