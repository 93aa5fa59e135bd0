#pragma once

#include <string>

// Tells the user about something that went wrong without ending the editor: the
// text goes to standard error and, when the interface is up, into the notice window.
void showNotice(const std::string& text);
// The same in the notice window captioned otherwise than "Uyari" (warning), for
// what is no warning, such as a summary.
void showCaptionedNotice(const std::string& caption, const std::string& text);

// Lets the notice window's OK and close buttons hide it.
void wireNoticeWindow();
