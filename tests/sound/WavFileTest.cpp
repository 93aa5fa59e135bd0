#include "sound/WavFile.h"
#include "tests/sound/WavBytes.h"

#include <AL/alext.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numeric>

namespace fs = std::filesystem;

namespace {

class WavFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path = (fs::temp_directory_path() / ("sahne_wav_" + std::to_string(getpid()) + "_" + info->name() +
                                             ".wav"))
                   .string();
    }
    void TearDown() override { fs::remove(path); }

    void load(const Bytes& bytes, LoadedWav& out) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        loadWavFile(path.c_str(), &out.format, &out.data, &out.size, &out.frequency, &out.loop);
    }

    static void expectDefaults(const LoadedWav& wav) {
        EXPECT_EQ(wav.format, AL_FORMAT_MONO16);
        EXPECT_EQ(wav.data, nullptr);
        EXPECT_EQ(wav.size, 0);
        EXPECT_EQ(wav.frequency, 22050);
        EXPECT_EQ(wav.loop, AL_FALSE);
    }

    // The sample bytes as read, and the 31 zero bytes after the size.
    static void expectSamples(const LoadedWav& wav, const Bytes& samples) {
        ASSERT_NE(wav.data, nullptr);
        ASSERT_EQ(wav.size, ALsizei(samples.size()));
        EXPECT_EQ(Bytes(wav.bytes(), wav.bytes() + wav.size), samples);
        EXPECT_EQ(Bytes(wav.bytes() + wav.size, wav.bytes() + wav.size + 31), Bytes(31, 0));
    }

    std::string path;
};

Bytes counting(std::size_t n) {
    Bytes b(n);
    std::iota(b.begin(), b.end(), std::uint8_t(1));
    return b;
}

TEST_F(WavFileTest, StereoPcm16ReadsSamplesWithZeroTail) {
    LoadedWav wav;
    load(WavBytes().chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)).chunk("data", counting(16)).file(), wav);
    EXPECT_EQ(wav.format, AL_FORMAT_STEREO16);
    EXPECT_EQ(wav.frequency, 44100);
    EXPECT_EQ(wav.loop, AL_FALSE);
    expectSamples(wav, counting(16));
}

TEST_F(WavFileTest, PcmFormatsFollowChannelsAndBits) {
    struct Case { std::uint16_t tag, channels, align, bits; ALenum format; };
    const Case cases[] = {
        {1, 1, 1, 8, AL_FORMAT_MONO8},        {1, 2, 2, 8, AL_FORMAT_STEREO8},
        {1, 1, 2, 16, AL_FORMAT_MONO16},      {1, 1, 3, 24, AL_FORMAT_MONO16},
        {0xFFFE, 2, 2, 8, AL_FORMAT_STEREO8}, {1, 1, 36, 4, AL_FORMAT_MONO_IMA4},
        {1, 2, 72, 4, AL_FORMAT_STEREO_IMA4}, {0x11, 1, 36, 4, AL_FORMAT_MONO_IMA4},
        {0x11, 2, 72, 4, AL_FORMAT_STEREO_IMA4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "tag " << c.tag << " channels " << c.channels << " bits " << c.bits);
        LoadedWav wav;
        load(WavBytes().chunk("fmt ", fmtBody(c.tag, c.channels, 11025, c.align, c.bits, c.tag == 1 ? 0 : 24))
                 .chunk("data", counting(c.align))
                 .file(),
             wav);
        EXPECT_EQ(wav.format, c.format);
        EXPECT_EQ(wav.frequency, 11025);
        expectSamples(wav, counting(c.align));
    }
}

TEST_F(WavFileTest, EightBitMonoWithOddDataKeepsPadOutOfTheSamples) {
    LoadedWav wav;
    load(WavBytes().chunk("fmt ", fmtBody(1, 1, 8000, 1, 8)).chunk("data", counting(5)).file(), wav);
    EXPECT_EQ(wav.format, AL_FORMAT_MONO8);
    EXPECT_EQ(wav.frequency, 8000);
    expectSamples(wav, counting(5));
}

