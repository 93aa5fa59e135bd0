#pragma once

#include <string>

namespace platform {

// A modal error box with this caption and text; the text also goes to standard error.
void showErrorBox(const std::string& caption, const std::string& text);

}  // namespace platform
