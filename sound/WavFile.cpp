#include "sound/WavFile.h"

#include <sys/types.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

// Zero bytes after the samples, for decoders that read past the end.
constexpr std::uint64_t zeroTail = 31;

constexpr std::uint16_t tagPcm = 1;
constexpr std::uint16_t tagImaAdpcm = 0x11;
constexpr std::uint16_t tagMp3 = 0x55;
constexpr std::uint16_t tagExtensible = 0xFFFE;

std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

// The first 16 bytes of a "fmt " body.
struct FormatBlock {
    std::uint16_t tag;
    std::uint16_t channels;
    std::uint32_t samplesPerSecond;
    std::uint16_t blockAlign;
    std::uint16_t bitsPerSample;
};

// The extension formats are looked up by name; OpenAL answers without a context.
ALenum extensionFormat(const char* name) { return alGetEnumValue(name); }

class WavWalker {
public:
    WavWalker(std::FILE* file, ALenum* format, void** data, ALsizei* size, ALsizei* frequency,
              ALboolean* loop)
        : file(file), format(format), data(data), size(size), frequency(frequency), loop(loop) {}

    void walk() {
        if (!measureLength()) return;
        unsigned char header[12];
        if (!readAt(0, header, sizeof header)) return;
        // The byte budget, in 32-bit arithmetic as the format defines it: a size
        // of 0 or 0xFFFFFFFF (streamed files) wraps to "until the file ends".
        std::uint32_t remaining = ((le32(header + 4) + 1) & ~1u) - 4;
        std::uint64_t position = sizeof header;
        // Each turn moves at least one chunk header forward, and the read fails
        // at the end of the file, so the walk always ends.
        while (remaining != 0) {
            unsigned char chunk[8];
            if (!readAt(position, chunk, sizeof chunk)) break;
            const std::uint32_t bodySize = le32(chunk + 4);
            const std::uint64_t bodyStart = position + sizeof chunk;
            if (std::memcmp(chunk, "fmt ", 4) == 0)
                readFormat(bodyStart, bodySize);
            else if (std::memcmp(chunk, "data", 4) == 0)
                readData(bodyStart, bodySize);
            else if (std::memcmp(chunk, "smpl", 4) == 0)
                readLoop(bodyStart, bodySize);
            position = bodyStart + bodySize + (bodySize & 1);
            remaining -= ((bodySize + 1) & ~1u) + 8;
        }
    }

private:
    bool measureLength() {
        if (fseeko(file, 0, SEEK_END) != 0) return false;
        const off_t end = ftello(file);
        if (end < 0) return false;
        length = std::uint64_t(end);
        return true;
    }

    bool seekTo(std::uint64_t position) {
        return position <= length && fseeko(file, off_t(position), SEEK_SET) == 0;
    }

    bool readAt(std::uint64_t position, unsigned char* into, std::size_t count) {
        return seekTo(position) && std::fread(into, 1, count, file) == count;
    }

    void readFormat(std::uint64_t bodyStart, std::uint32_t bodySize) {
        unsigned char bytes[16];
        if (bodySize < sizeof bytes || !readAt(bodyStart, bytes, sizeof bytes)) return;
        const FormatBlock block{le16(bytes), le16(bytes + 2), le32(bytes + 4), le16(bytes + 12),
                                le16(bytes + 14)};
        current = block;
        switch (block.tag) {
        case tagPcm:
        case tagExtensible:
            if (block.channels == 1)
                *format = block.bitsPerSample == 4   ? extensionFormat("AL_FORMAT_MONO_IMA4")
                          : block.bitsPerSample == 8 ? AL_FORMAT_MONO8
                                                     : AL_FORMAT_MONO16;
            else if (block.channels == 2)
                *format = block.bitsPerSample == 4   ? extensionFormat("AL_FORMAT_STEREO_IMA4")
                          : block.bitsPerSample == 8 ? AL_FORMAT_STEREO8
                                                     : AL_FORMAT_STEREO16;
            break;
        case tagImaAdpcm:
            if (block.channels == 1)
                *format = extensionFormat("AL_FORMAT_MONO_IMA4");
            else if (block.channels == 2)
                *format = extensionFormat("AL_FORMAT_STEREO_IMA4");
            break;
        case tagMp3:
            *format = extensionFormat("AL_FORMAT_MP3");
            break;
        default:
            return;  // unknown coding: format and rate stay as they are
        }
        *frequency = ALsizei(block.samplesPerSecond);
    }

    void readData(std::uint64_t bodyStart, std::uint32_t bodySize) {
        if (!current || current->blockAlign == 0) return;
        const std::uint64_t held = length > bodyStart ? length - bodyStart : 0;
        const std::uint64_t usable = bodySize < held ? bodySize : held;
        if (usable > std::uint64_t(INT_MAX) - zeroTail) return;

        std::free(*data);  // a later "data" chunk replaces the earlier one
        *data = nullptr;
        *size = ALsizei(usable);
        auto* block = static_cast<unsigned char*>(std::malloc(usable + zeroTail));
        if (!block) return;
        const std::uint64_t wholeBlocks = usable / current->blockAlign * current->blockAlign;
        const std::size_t got = seekTo(bodyStart) ? std::fread(block, 1, wholeBlocks, file) : 0;
        std::memset(block + got, 0, usable + zeroTail - got);
        *data = block;
    }

    void readLoop(std::uint64_t bodyStart, std::uint32_t bodySize) {
        // 36-byte sampler header; the number of loops is its field at offset 28.
        unsigned char header[32];
        if (bodySize < sizeof header || !readAt(bodyStart, header, sizeof header)) return;
        *loop = le32(header + 28) != 0 ? AL_TRUE : AL_FALSE;
    }

    std::FILE* file;
    ALenum* format;
    void** data;
    ALsizei* size;
    ALsizei* frequency;
    ALboolean* loop;
    std::uint64_t length = 0;
    std::optional<FormatBlock> current;
};

void writeDefaults(ALenum* format, void** data, ALsizei* size, ALsizei* frequency, ALboolean* loop) {
    *format = AL_FORMAT_MONO16;
    *data = nullptr;
    *size = 0;
    *frequency = 22050;
    *loop = AL_FALSE;
}

}  // namespace

void loadWavStream(std::FILE* file, ALenum* format, void** data, ALsizei* size, ALsizei* frequency,
                   ALboolean* loop) {
    writeDefaults(format, data, size, frequency, loop);
    WavWalker(file, format, data, size, frequency, loop).walk();
}

void loadWavFile(const char* path, ALenum* format, void** data, ALsizei* size, ALsizei* frequency,
                 ALboolean* loop) {
    writeDefaults(format, data, size, frequency, loop);
    if (!path) return;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return;
    loadWavStream(file, format, data, size, frequency, loop);
    std::fclose(file);
}
