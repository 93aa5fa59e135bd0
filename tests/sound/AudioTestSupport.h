#pragma once

#include "tests/support/TestPaths.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

// OpenAL Soft reads its driver choice once, at the first call: each audio test
// program sets it in main before anything else.
inline int runAudioTests(int argc, char** argv, const char* drivers) {
    setenv("ALSOFT_DRIVERS", drivers, 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The editor opens its sounds relative to the folder it runs in.
inline void enterEditorWorkDir() { ASSERT_EQ(chdir(testpaths::workDir.c_str()), 0) << testpaths::workDir; }

// Releases what the editor never releases itself, so that each test opens anew.
inline void closeCurrentAudio() {
    ALCcontext* context = alcGetCurrentContext();
    if (!context) return;
    ALCdevice* device = alcGetContextsDevice(context);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
}

inline ALint sourceInt(ALuint source, ALenum what) {
    ALint value = -1;
    alGetSourcei(source, what, &value);
    return value;
}

inline ALint bufferInt(ALuint source, ALenum what) {
    ALint value = -1;
    alGetBufferi(ALuint(sourceInt(source, AL_BUFFER)), what, &value);
    return value;
}