TEST_F(WavFileTest, SixChannelsKeepDefaultFormatButTakeRate) {
    LoadedWav wav;
    load(WavBytes().chunk("fmt ", fmtBody(1, 6, 48000, 12, 16)).chunk("data", counting(24)).file(), wav);
    EXPECT_EQ(wav.format, AL_FORMAT_MONO16);
    EXPECT_EQ(wav.frequency, 48000);
    expectSamples(wav, counting(24));
}

TEST_F(WavFileTest, Mp3TagAsksOpenAlForItsFormat) {
    LoadedWav wav;
    load(WavBytes().chunk("fmt ", fmtBody(0x55, 2, 32000, 1, 0, 14)).chunk("data", counting(3)).file(), wav);
    EXPECT_EQ(wav.format, alGetEnumValue("AL_FORMAT_MP3"));
    EXPECT_EQ(wav.frequency, 32000);
    expectSamples(wav, counting(3));
}

TEST_F(WavFileTest, UnknownTagKeepsFormatAndRateButItsBlocksStillCount) {
    LoadedWav wav;
    // IEEE float: not an OpenAL format here; its block alignment of 4 still cuts the data.
    load(WavBytes().chunk("fmt ", fmtBody(3, 1, 96000, 4, 32, 4)).chunk("data", counting(10)).file(), wav);
    EXPECT_EQ(wav.format, AL_FORMAT_MONO16);
    EXPECT_EQ(wav.frequency, 22050);
    Bytes expected = counting(8);
    expected.resize(10, 0);
    expectSamples(wav, expected);
}

TEST_F(WavFileTest, PartialBlockIsZeroedAndTheNextChunkIsStillFound) {
    LoadedWav wav;
    load(WavBytes()
             .chunk("fmt ", fmtBody(1, 2, 44100, 4, 16))
             .chunk("data", counting(6))
             .chunk("smpl", smplBody(1, 1))
             .file(),
         wav);
    Bytes expected = counting(4);
    expected.resize(6, 0);
    expectSamples(wav, expected);
    EXPECT_EQ(wav.loop, AL_TRUE);
}

TEST_F(WavFileTest, SamplerChunkSetsLoopFromItsCount) {
    const WavBytes base = WavBytes().chunk("fmt ", fmtBody(1, 1, 8000, 1, 8));
    struct Case { std::uint32_t loops; std::size_t records; ALboolean loop; };
    for (const Case& c : {Case{1, 1, AL_TRUE}, Case{3, 1, AL_TRUE}, Case{0, 1, AL_FALSE}, Case{0, 0, AL_FALSE}}) {
        SCOPED_TRACE(::testing::Message() << c.loops << " loops, " << c.records << " records");
        LoadedWav wav;
        load(WavBytes(base).chunk("smpl", smplBody(c.loops, c.records)).chunk("data", counting(2)).file(), wav);
        EXPECT_EQ(wav.loop, c.loop);
        expectSamples(wav, counting(2));
    }
    LoadedWav without;
    load(WavBytes(base).chunk("data", counting(2)).file(), without);
    EXPECT_EQ(without.loop, AL_FALSE);
}

TEST_F(WavFileTest, OddSizedUnknownChunkIsSkippedWithItsPad) {
    LoadedWav wav;
    load(WavBytes()
             .chunk("fmt ", fmtBody(1, 1, 8000, 1, 8))
             .chunk("LIST", counting(5))
             .chunk("data", {9, 8, 7})
             .file(),
         wav);
    expectSamples(wav, {9, 8, 7});
}

TEST_F(WavFileTest, HeaderSizeFourEndsTheWalkAtOnce) {
    LoadedWav wav;
    load(WavBytes().chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)).chunk("data", counting(4)).fileDeclaring(4), wav);
    expectDefaults(wav);
}

