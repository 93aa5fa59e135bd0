// Start-up of the editor's sound on OpenAL Soft's "null" driver: a working
// device that outputs nothing.
#include "sound/AudioStart.h"
#include "tests/sound/AudioTestSupport.h"

#include <filesystem>

namespace {

class AudioStartTest : public ::testing::Test {
protected:
    void TearDown() override { closeCurrentAudio(); }
};

TEST_F(AudioStartTest, MusicLoopsAtQuarterGainAndClickWaits) {
    enterEditorWorkDir();
    const SoundSources sources = startEditorSound();
    ASSERT_NE(alcGetCurrentContext(), nullptr);
    ASSERT_TRUE(alIsSource(sources.music));
    ASSERT_TRUE(alIsSource(sources.click));
    EXPECT_NE(sources.music, sources.click);

    EXPECT_EQ(sourceInt(sources.music, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_EQ(sourceInt(sources.music, AL_LOOPING), AL_TRUE);
    ALfloat gain = 0;
    alGetSourcef(sources.music, AL_GAIN, &gain);
    EXPECT_FLOAT_EQ(gain, 0.25f);
    EXPECT_EQ(bufferInt(sources.music, AL_CHANNELS), 2);
    EXPECT_EQ(bufferInt(sources.music, AL_BITS), 16);
    EXPECT_GT(bufferInt(sources.music, AL_SIZE), 8 * 22050 * 4);

    EXPECT_EQ(sourceInt(sources.click, AL_SOURCE_STATE), AL_INITIAL);
    EXPECT_EQ(sourceInt(sources.click, AL_LOOPING), AL_FALSE);
    alGetSourcef(sources.click, AL_GAIN, &gain);
    EXPECT_FLOAT_EQ(gain, 1.0f);
    EXPECT_EQ(bufferInt(sources.click, AL_CHANNELS), 1);
    EXPECT_EQ(bufferInt(sources.click, AL_FREQUENCY), 44100);
    EXPECT_GT(bufferInt(sources.click, AL_SIZE), 0);

    // What the press handler does when a widget takes a press.
    alSourcePlay(sources.click);
    EXPECT_EQ(sourceInt(sources.click, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

TEST_F(AudioStartTest, MissingSoundFilesGiveSilentSources) {
    const auto elsewhere = std::filesystem::temp_directory_path() / "sahne_no_music/a/b/c";
    std::filesystem::create_directories(elsewhere);
    ASSERT_EQ(chdir(elsewhere.c_str()), 0);
    const SoundSources sources = startEditorSound();
    ASSERT_TRUE(alIsSource(sources.music));
    ASSERT_TRUE(alIsSource(sources.click));
    EXPECT_EQ(bufferInt(sources.music, AL_SIZE), 0);
    EXPECT_EQ(bufferInt(sources.click, AL_SIZE), 0);
    EXPECT_EQ(sourceInt(sources.music, AL_LOOPING), AL_TRUE);
    alSourcePlay(sources.click);
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / "sahne_no_music");
}

}  // namespace

int main(int argc, char** argv) { return runAudioTests(argc, argv, "null"); }
