#include "tools/sound_synth/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[2] = {char(v & 0xFF), char(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, std::uint16_t(v & 0xFFFF));
    put16(out, std::uint16_t(v >> 16));
}

}  // namespace

bool writePcm16Wav(const std::string& path, int channels, int rate, const std::vector<float>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    const std::uint16_t blockAlign = std::uint16_t(channels * 2);
    out.write("RIFF", 4);
    put32(out, 4 + 8 + 16 + 8 + dataBytes + (dataBytes & 1));
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, std::uint16_t(channels));
    put32(out, std::uint32_t(rate));
    put32(out, std::uint32_t(rate) * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put16(out, std::uint16_t(std::int16_t(v)));
    }
    return bool(out.flush());
}
