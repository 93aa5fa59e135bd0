#pragma once

#include <CEGUI/String.h>

#include <string>

// UTF-8 conversions at the boundary between the widgets and the path rules.
inline std::string toUtf8(const CEGUI::String& text) { return std::string(text.c_str()); }

inline CEGUI::String fromUtf8(const std::string& text) {
    return CEGUI::String(reinterpret_cast<const CEGUI::utf8*>(text.c_str()));
}
