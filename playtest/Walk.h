#pragma once

#include <functional>
#include <optional>

// The trainee's walk over the terrain, one frame at a time: the up and down keys
// walk along the view's horizontal direction, left and right turn; the eye keeps
// a fixed height above the ground and the terrain's edges stop the walk.

struct WalkKeys {
    bool forward = false;
    bool back = false;
    bool turnLeft = false;
    bool turnRight = false;
};

struct WalkSettings {
    float speed = 40;          // units a second
    float turnSpeed = 1.2f;    // radians a second
    float eyeHeight = 12;      // above the ground
    float settleSpeed = 150;   // units a second the eye rises or sinks towards its height
    float longestFrame = 0.1f; // a longer frame (a stall) counts as this long
};

// The ground height under (x, z), or nothing off the terrain.
using GroundHeight = std::function<std::optional<float>(float x, float z)>;

struct WalkPose {
    float x = 0, y = 0, z = 0;
    // The view's direction on the ground (need not be of unit length; zero when
    // the view looks straight up or down, and then the walk only turns).
    float forwardX = 0, forwardZ = -1;
};

struct WalkStep {
    float turn = 0;  // radians about the vertical, positive to the left
    float x = 0, y = 0, z = 0;
};

// One frame of seconds: the turn first, then the walk along the turned direction.
WalkStep walkStep(const WalkPose& from, const WalkKeys& keys, float seconds, const GroundHeight& ground,
                  const WalkSettings& settings = {});