TEST_F(WavFileTest, BudgetStopsBeforeChunksPastTheDeclaredSize) {
    // The header covers only the format chunk: the data after it is not read.
    LoadedWav wav;
    load(WavBytes().chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)).chunk("data", counting(4)).fileDeclaring(4 + 24),
         wav);
    EXPECT_EQ(wav.format, AL_FORMAT_STEREO16);
    EXPECT_EQ(wav.data, nullptr);
}

TEST_F(WavFileTest, NullPathAndMissingFileGiveDefaults) {
    LoadedWav none;
    loadWavFile(nullptr, &none.format, &none.data, &none.size, &none.frequency, &none.loop);
    expectDefaults(none);
    LoadedWav missing;
    loadWavFile("/nonexistent/sahne/click.wav", &missing.format, &missing.data, &missing.size,
                &missing.frequency, &missing.loop);
    expectDefaults(missing);
}

TEST_F(WavFileTest, LaterDataChunkReplacesTheEarlierOne) {
    LoadedWav wav;
    load(WavBytes()
             .chunk("fmt ", fmtBody(1, 1, 8000, 1, 8))
             .chunk("data", counting(40))
             .chunk("data", {5, 6})
             .file(),
         wav);
    expectSamples(wav, {5, 6});
}

TEST_F(WavFileTest, EmptyDataChunkStillGetsItsZeroTail) {
    LoadedWav wav;
    load(WavBytes().chunk("fmt ", fmtBody(1, 1, 8000, 1, 8)).chunk("data", {}).file(), wav);
    expectSamples(wav, {});
}

TEST_F(WavFileTest, StreamReaderMatchesFileReader) {
    const Bytes bytes = WavBytes()
                            .chunk("fmt ", fmtBody(1, 2, 44100, 4, 16))
                            .chunk("LIST", counting(3))
                            .chunk("data", counting(12))
                            .chunk("smpl", smplBody(2, 1))
                            .file();
    LoadedWav fromFile;
    load(bytes, fromFile);
    LoadedWav fromMemory;
    std::FILE* memory = fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "rb");
    ASSERT_NE(memory, nullptr);
    loadWavStream(memory, &fromMemory.format, &fromMemory.data, &fromMemory.size, &fromMemory.frequency,
                  &fromMemory.loop);
    std::fclose(memory);
    EXPECT_EQ(fromMemory.format, fromFile.format);
    EXPECT_EQ(fromMemory.frequency, fromFile.frequency);
    EXPECT_EQ(fromMemory.loop, AL_TRUE);
    expectSamples(fromMemory, counting(12));
}

// Damaged and hostile files.

TEST_F(WavFileTest, DataLongerThanTheFileIsCutToWhatTheFileHolds) {
    for (std::uint32_t declared : {1000u, 0x7FFFFFF0u, 0xFFFFFFE1u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(declared);
        LoadedWav wav;
        load(WavBytes().chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)).chunkDeclaring("data", declared, counting(10))
                 .file(),
             wav);
        // The file holds 10 bytes of it: two whole blocks of 4 are read, the rest is zero.
        Bytes expected = counting(8);
        expected.resize(10, 0);
        expectSamples(wav, expected);
    }
}

TEST_F(WavFileTest, DataTooLargeForItsSizeFieldIsRejected) {
    // A sparse file of 3 GiB: its data body cannot be given as an ALsizei with the tail.
    const Bytes head = WavBytes().chunk("fmt ", fmtBody(1, 1, 8000, 1, 8)).chunkDeclaring("data", 0xC0000000u, {})
                           .fileDeclaring(0xFFFFFFFFu);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(head.data()), head.size());
    fs::resize_file(path, 0xC0000000ull + head.size());
    LoadedWav wav;
    loadWavFile(path.c_str(), &wav.format, &wav.data, &wav.size, &wav.frequency, &wav.loop);
    EXPECT_EQ(wav.format, AL_FORMAT_MONO8);
    EXPECT_EQ(wav.data, nullptr);
    EXPECT_EQ(wav.size, 0);
}

