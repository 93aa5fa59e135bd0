#pragma once

#include <string>

// A few Turkish words (ASCII) for a system error number, short enough for a
// notice: "izin yok", "diskte yer kalmadi", ... Numbers without words of their
// own give "sistem hatasi" with the number, so every error says something.
std::string systemErrorWords(int errorNumber);
