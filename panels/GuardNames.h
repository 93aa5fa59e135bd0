#pragma once

// The names of the window that asks before unsaved changes are lost.
namespace guardnames {

inline constexpr const char* window = "kaydetSorWindow";  // "ask to save"
inline constexpr const char* saveButton = "kaydetSorEvet";     // "yes": Kaydet, save first
inline constexpr const char* discardButton = "kaydetSorHayir"; // "no": Kaydetme, go on without saving
inline constexpr const char* cancelButton = "kaydetSorIptal";  // "cancel": Vazgec, stay

}  // namespace guardnames
