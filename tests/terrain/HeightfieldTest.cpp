#include "scene/terrain/Heightfield.h"

#include <OgreException.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// 3 x 3 samples over 100 x 50 units: columns at x = -50, 0, 50; rows at z = -25, 0, 25.
Heightfield smallField() {
    return Heightfield(3, 100, 50,
                       {0, 10, 20,  //
                        30, 40, 50,  //
                        60, 70, 80});
}

// The first crossing found by marching in small steps and bisecting: slow, but
// obviously right, to check the cell walk against.
std::optional<Ogre::Vector3> marchedHit(const Heightfield& field, const Ogre::Ray& ray, double length) {
    const auto gap = [&](double t) -> std::optional<double> {
        const Ogre::Vector3 p = ray.getPoint(Ogre::Real(t));
        const auto h = field.heightAt(p.x, p.z);
        if (!h) return std::nullopt;
        return double(p.y) - *h;
    };
    const double step = 0.01;
    std::optional<double> previous = gap(0);
    for (double t = step; t <= length; t += step) {
        const std::optional<double> current = gap(t);
        if (previous && current && (*previous > 0) != (*current > 0)) {
            double lo = t - step, hi = t;
            for (int i = 0; i < 60; ++i) {
                const double mid = 0.5 * (lo + hi);
                ((*gap(mid) > 0) == (*previous > 0) ? lo : hi) = mid;
            }
            return ray.getPoint(Ogre::Real(lo));
        }
        previous = current;
    }
    return std::nullopt;
}

}  // namespace

TEST(Heightfield, RejectsSamplesThatDoNotFit) {
    EXPECT_THROW(Heightfield(3, 10, 10, std::vector<float>(8)), Ogre::Exception);
    EXPECT_THROW(Heightfield(1, 10, 10, std::vector<float>(1)), Ogre::Exception);
    EXPECT_THROW(Heightfield(2, 0, 10, std::vector<float>(4)), Ogre::Exception);
    EXPECT_THROW(Heightfield(2, 10, -1, std::vector<float>(4)), Ogre::Exception);
    EXPECT_THROW(Heightfield(2, 10, 10, {0, 1, NAN, 2}), Ogre::Exception);
}

TEST(Heightfield, IsCentredOnTheOriginWithRowsAlongZ) {
    const Heightfield field = smallField();
    EXPECT_EQ(field.vertex(0, 0), Ogre::Vector3(-50, 0, -25));
    EXPECT_EQ(field.vertex(2, 0), Ogre::Vector3(50, 20, -25));
    EXPECT_EQ(field.vertex(0, 2), Ogre::Vector3(-50, 60, 25));
    EXPECT_EQ(field.vertex(1, 1), Ogre::Vector3(0, 40, 0));
    EXPECT_FLOAT_EQ(field.minHeight(), 0);
    EXPECT_FLOAT_EQ(field.maxHeight(), 80);
}

TEST(Heightfield, SamplesCornersCentreAndBetweenPixels) {
    const Heightfield field = smallField();
    EXPECT_FLOAT_EQ(*field.heightAt(-50, -25), 0);
    EXPECT_FLOAT_EQ(*field.heightAt(50, -25), 20);
    EXPECT_FLOAT_EQ(*field.heightAt(-50, 25), 60);
    EXPECT_FLOAT_EQ(*field.heightAt(50, 25), 80);
    EXPECT_FLOAT_EQ(*field.heightAt(0, 0), 40);
    // Half way along an edge, and in the middle of a cell (mean of its corners).
    EXPECT_FLOAT_EQ(*field.heightAt(-25, -25), 5);
    EXPECT_FLOAT_EQ(*field.heightAt(25, 12.5f), (40 + 50 + 70 + 80) / 4.0f);
    // A quarter of the way across and three quarters down the first cell:
    // 0.25 * (0.75 * 0 + 0.25 * 10) + 0.75 * (0.75 * 30 + 0.25 * 40) = 25.
    EXPECT_FLOAT_EQ(*field.heightAt(-37.5f, -6.25f), 25);
}

TEST(Heightfield, HasNoHeightOffTheTerrain) {
    const Heightfield field = smallField();
    EXPECT_FALSE(field.heightAt(50.5f, 0));
    EXPECT_FALSE(field.heightAt(-50.5f, 0));
    EXPECT_FALSE(field.heightAt(0, 25.5f));
    EXPECT_FALSE(field.heightAt(0, -26));
}

