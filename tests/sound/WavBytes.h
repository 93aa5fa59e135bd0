#pragma once

#include <AL/al.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline void appendLe(Bytes& out, std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

// The first 16 bytes of a "fmt " body, plus extra bytes of extension.
inline Bytes fmtBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                     std::uint16_t blockAlign, std::uint16_t bits, std::size_t extra = 0) {
    Bytes b;
    appendLe(b, tag, 2);
    appendLe(b, channels, 2);
    appendLe(b, rate, 4);
    appendLe(b, rate * blockAlign, 4);
    appendLe(b, blockAlign, 2);
    appendLe(b, bits, 2);
    b.resize(b.size() + extra, 0);
    return b;
}

// A "smpl" body: the 36-byte sampler header with the loop count, then loop records.
inline Bytes smplBody(std::uint32_t loops, std::size_t loopRecords) {
    Bytes b(28, 0);
    appendLe(b, loops, 4);
    b.resize(36 + 24 * loopRecords, 0);
    return b;
}

// Builds RIFF/WAVE files chunk by chunk; sizes can be made to lie.
class WavBytes {
public:
    WavBytes& chunk(const std::string& id, const Bytes& body) {
        return chunkDeclaring(id, std::uint32_t(body.size()), body);
    }

    // A chunk whose size field says declaredSize whatever the body really holds.
    WavBytes& chunkDeclaring(const std::string& id, std::uint32_t declaredSize, const Bytes& body) {
        chunks.insert(chunks.end(), id.begin(), id.end());
        appendLe(chunks, declaredSize, 4);
        chunks.insert(chunks.end(), body.begin(), body.end());
        if (body.size() % 2) chunks.push_back(0);
        return *this;
    }

    Bytes file() const { return fileDeclaring(std::uint32_t(4 + chunks.size())); }

    Bytes fileDeclaring(std::uint32_t headerSize) const {
        Bytes b{'R', 'I', 'F', 'F'};
        appendLe(b, headerSize, 4);
        b.insert(b.end(), {'W', 'A', 'V', 'E'});
        b.insert(b.end(), chunks.begin(), chunks.end());
        return b;
    }

private:
    Bytes chunks;
};

// What loadWavFile returned; owns the sample block.
struct LoadedWav {
    ALenum format = -1;
    void* data = reinterpret_cast<void*>(1);
    ALsizei size = -1;
    ALsizei frequency = -1;
    ALboolean loop = 7;

    LoadedWav() = default;
    LoadedWav(const LoadedWav&) = delete;
    LoadedWav& operator=(const LoadedWav&) = delete;
    ~LoadedWav() {
        if (data != reinterpret_cast<void*>(1)) std::free(data);
    }

    const std::uint8_t* bytes() const { return static_cast<const std::uint8_t*>(data); }
};
