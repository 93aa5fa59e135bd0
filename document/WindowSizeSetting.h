#pragma once

#include <iosfwd>
#include <optional>

class SettingsFile;

// The editor window's size as the settings file remembers it between runs:
// "window_width", "window_height" (pixels, the size it has when neither
// maximised nor full screen) and "window_maximized" (0 or 1).
struct WindowSize {
    int width = 0;
    int height = 0;
    bool maximised = false;
};

// The smallest window the editor's panels fit in.
inline constexpr int minimumWindowWidth = 800;
inline constexpr int minimumWindowHeight = 600;

// The remembered size, or none when the file has none. A width or height that
// is not a whole number from the minimum up to 16384, or only one of the two,
// is ignored with one line on warnings; so is a maximised flag other than 0 or 1
// (the size stands, not maximised).
std::optional<WindowSize> rememberedWindowSize(const SettingsFile& settings, std::ostream& warnings);
void rememberWindowSize(SettingsFile& settings, const WindowSize& size);
