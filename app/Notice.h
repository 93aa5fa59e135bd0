#pragma once

#include <string>

// Tells the user about something that went wrong without ending the editor: the
// text goes to standard error and into the notice window of the interface.
void showNotice(const std::string& text);
