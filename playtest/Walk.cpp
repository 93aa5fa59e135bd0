#include "playtest/Walk.h"

#include <algorithm>
#include <cmath>

WalkStep walkStep(const WalkPose& from, const WalkKeys& keys, float seconds, const GroundHeight& ground,
                  const WalkSettings& settings)
{
    const float dt = std::clamp(seconds, 0.0f, settings.longestFrame);
    WalkStep step;
    step.x = from.x;
    step.y = from.y;
    step.z = from.z;

    const int turning = (keys.turnLeft ? 1 : 0) - (keys.turnRight ? 1 : 0);
    step.turn = turning * settings.turnSpeed * dt;

    const float length = std::hypot(from.forwardX, from.forwardZ);
    const int walking = (keys.forward ? 1 : 0) - (keys.back ? 1 : 0);
    if (walking != 0 && length > 1e-6f) {
        // The direction turned by step.turn about +y (a positive turn takes -z towards -x).
        const float c = std::cos(step.turn), s = std::sin(step.turn);
        const float fx = (from.forwardX * c + from.forwardZ * s) / length;
        const float fz = (-from.forwardX * s + from.forwardZ * c) / length;
        const float distance = walking * settings.speed * dt;
        const float toX = from.x + fx * distance, toZ = from.z + fz * distance;
        // Off the terrain is out of reach; along an edge the walk slides.
        const bool onGround = ground(from.x, from.z).has_value();
        const auto reachable = [&](float x, float z) { return !onGround || ground(x, z).has_value(); };
        if (reachable(toX, toZ)) {
            step.x = toX;
            step.z = toZ;
        } else if (reachable(toX, from.z)) {
            step.x = toX;
        } else if (reachable(from.x, toZ)) {
            step.z = toZ;
        }
    }

    if (const std::optional<float> height = ground(step.x, step.z)) {
        const float target = *height + settings.eyeHeight;
        const float most = settings.settleSpeed * dt;
        step.y = from.y + std::clamp(target - from.y, -most, most);
    }
    return step;
}
