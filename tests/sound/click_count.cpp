// Prints how many times the editor's click sounds in a 16-bit WAV recording
// (for example OpenAL's wave output) and when, one time in seconds per line.
#include "tests/sound/ClickDetector.h"

#include <iostream>

int main(int argc, char** argv) {
    Recording recording;
    if (argc != 2 || !readRecording(argv[1], recording)) {
        std::cerr << "usage: click_count RECORDING.wav (16-bit PCM)\n";
        return 2;
    }
    const auto times = findClickTimes(recording.samples, recording.channels, recording.rate);
    std::cout << "clicks: " << times.size() << '\n';
    for (double t : times) std::cout << t << '\n';
    return 0;
}
