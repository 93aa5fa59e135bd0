#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Finds where the editor's click sounds in a recording: the click's tone, which
// the music never reaches, rising above a level in 10 ms windows.
std::vector<double> findClickTimes(const std::vector<std::int16_t>& interleaved, int channels, int rate);

struct Recording {
    std::vector<std::int16_t> samples;  // interleaved
    int channels = 0;
    int rate = 0;
};

// Reads a 16-bit PCM WAV file (as OpenAL's wave writer leaves it); false if it
// is not one.
bool readRecording(const std::string& path, Recording& out);
