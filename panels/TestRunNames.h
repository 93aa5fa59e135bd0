#pragma once

#include "document/Translation.h"

// The names of the test run's widgets in the main layout.
namespace testrunnames {

inline constexpr const char* topLine = "denemeUstSatir";  // "trial top line": how to walk and end
inline constexpr const char* window = "denemeWindow";     // "trial": an area's message
inline constexpr const char* text = "denemeMetin";        // "trial text"
inline constexpr const char* answerButtons[] = {"denemeCevap1", "denemeCevap2", "denemeCevap3", "denemeCevap4"};  // "answer"
inline constexpr const char* verdict = "denemeSonuc";     // "trial result": right or wrong
inline constexpr const char* proceedButton = "denemeDevam";  // "continue"
inline constexpr const char* finishButton = "denemeBitir";   // "finish"
// The caption of the notice that sums a run up.
inline constexpr const char* summaryCaption = N_("Deneme Sonucu");  // "trial result"

}  // namespace testrunnames
