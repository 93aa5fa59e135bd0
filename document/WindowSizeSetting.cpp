#include "document/WindowSizeSetting.h"

#include "document/SettingsFile.h"

#include <ostream>
#include <string>

namespace {

constexpr int largestSide = 16384;
const char* const widthKey = "window_width";
const char* const heightKey = "window_height";
const char* const maximisedKey = "window_maximized";

std::optional<int> wholeNumber(const std::string& text)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

}  // namespace

std::optional<WindowSize> rememberedWindowSize(const SettingsFile& settings, std::ostream& warnings)
{
    const std::optional<std::string> width = settings.get(widthKey);
    const std::optional<std::string> height = settings.get(heightKey);
    if (!width && !height)
        return std::nullopt;
    const std::optional<int> w = wholeNumber(width.value_or(""));
    const std::optional<int> h = wholeNumber(height.value_or(""));
    if (!w || !h || *w < minimumWindowWidth || *h < minimumWindowHeight || *w > largestSide || *h > largestSide) {
        warnings << "sahne: " << widthKey << "=" << width.value_or("") << " " << heightKey << "="
                 << height.value_or("") << " gecersiz (en az " << minimumWindowWidth << " x "
                 << minimumWindowHeight << " piksel olmali); ilk boyut kullaniliyor.\n";
        return std::nullopt;
    }
    WindowSize size{*w, *h, false};
    const std::string maximised = settings.get(maximisedKey).value_or("0");
    if (maximised == "1")
        size.maximised = true;
    else if (maximised != "0")
        warnings << "sahne: " << maximisedKey << "=" << maximised << " gecersiz (0 ya da 1 olmali); "
                 << "pencere buyutulmeden aciliyor.\n";
    return size;
}

void rememberWindowSize(SettingsFile& settings, const WindowSize& size)
{
    settings.set(widthKey, std::to_string(size.width));
    settings.set(heightKey, std::to_string(size.height));
    settings.set(maximisedKey, size.maximised ? "1" : "0");
}
