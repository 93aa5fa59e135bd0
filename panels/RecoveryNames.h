#pragma once

// The names of the window that offers at start what an editor which ended
// unexpectedly left, and of the question before a copy is deleted.
namespace recoverynames {

inline constexpr const char* window = "kurtarWindow";  // "recover"
inline constexpr const char* text = "kurtarMetin";     // "recover text"
inline constexpr const char* list = "kurtarListe";     // "recover list": one row per copy
inline constexpr const char* openButton = "kurtarAc";      // "open"
inline constexpr const char* deleteButton = "kurtarSil";   // "delete"
inline constexpr const char* laterButton = "kurtarSonra";  // "later"
inline constexpr const char* question = "kurtarSilSorWindow";    // "ask before deleting"
inline constexpr const char* questionYes = "kurtarSilEvet";      // "yes"
inline constexpr const char* questionNo = "kurtarSilVazgec";     // "give up"

}  // namespace recoverynames
