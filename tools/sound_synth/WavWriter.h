#pragma once

#include <string>
#include <vector>

// Writes interleaved samples in [-1, 1] as a 16-bit PCM WAV file; false if the
// file cannot be written.
bool writePcm16Wav(const std::string& path, int channels, int rate, const std::vector<float>& samples);
