#include "playtest/Walk.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A terrain over -100..100 in x and z that rises by 1 for every 10 units to +x.
std::optional<float> slope(float x, float z)
{
    if (std::fabs(x) > 100 || std::fabs(z) > 100)
        return std::nullopt;
    return 50 + x / 10;
}

WalkKeys forward()
{
    WalkKeys keys;
    keys.forward = true;
    return keys;
}

WalkPose walkFor(WalkPose pose, const WalkKeys& keys, int frames, float seconds)
{
    for (int i = 0; i < frames; ++i) {
        const WalkStep step = walkStep(pose, keys, seconds, slope);
        const float c = std::cos(step.turn), s = std::sin(step.turn);
        pose = {step.x, step.y, step.z, pose.forwardX * c + pose.forwardZ * s, -pose.forwardX * s + pose.forwardZ * c};
    }
    return pose;
}

}  // namespace

TEST(Walk, TheSameDistanceAtAnyFrameRate)
{
    const WalkSettings settings;
    const WalkPose start{0, 62, 0, 0, -1};
    const WalkPose slow = walkFor(start, forward(), 10, 0.1f);
    const WalkPose fast = walkFor(start, forward(), 100, 0.01f);
    EXPECT_NEAR(slow.z, -settings.speed, 1e-3);
    EXPECT_NEAR(fast.z, -settings.speed, 1e-3);
    EXPECT_NEAR(slow.x, 0, 1e-4);
}

TEST(Walk, AlongTheViewsDirectionAndBack)
{
    const WalkSettings settings;
    // A view looking down at an angle: only its direction on the ground counts.
    const WalkStep step = walkStep({0, 62, 0, 0.3f, 0.4f}, forward(), 0.1f, slope);
    EXPECT_NEAR(step.x, 0.6f * settings.speed * 0.1f, 1e-4);
    EXPECT_NEAR(step.z, 0.8f * settings.speed * 0.1f, 1e-4);
    WalkKeys back;
    back.back = true;
    const WalkStep backwards = walkStep({0, 62, 0, 0, -1}, back, 0.1f, slope);
    EXPECT_NEAR(backwards.z, settings.speed * 0.1f, 1e-4);
}

TEST(Walk, TurnsLeftAndRightAtASteadyRate)
{
    const WalkSettings settings;
    WalkKeys left;
    left.turnLeft = true;
    WalkKeys right;
    right.turnRight = true;
    EXPECT_NEAR(walkStep({0, 62, 0, 0, -1}, left, 0.05f, slope).turn, settings.turnSpeed * 0.05f, 1e-6);
    EXPECT_NEAR(walkStep({0, 62, 0, 0, -1}, right, 0.05f, slope).turn, -settings.turnSpeed * 0.05f, 1e-6);
    // A left turn from looking along -z heads towards -x.
    left.forward = true;
    const WalkStep step = walkStep({0, 62, 0, 0, -1}, left, 0.1f, slope);
    EXPECT_LT(step.x, 0);
    EXPECT_LT(step.z, 0);
}

TEST(Walk, TheEyeSettlesAtItsHeightAndFollowsTheGround)
{
    const WalkSettings settings;
    // From far above, the eye sinks at a limited rate: no jump.
    const WalkStep first = walkStep({0, 200, 0, 1, 0}, WalkKeys{}, 0.1f, slope);
    EXPECT_NEAR(first.y, 200 - settings.settleSpeed * 0.1f, 1e-3);
    const WalkPose settled = walkFor({0, 200, 0, 1, 0}, WalkKeys{}, 20, 0.1f);
    EXPECT_NEAR(settled.y, 50 + settings.eyeHeight, 1e-3);
    // Walking uphill keeps the same height above the ground.
    const WalkPose uphill = walkFor(settled, forward(), 10, 0.05f);
    EXPECT_GT(uphill.x, 15);
    EXPECT_NEAR(uphill.y, *slope(uphill.x, uphill.z) + settings.eyeHeight, 1e-3);
}

TEST(Walk, TheEdgeStopsTheWalkAndItSlidesAlongIt)
{
    // Heading straight at the +x edge.
    const WalkPose stopped = walkFor({95, 72, 0, 1, 0}, forward(), 20, 0.1f);
    EXPECT_LE(stopped.x, 100);
    EXPECT_GT(stopped.x, 95);
    // Heading diagonally into it: x stops, z goes on.
    const WalkPose slid = walkFor({99, 72, 0, 1, -1}, forward(), 10, 0.1f);
    EXPECT_LE(slid.x, 100);
    EXPECT_LT(slid.z, -20);
}

TEST(Walk, AStallDoesNotMakeTheViewJump)
{
    const WalkSettings settings;
    const WalkStep step = walkStep({0, 62, 0, 0, -1}, forward(), 3.0f, slope);
    EXPECT_NEAR(step.z, -settings.speed * settings.longestFrame, 1e-4);
}