TEST(Heightfield, NormalsFollowTheSlope) {
    const Heightfield flat(3, 20, 20, std::vector<float>(9, 7));
    EXPECT_TRUE(flat.normal(1, 1).positionEquals(Ogre::Vector3::UNIT_Y));
    EXPECT_TRUE(flat.normal(0, 2).positionEquals(Ogre::Vector3::UNIT_Y));
    // Rising by 10 per 10 units in x: the normal leans back towards -x at 45 degrees.
    const Heightfield ramp(3, 20, 20, {0, 10, 20, 0, 10, 20, 0, 10, 20});
    const Ogre::Vector3 expected = Ogre::Vector3(-1, 1, 0).normalisedCopy();
    EXPECT_TRUE(ramp.normal(1, 1).positionEquals(expected, 1e-5f));
    EXPECT_TRUE(ramp.normal(0, 0).positionEquals(expected, 1e-5f));
    EXPECT_TRUE(ramp.normal(2, 2).positionEquals(expected, 1e-5f));
}

TEST(Heightfield, ARayStraightDownMeetsTheSampledHeight) {
    const Heightfield field = smallField();
    for (const auto& [x, z] : {std::pair<float, float>{0, 0}, {-37.5f, -6.25f}, {25, 12.5f}, {50, 25}, {-50, -25},
                               {13.7f, -21.1f}}) {
        SCOPED_TRACE(std::to_string(x) + ", " + std::to_string(z));
        const auto hit = field.intersect(Ogre::Ray(Ogre::Vector3(x, 5000, z), Ogre::Vector3::NEGATIVE_UNIT_Y));
        ASSERT_TRUE(hit);
        EXPECT_NEAR(hit->point.x, x, 1e-4);
        EXPECT_NEAR(hit->point.z, z, 1e-4);
        EXPECT_NEAR(hit->point.y, *field.heightAt(x, z), 1e-3);
        EXPECT_NEAR(hit->distance, 5000 - *field.heightAt(x, z), 1e-3);
    }
}

TEST(Heightfield, DistanceIsMeasuredInUnitsOfTheDirection) {
    const Heightfield flat(3, 20, 20, std::vector<float>(9, 10));
    const Ogre::Ray ray(Ogre::Vector3(0, 30, 0), Ogre::Vector3(0, -4, 0));
    const auto hit = flat.intersect(ray);
    ASSERT_TRUE(hit);
    EXPECT_FLOAT_EQ(hit->distance, 5);
    EXPECT_TRUE(hit->point.positionEquals(Ogre::Vector3(0, 10, 0)));
}

TEST(Heightfield, MissesRaysThatNeverReachTheSurface) {
    const Heightfield field = smallField();
    // Upwards, above the highest point, beside the terrain, away from it, no direction.
    EXPECT_FALSE(field.intersect(Ogre::Ray(Ogre::Vector3(0, 100, 0), Ogre::Vector3::UNIT_Y)));
    EXPECT_FALSE(field.intersect(Ogre::Ray(Ogre::Vector3(-200, 81, 0), Ogre::Vector3::UNIT_X)));
    EXPECT_FALSE(field.intersect(Ogre::Ray(Ogre::Vector3(60, 5000, 0), Ogre::Vector3::NEGATIVE_UNIT_Y)));
    EXPECT_FALSE(field.intersect(Ogre::Ray(Ogre::Vector3(-200, 50, 0), Ogre::Vector3(-1, -0.1f, 0))));
    EXPECT_FALSE(field.intersect(Ogre::Ray(Ogre::Vector3(0, 50, 0), Ogre::Vector3::ZERO)));
    // Pointing away from the surface right behind the origin.
    EXPECT_FALSE(field.intersect(Ogre::Ray(Ogre::Vector3(0, 41, 0), Ogre::Vector3(0, 1, -1))));
}

TEST(Heightfield, AHorizontalRayHitsTheFirstHillInItsWay) {
    // A ridge of height 40 along the middle column, flat 0 elsewhere.
    const Heightfield ridge(5, 40, 40, {0, 0, 40, 0, 0,  //
                                        0, 0, 40, 0, 0,  //
                                        0, 0, 40, 0, 0,  //
                                        0, 0, 40, 0, 0,  //
                                        0, 0, 40, 0, 0});
    // At height 20 the ridge flank is half way up: x = -5 coming from -x, +5 from +x.
    auto hit = ridge.intersect(Ogre::Ray(Ogre::Vector3(-100, 20, 3), Ogre::Vector3::UNIT_X));
    ASSERT_TRUE(hit);
    EXPECT_TRUE(hit->point.positionEquals(Ogre::Vector3(-5, 20, 3), 1e-4f));
    hit = ridge.intersect(Ogre::Ray(Ogre::Vector3(100, 20, -7), Ogre::Vector3::NEGATIVE_UNIT_X));
    ASSERT_TRUE(hit);
    EXPECT_TRUE(hit->point.positionEquals(Ogre::Vector3(5, 20, -7), 1e-4f));
}

