#pragma once

#include <string>

namespace platform {

// The desktop's clipboard through SDL, so that text copied here can be pasted
// in other programs and the other way round. Without SDL's video (headless
// tests) it is a clipboard of this process alone.
class SdlClipboard {
public:
    void setText(const std::string& text);
    // Empty when the clipboard holds no text.
    std::string text() const;

private:
    std::string own;
};

}  // namespace platform
