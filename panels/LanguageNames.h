#pragma once

// The language choice in the main layout: Gorunum > "Dil" (language) opens it.
namespace languagenames {

inline constexpr const char* menuItem = "dilPopupItem";
inline constexpr const char* window = "dilWindow";
inline constexpr const char* turkish = "dilTurkce";
inline constexpr const char* english = "dilEnglish";

}  // namespace languagenames
