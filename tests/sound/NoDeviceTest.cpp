// Start-up of the editor's sound on a machine without any audio device: the
// driver list names a driver that does not exist.
#include "sound/AudioStart.h"
#include "tests/sound/AudioTestSupport.h"

namespace {

TEST(NoAudioDevice, EditorRunsSilently) {
    ASSERT_EQ(alcOpenDevice(nullptr), nullptr) << "this test needs a machine without audio device";
    enterEditorWorkDir();
    const SoundSources sources = startEditorSound();
    EXPECT_EQ(sources.click, 0u);
    EXPECT_EQ(sources.music, 0u);
    EXPECT_EQ(alcGetCurrentContext(), nullptr);
    // The press handler plays the click whatever start-up found.
    alSourcePlay(sources.click);
    EXPECT_EQ(sourceInt(sources.click, AL_SOURCE_STATE), -1);
}

}  // namespace

int main(int argc, char** argv) { return runAudioTests(argc, argv, "sahne_no_such_driver"); }
