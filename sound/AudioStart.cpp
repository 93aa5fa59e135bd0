#include "sound/AudioStart.h"

#include "sound/WavFile.h"

#include <AL/alc.h>

#include <cstdlib>
#include <iostream>

namespace {

const char* const clickPath = "..//..//../music//click.wav";
const char* const musicPath = "..//..//..//music//editorMusic.wav";
constexpr ALfloat musicGain = 0.25f;

bool openDefaultDevice() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return false;
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context && alcMakeContextCurrent(context)) return true;
    if (context) alcDestroyContext(context);
    alcCloseDevice(device);
    return false;
}

// A source over a new buffer filled from the file; a file that cannot be read
// gives an empty buffer, which plays as silence.
ALuint loadSource(const char* path) {
    ALenum format;
    void* data;
    ALsizei size;
    ALsizei frequency;
    ALboolean loop;
    loadWavFile(path, &format, &data, &size, &frequency, &loop);
    if (!data) std::cerr << "sahne: " << path << " dosyasindan ses okunamadi\n";

    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, format, data, size, frequency);
    std::free(data);  // OpenAL keeps its own copy of the samples

    ALuint source = 0;
    alGenSources(1, &source);
    alSourcei(source, AL_BUFFER, ALint(buffer));
    return source;
}

}  // namespace

SoundSources startEditorSound() {
    SoundSources sources;
    if (!openDefaultDevice()) {
        std::cerr << "sahne: ses aygiti yok, editor sessiz calisiyor\n";
        return sources;
    }
    sources.click = loadSource(clickPath);
    alSourcei(sources.click, AL_LOOPING, AL_FALSE);

    sources.music = loadSource(musicPath);
    alSourcei(sources.music, AL_LOOPING, AL_TRUE);
    alSourcef(sources.music, AL_GAIN, musicGain);
    alSourcePlay(sources.music);
    return sources;
}
