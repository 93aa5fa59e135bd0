#include "tools/sound_synth/Synth.h"

#include "tools/sound_synth/SoundDesign.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

using namespace sounddesign;

namespace {

constexpr double pi = 3.14159265358979323846;

double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// Scales so that the loudest sample reaches peak.
void normalise(std::vector<float>& samples, float peak) {
    float loudest = 0;
    for (float s : samples) loudest = std::max(loudest, std::fabs(s));
    if (loudest > 0)
        for (float& s : samples) s *= peak / loudest;
}

// Stereo buffer that wraps around: what sounds past the end comes back at the start.
class LoopBuffer {
public:
    explicit LoopBuffer(std::size_t frames) : samples(frames * 2, 0.0f), frames(frames) {}

    // A tone of a few harmonics; envelope(t) gives its level t seconds after start.
    template <class Envelope>
    void addTone(double start, double seconds, double hz, const double (&harmonics)[3], double level,
                 double pan, Envelope envelope) {
        const std::size_t first = std::size_t(std::lround(start * musicRate));
        const std::size_t count = std::size_t(seconds * musicRate);
        const double left = level * std::cos(pan * pi / 2), right = level * std::sin(pan * pi / 2);
        for (std::size_t k = 0; k < count; ++k) {
            const double t = double(k) / musicRate;
            double v = 0;
            for (int h = 0; h < 3; ++h) v += harmonics[h] * std::sin(2 * pi * hz * (h + 1) * t);
            v *= envelope(t);
            const std::size_t frame = (first + k) % frames;
            samples[frame * 2] += float(v * left);
            samples[frame * 2 + 1] += float(v * right);
        }
    }

    std::vector<float> samples;

private:
    std::size_t frames;
};

// Am - F - C - G, each as three notes from low to high.
const int chords[musicBars][3] = {{57, 60, 64}, {53, 57, 60}, {55, 60, 64}, {55, 59, 62}};

}  // namespace

std::vector<float> synthesiseClick() {
    const std::size_t count = std::size_t(clickSeconds * clickRate);
    const double attack = 0.0015, fade = 0.005;
    std::vector<float> samples(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double t = double(k) / clickRate;
        double envelope = std::exp(-t / 0.008);
        if (t < attack) envelope *= 0.5 - 0.5 * std::cos(pi * t / attack);
        const double untilEnd = clickSeconds - t;
        if (untilEnd < fade) envelope *= untilEnd / fade;
        samples[k] = float(envelope * (0.8 * std::sin(2 * pi * clickToneHz * t) +
                                       0.35 * std::sin(2 * pi * clickToneHz / 2 * t)));
    }
    normalise(samples, 0.45f);
    return samples;
}

std::vector<float> synthesiseMusic() {
    LoopBuffer loop(std::size_t(musicBars * barSeconds * musicRate));
    const double padTimbre[3] = {1.0, 0.3, 0.12};
    const double bassTimbre[3] = {1.0, 0.15, 0.0};
    const double pluckTimbre[3] = {1.0, 0.2, 0.0};
    const double padAttack = 0.6, padRelease = 1.2;
    auto pad = [&](double t) {
        const double rise = t < padAttack ? std::sin(pi / 2 * t / padAttack) : 1.0;
        const double fall = t > barSeconds ? std::cos(pi / 2 * (t - barSeconds) / padRelease) : 1.0;
        return rise * fall;
    };
    auto pluck = [](double t) { return std::min(1.0, t / 0.005) * std::exp(-t / 0.35); };
    const int arpeggio[8] = {0, 1, 2, 3, 2, 1, 0, 1};

    for (int bar = 0; bar < musicBars; ++bar) {
        const double start = bar * barSeconds;
        const int* chord = chords[bar];
        for (int i = 0; i < 3; ++i) {
            // Two slightly detuned voices, one on each side, for a wide pad.
            const double hz = midiHz(chord[i]);
            loop.addTone(start, barSeconds + padRelease, hz * 0.9985, padTimbre, 0.06, 0.2, pad);
            loop.addTone(start, barSeconds + padRelease, hz * 1.0015, padTimbre, 0.06, 0.8, pad);
        }
        loop.addTone(start, barSeconds + padRelease, midiHz(chord[0] - 12), bassTimbre, 0.12, 0.5, pad);
        for (int step = 0; step < 8; ++step) {
            const int index = arpeggio[step];
            const int note = (index < 3 ? chord[index] : chord[0] + 12) + 12;
            loop.addTone(start + step * barSeconds / 8, 1.5, midiHz(note), pluckTimbre, 0.07,
                         step % 2 ? 0.7 : 0.3, pluck);
        }
    }
    normalise(loop.samples, 0.5f);
    return loop.samples;
}
