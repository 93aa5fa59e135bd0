#include "tests/sound/ClickDetector.h"

#include "sound/WavFile.h"
#include "tools/sound_synth/SoundDesign.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double pi = 3.14159265358979323846;
// Amplitude of the click's tone (full scale 1) that counts as a click.
constexpr double clickLevel = 0.02;

// Amplitude of one frequency in a Hann-windowed stretch of samples.
double toneAmplitude(const std::vector<double>& x, std::size_t from, std::size_t count, double hz, int rate) {
    const double w = 2 * pi * hz / rate;
    double re = 0, im = 0, windowSum = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const double window = 0.5 - 0.5 * std::cos(2 * pi * double(k) / double(count));
        re += x[from + k] * window * std::cos(w * double(k));
        im += x[from + k] * window * std::sin(w * double(k));
        windowSum += window;
    }
    return 2 * std::sqrt(re * re + im * im) / windowSum;
}

}  // namespace

std::vector<double> findClickTimes(const std::vector<std::int16_t>& interleaved, int channels, int rate) {
    std::vector<double> mono(interleaved.size() / std::size_t(channels));
    for (std::size_t f = 0; f < mono.size(); ++f) {
        double sum = 0;
        for (int c = 0; c < channels; ++c) sum += interleaved[f * std::size_t(channels) + std::size_t(c)];
        mono[f] = sum / channels / 32768.0;
    }
    const std::size_t window = std::size_t(rate / 100);
    std::vector<double> times;
    bool sounding = false;
    for (std::size_t from = 0; from + window <= mono.size(); from += window) {
        const bool loud = toneAmplitude(mono, from, window, sounddesign::clickToneHz, rate) > clickLevel;
        if (loud && !sounding) times.push_back(double(from) / rate);
        sounding = loud;
    }
    return times;
}

bool readRecording(const std::string& path, Recording& out) {
    ALenum format;
    void* data;
    ALsizei size, frequency;
    ALboolean loop;
    loadWavFile(path.c_str(), &format, &data, &size, &frequency, &loop);
    const bool pcm16 = data && (format == AL_FORMAT_MONO16 || format == AL_FORMAT_STEREO16);
    if (pcm16) {
        out.channels = format == AL_FORMAT_STEREO16 ? 2 : 1;
        out.rate = frequency;
        out.samples.resize(std::size_t(size) / 2);
        std::memcpy(out.samples.data(), data, out.samples.size() * 2);
    }
    std::free(data);
    return pcm16;
}
