// The editor's sound mixed by OpenAL Soft's "wave" driver into a file, as a
// listener would hear it: the click is there when played, and only then.
#include "sound/AudioStart.h"
#include "tests/sound/AudioTestSupport.h"
#include "tests/sound/ClickDetector.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

const fs::path folder = fs::temp_directory_path() / ("sahne_wave_" + std::to_string(getpid()));
const std::string mixFile = (folder / "mix.wav").string();

void pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

// Closing the device completes the recording.
Recording finishRecording() {
    closeCurrentAudio();
    Recording mix;
    EXPECT_TRUE(readRecording(mixFile, mix));
    return mix;
}

double rms(const Recording& r) {
    double sum = 0;
    for (std::int16_t s : r.samples) sum += double(s) * s;
    return std::sqrt(sum / double(r.samples.size())) / 32768.0;
}

TEST(WaveOutput, PlayedClickIsHeardOverTheMusic) {
    enterEditorWorkDir();
    const SoundSources sources = startEditorSound();
    pause(0.5);
    alSourcePlay(sources.click);
    pause(0.5);
    const Recording mix = finishRecording();
    ASSERT_EQ(mix.channels, 2);
    const auto clicks = findClickTimes(mix.samples, mix.channels, mix.rate);
    ASSERT_EQ(clicks.size(), 1u);
    // Played half a second in; a busy machine may shift where the mixer puts it.
    EXPECT_GT(clicks[0], 0.1);
    EXPECT_GT(rms(mix), 0.01);
}

TEST(WaveOutput, MusicAloneHasNoClick) {
    enterEditorWorkDir();
    startEditorSound();
    pause(0.8);
    const Recording mix = finishRecording();
    EXPECT_TRUE(findClickTimes(mix.samples, mix.channels, mix.rate).empty());
    EXPECT_GT(rms(mix), 0.01);
}

}  // namespace

int main(int argc, char** argv) {
    fs::create_directories(folder);
    const fs::path conf = folder / "alsoft.conf";
    std::ofstream(conf) << "[general]\nchannels=stereo\nsample-type=int16\nfrequency=44100\n"
                        << "[wave]\nfile=" << mixFile << "\n";
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    const int result = runAudioTests(argc, argv, "wave");
    fs::remove_all(folder);
    return result;
}
