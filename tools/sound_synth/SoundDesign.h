#pragma once

// What the synthesised sounds are made of; the click detector of the tests
// listens for the click's tone, which the music never reaches.
namespace sounddesign {
constexpr int clickRate = 44100;
constexpr double clickSeconds = 0.045;
constexpr double clickToneHz = 2800;

constexpr int musicRate = 22050;
constexpr int musicBars = 4;
constexpr double barSeconds = 3.0;
// Every tone of the music stays below this.
constexpr double musicHighestHz = 1500;
}  // namespace sounddesign