TEST_F(WavFileTest, DataWithoutUsableFormatIsIgnored) {
    LoadedWav zeroAlign;
    load(WavBytes().chunk("fmt ", fmtBody(1, 2, 44100, 0, 16)).chunk("data", counting(8)).file(), zeroAlign);
    EXPECT_EQ(zeroAlign.format, AL_FORMAT_STEREO16);
    EXPECT_EQ(zeroAlign.data, nullptr);
    EXPECT_EQ(zeroAlign.size, 0);

    LoadedWav dataFirst;
    load(WavBytes().chunk("data", counting(8)).chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)).file(), dataFirst);
    EXPECT_EQ(dataFirst.format, AL_FORMAT_STEREO16);
    EXPECT_EQ(dataFirst.frequency, 44100);
    EXPECT_EQ(dataFirst.data, nullptr);
    EXPECT_EQ(dataFirst.size, 0);

    // A format body too short for its 16-byte block counts as no format.
    LoadedWav shortFormat;
    Bytes cut = fmtBody(1, 2, 44100, 4, 16);
    cut.resize(8);
    load(WavBytes().chunk("fmt ", cut).chunk("data", counting(8)).file(), shortFormat);
    expectDefaults(shortFormat);

    // Unusable data does not throw away what an earlier chunk gave.
    LoadedWav kept;
    load(WavBytes()
             .chunk("fmt ", fmtBody(1, 1, 8000, 1, 8))
             .chunk("data", {4, 2})
             .chunk("fmt ", fmtBody(1, 1, 8000, 0, 8))
             .chunk("data", counting(8))
             .file(),
         kept);
    expectSamples(kept, {4, 2});
}

TEST_F(WavFileTest, TruncatedHeadersEndTheWalk) {
    const Bytes whole = WavBytes().chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)).chunk("data", counting(8)).file();
    for (std::size_t cut : {0u, 5u, 11u, 12u, 15u}) {
        SCOPED_TRACE(cut);
        LoadedWav wav;
        load(Bytes(whole.begin(), whole.begin() + cut), wav);
        expectDefaults(wav);
    }
    // The file ends inside the header of the chunk after the format.
    LoadedWav partial;
    load(Bytes(whole.begin(), whole.begin() + 12 + 24 + 5), partial);
    EXPECT_EQ(partial.format, AL_FORMAT_STEREO16);
    EXPECT_EQ(partial.data, nullptr);
}

TEST_F(WavFileTest, WrappingBudgetReadsToTheEndOfTheFile) {
    // Sizes of 0 and 0xFFFFFFFF (left by streaming writers) wrap the budget.
    for (std::uint32_t headerSize : {0u, 1u, 2u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(headerSize);
        LoadedWav wav;
        load(WavBytes().chunk("fmt ", fmtBody(1, 2, 44100, 4, 16)).chunk("data", counting(8)).fileDeclaring(headerSize),
             wav);
        EXPECT_EQ(wav.format, AL_FORMAT_STEREO16);
        expectSamples(wav, counting(8));
    }
}

TEST_F(WavFileTest, HugeChunkSizesEndTheWalkCleanly) {
    for (std::uint32_t declared : {0xFFFFFFFFu, 0xFFFFFFF7u, 0x80000000u}) {
        SCOPED_TRACE(declared);
        for (const char* id : {"fmt ", "smpl", "LIST"}) {
            LoadedWav wav;
            load(WavBytes()
                     .chunk("fmt ", fmtBody(1, 1, 8000, 1, 8))
                     .chunk("data", {1})
                     .chunkDeclaring(id, declared, counting(40))
                     .chunk("data", {2, 3})
                     .fileDeclaring(0xFFFFFFFFu),
                 wav);
            // The huge chunk swallows the rest of the file.
            expectSamples(wav, {1});
        }
    }
}

}  // namespace
