#pragma once

#include <string>

// The interface's texts in the chosen language. A message id is the text as the
// editor shows it with no catalog (ASCII Turkish); the answer is UTF-8 and stays
// valid for the whole run.
const char* tr(const char* msgid);
std::string tr(const std::string& msgid);
