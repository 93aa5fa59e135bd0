#pragma once

#include <vector>

// A short soft click: mono samples at the click rate.
std::vector<float> synthesiseClick();

// A calm loop of pads, bass and an arpeggio over four bars: interleaved stereo
// samples at the music rate. The loop is rendered circularly (tails that run
// past the end sound again at the start), so its end joins its start.
std::vector<float> synthesiseMusic();
