#pragma once

#include "platform/input/InputSource.h"

namespace platform {

// Keyboard, mouse and window events of the SDL window, as the input layer wants them.
class SdlInputSource : public input::InputSource {
public:
    void poll(std::vector<input::RawEvent>& out) override;
};

// Appends the Unicode code points of a UTF-8 text; malformed bytes are skipped.
void decodeUtf8(const char* text, std::vector<unsigned int>& codePoints);

}  // namespace platform
