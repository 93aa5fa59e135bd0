// Writes the editor's sounds, click.wav and editorMusic.wav, into the folder
// given as the only argument.
#include "tools/sound_synth/SoundDesign.h"
#include "tools/sound_synth/Synth.h"
#include "tools/sound_synth/WavWriter.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sound_synth OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    if (!writePcm16Wav(folder + "/click.wav", 1, sounddesign::clickRate, synthesiseClick()) ||
        !writePcm16Wav(folder + "/editorMusic.wav", 2, sounddesign::musicRate, synthesiseMusic())) {
        std::cerr << "sound_synth: cannot write into " << folder << '\n';
        return 1;
    }
    return 0;
}
