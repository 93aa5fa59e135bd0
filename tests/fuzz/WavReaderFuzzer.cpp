// Feeds arbitrary bytes to the WAV reader and checks what it promises about the
// sample block: size + 31 bytes, no more sample bytes than the input holds, a
// zero tail.
#include "sound/WavFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t length) {
    if (length == 0) return 0;  // fmemopen wants a buffer
    std::FILE* memory = fmemopen(const_cast<std::uint8_t*>(bytes), length, "rb");
    if (!memory) return 0;
    ALenum format;
    void* data;
    ALsizei size, frequency;
    ALboolean loop;
    loadWavStream(memory, &format, &data, &size, &frequency, &loop);
    std::fclose(memory);

    if (size < 0 || std::size_t(size) > length) std::abort();
    if (data) {
        const auto* block = static_cast<const volatile std::uint8_t*>(data);
        unsigned sum = 0;
        for (ALsizei i = 0; i < size; ++i) sum += block[i];
        for (int i = 0; i < 31; ++i)
            if (block[size + i] != 0) std::abort();
        (void)sum;
    }
    std::free(data);
    return 0;
}
