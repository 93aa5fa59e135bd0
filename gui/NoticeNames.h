#pragma once

#include "document/Translation.h"

// The names of the notice window in the main layout, where the editor tells the
// user what went wrong.
namespace noticenames {

inline constexpr const char* window = "uyariWindow";  // "warning"
inline constexpr const char* text = "uyariText";
inline constexpr const char* okButton = "uyariTamam";  // "OK"
inline constexpr const char* warningCaption = N_("Uyari");  // "warning": the window's own caption

}  // namespace noticenames
