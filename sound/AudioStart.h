#pragma once

#include <AL/al.h>

// The editor's two OpenAL sources.
struct SoundSources {
    ALuint click = 0;
    ALuint music = 0;
};

// Opens the default audio device, loads the click and the music from the
// "music" folder three levels above the working directory, and starts the music
// looping at gain 0.25; the click source waits to be played. Without an audio
// device (or context) nothing is opened, both sources stay 0 and the editor runs
// silently: OpenAL calls on source 0 without a context do nothing.
SoundSources startEditorSound();