TEST(Heightfield, ObliqueRaysAgreeWithMarchingAlongTheRay) {
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> unit(0, 1);
    const std::size_t size = 17;
    std::vector<float> heights(size * size);
    for (float& h : heights) h = 50 * unit(random);
    const Heightfield field(size, 160, 120, heights);

    int hits = 0, misses = 0;
    for (int i = 0; i < 200; ++i) {
        const Ogre::Vector3 origin(240 * unit(random) - 120, 60 + 40 * unit(random), 200 * unit(random) - 100);
        const Ogre::Vector3 target(240 * unit(random) - 120, -10, 180 * unit(random) - 90);
        const Ogre::Ray ray(origin, (target - origin).normalisedCopy());
        SCOPED_TRACE("ray " + std::to_string(i));
        const auto expected = marchedHit(field, ray, origin.distance(target));
        const auto actual = field.intersect(ray);
        ASSERT_EQ(bool(expected), bool(actual));
        if (!actual) {
            ++misses;
            continue;
        }
        ++hits;
        EXPECT_TRUE(actual->point.positionEquals(*expected, 1e-2f))
            << actual->point << " instead of " << *expected;
        EXPECT_NEAR(actual->point.y, *field.heightAt(actual->point.x, actual->point.z), 1e-3);
    }
    // The rays were chosen so that both outcomes are exercised.
    EXPECT_GT(hits, 100);
    EXPECT_GT(misses, 5);
}

namespace {

const int sampleSteps = 160;

// The highest height over a convex polygon found by sampling it densely: slow,
// a little low at worst, but obviously right.
std::optional<float> sampledHighest(const Heightfield& field, const std::vector<Ogre::Vector2>& polygon) {
    std::optional<float> best;
    const int steps = sampleSteps;
    // Points spread over the polygon (its corners 0 1 2 3 in order) by two blends.
    for (int i = 0; i <= steps; ++i)
        for (int j = 0; j <= steps; ++j) {
            const float s = float(i) / steps, t = float(j) / steps;
            const Ogre::Vector2 near = polygon[0] + (polygon[1] - polygon[0]) * s;
            const Ogre::Vector2 far = polygon[3] + (polygon[2] - polygon[3]) * s;
            const Ogre::Vector2 p = near + (far - near) * t;
            if (const auto h = field.heightAt(p.x, p.y)) best = best ? std::max(*best, *h) : *h;
        }
    return best;
}

}  // namespace

// Items stand on the highest ground under them: no point under a turned
// rectangle may be higher than what is found, and what is found is there.
TEST(Heightfield, HighestUnderATurnedRectangleAgreesWithSamplingIt) {
    std::mt19937 random(99);
    std::uniform_real_distribution<float> unit(0, 1);
    const std::size_t size = 9;
    std::vector<float> heights(size * size);
    for (float& h : heights) h = 40 * unit(random);
    const Heightfield field(size, 80, 80, heights);

    int partlyOff = 0;
    for (int i = 0; i < 150; ++i) {
        const Ogre::Vector2 centre(100 * unit(random) - 50, 100 * unit(random) - 50);
        const float angle = 6.3f * unit(random), length = 3 + 30 * unit(random), width = 1 + 8 * unit(random);
        const Ogre::Vector2 along = Ogre::Vector2(std::cos(angle), std::sin(angle)) * (length / 2);
        const Ogre::Vector2 across = Ogre::Vector2(-along.y, along.x) * (width / length);
        const std::vector<Ogre::Vector2> rectangle{centre - along - across, centre + along - across,
                                                   centre + along + across, centre - along + across};
        SCOPED_TRACE("rectangle " + std::to_string(i));
        const auto sampled = sampledHighest(field, rectangle);
        const auto found = field.highestUnder(rectangle);
        ASSERT_EQ(bool(sampled), bool(found));
        if (!found) continue;
        partlyOff += !field.heightAt(rectangle[0].x, rectangle[0].y) || !field.heightAt(rectangle[2].x, rectangle[2].y);
        EXPECT_GE(*found + 1e-3f, *sampled);
        // Samples this far apart on slopes of at most 4 * sqrt(2) can miss the top by this much.
        EXPECT_LE(*found, *sampled + 6 * length / sampleSteps);
    }
    EXPECT_GT(partlyOff, 10);
    // A rectangle wholly off the terrain has no height under it.
    EXPECT_FALSE(field.highestUnder({{100, 100}, {110, 100}, {110, 110}, {100, 110}}));
}
