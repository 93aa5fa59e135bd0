#include "document/SettingsFile.h"
#include "document/WindowSizeSetting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

SettingsFile settingsOf(const std::string& text)
{
    const fs::path path = fs::temp_directory_path() / ("sahne-window-size-" + std::to_string(::getpid()) + ".cfg");
    std::ofstream(path) << text;
    SettingsFile settings;
    EXPECT_EQ(settings.load(path.string()), "");
    fs::remove(path);
    return settings;
}

std::optional<WindowSize> read(const std::string& text, std::string& warnings)
{
    std::ostringstream out;
    const std::optional<WindowSize> size = rememberedWindowSize(settingsOf(text), out);
    warnings = out.str();
    return size;
}

TEST(WindowSizeSetting, ARememberedSizeIsReadBackAsWritten)
{
    SettingsFile settings = settingsOf("language=tr\nautosave_seconds=30\n");
    rememberWindowSize(settings, WindowSize{1600, 900, true});
    EXPECT_EQ(settings.text(),
              "language=tr\nautosave_seconds=30\nwindow_width=1600\nwindow_height=900\nwindow_maximized=1\n");
    rememberWindowSize(settings, WindowSize{1024, 768, false});
    std::ostringstream quiet;
    const std::optional<WindowSize> size = rememberedWindowSize(settings, quiet);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 1024);
    EXPECT_EQ(size->height, 768);
    EXPECT_FALSE(size->maximised);
    EXPECT_EQ(quiet.str(), "");
    const std::string text = settings.text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5) << "each key once";
}

TEST(WindowSizeSetting, NoSizeOrABadOneGivesNoneAndABadOneIsToldInOneLine)
{
    std::string warnings;
    EXPECT_FALSE(read("autosave_seconds=60\n", warnings));
    EXPECT_EQ(warnings, "");
    const std::optional<WindowSize> smallest = read("window_width=800\nwindow_height=600\n", warnings);
    ASSERT_TRUE(smallest);
    EXPECT_EQ(smallest->width, 800);
    EXPECT_EQ(warnings, "");

    for (const char* bad : {"window_width=799\nwindow_height=600", "window_width=1024\nwindow_height=599",
                            "window_width=1024", "window_height=768", "window_width=-1024\nwindow_height=768",
                            "window_width=1024.5\nwindow_height=768", "window_width=genis\nwindow_height=768",
                            "window_width=99999\nwindow_height=768", "window_width=\nwindow_height=768"}) {
        EXPECT_FALSE(read(bad, warnings)) << bad;
        EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << bad;
        EXPECT_NE(warnings.find("window_width"), std::string::npos) << warnings;
    }

    const std::optional<WindowSize> unsure = read("window_width=1024\nwindow_height=768\nwindow_maximized=evet", warnings);
    ASSERT_TRUE(unsure) << "the size stands";
    EXPECT_FALSE(unsure->maximised);
    EXPECT_NE(warnings.find("window_maximized=evet"), std::string::npos) << warnings;
}

}  // namespace
