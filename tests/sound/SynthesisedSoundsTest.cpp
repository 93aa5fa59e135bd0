#include "tests/sound/ClickDetector.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

const std::string clickFile = testpaths::musicDir + "/click.wav";
const std::string musicFile = testpaths::musicDir + "/editorMusic.wav";

double at(const Recording& r, std::size_t frame, int channel) {
    return r.samples[frame * std::size_t(r.channels) + std::size_t(channel)] / 32768.0;
}

std::size_t frames(const Recording& r) { return r.samples.size() / std::size_t(r.channels); }

double rms(const Recording& r, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t f = from; f < from + count; ++f)
        for (int c = 0; c < r.channels; ++c) sum += at(r, f, c) * at(r, f, c);
    return std::sqrt(sum / double(count * std::size_t(r.channels)));
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SynthesisedSounds, ClickIsShortSoftAndStartsAndEndsInSilence) {
    Recording click;
    ASSERT_TRUE(readRecording(clickFile, click));
    EXPECT_EQ(click.channels, 1);
    EXPECT_EQ(click.rate, 44100);
    const double seconds = double(frames(click)) / click.rate;
    EXPECT_GE(seconds, 0.03);
    EXPECT_LE(seconds, 0.06);
    double peak = 0;
    for (std::size_t f = 0; f < frames(click); ++f) peak = std::max(peak, std::fabs(at(click, f, 0)));
    EXPECT_GT(peak, 0.2);
    EXPECT_LT(peak, 0.7);
    EXPECT_LT(std::fabs(at(click, 0, 0)), 0.01);
    EXPECT_LT(std::fabs(at(click, frames(click) - 1, 0)), 0.01);
    EXPECT_EQ(findClickTimes(click.samples, 1, click.rate), std::vector<double>{0.0});
}

TEST(SynthesisedSounds, MusicIsAModestStereoLoopWithoutASeam) {
    Recording music;
    ASSERT_TRUE(readRecording(musicFile, music));
    EXPECT_EQ(music.channels, 2);
    EXPECT_TRUE(music.rate == 22050 || music.rate == 44100);
    const double seconds = double(frames(music)) / music.rate;
    EXPECT_GE(seconds, 8.0);
    EXPECT_LE(seconds, 16.0);
    EXPECT_LT(fs::file_size(musicFile), 3u * 1024 * 1024);

    const std::size_t n = frames(music);
    const std::size_t quarterSecond = std::size_t(music.rate / 4);
    EXPECT_GT(rms(music, 0, n), 0.03);
    // No dip or swell where the end meets the start.
    const double head = rms(music, 0, quarterSecond), tail = rms(music, n - quarterSecond, quarterSecond);
    EXPECT_GT(head, 0.02);
    EXPECT_LT(std::max(head, tail) / std::min(head, tail), 2.0);
    // The step from the last frame to the first is no bigger than steps inside the loop.
    for (int c = 0; c < 2; ++c) {
        double stepSquares = 0;
        for (std::size_t f = 1; f < n; ++f) stepSquares += std::pow(at(music, f, c) - at(music, f - 1, c), 2);
        const double typicalStep = std::sqrt(stepSquares / double(n - 1));
        EXPECT_LT(std::fabs(at(music, 0, c) - at(music, n - 1, c)), 3 * typicalStep) << "channel " << c;
    }
    EXPECT_TRUE(findClickTimes(music.samples, 2, music.rate).empty());
}

TEST(SynthesisedSounds, ClickIsFoundInTheMusicWhereverItIsMixedIn) {
    Recording music, click;
    ASSERT_TRUE(readRecording(musicFile, music));
    ASSERT_TRUE(readRecording(clickFile, click));
    ASSERT_EQ(click.rate % music.rate, 0);
    // The music at a quarter of its level, brought to the click's rate by repeating
    // frames, with the click added at 1.0 s and 5.5 s: what the mixer makes of a press.
    const std::size_t repeat = std::size_t(click.rate / music.rate);
    Recording mix{std::vector<std::int16_t>(music.samples.size() * repeat), 2, click.rate};
    for (std::size_t f = 0; f < frames(mix); ++f)
        for (int c = 0; c < 2; ++c)
            mix.samples[f * 2 + std::size_t(c)] = std::int16_t(music.samples[f / repeat * 2 + std::size_t(c)] / 4);
    for (double when : {1.0, 5.5})
        for (std::size_t f = 0; f < frames(click); ++f)
            for (int c = 0; c < 2; ++c) {
                auto& s = mix.samples[(std::size_t(when * mix.rate) + f) * 2 + std::size_t(c)];
                s = std::int16_t(s + click.samples[f]);
            }
    const auto times = findClickTimes(mix.samples, 2, mix.rate);
    ASSERT_EQ(times.size(), 2u);
    EXPECT_NEAR(times[0], 1.0, 0.015);
    EXPECT_NEAR(times[1], 5.5, 0.015);
}

TEST(SynthesisedSounds, SynthesisIsDeterministic) {
    const fs::path folder = fs::temp_directory_path() / ("sahne_synth_" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string command = std::string(SOUND_SYNTH) + " " + folder.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(contents((folder / "click.wav").string()), contents(clickFile));
    EXPECT_EQ(contents((folder / "editorMusic.wav").string()), contents(musicFile));
    fs::remove_all(folder);
}

}  // namespace
