#include "scene/PlacementGeometry.h"

#include <gtest/gtest.h>

namespace {

void expectVector(const Ogre::Vector3& expected, const Ogre::Vector3& actual)
{
    EXPECT_FLOAT_EQ(expected.x, actual.x);
    EXPECT_FLOAT_EQ(expected.y, actual.y);
    EXPECT_FLOAT_EQ(expected.z, actual.z);
}

TEST(PlacementGeometry, PickPointsAreCutTowardZero)
{
    EXPECT_EQ(-3.0f, truncateToWhole(-3.6f));
    EXPECT_EQ(3.0f, truncateToWhole(3.6f));
    EXPECT_EQ(-2.0f, truncateToWhole(-2.7f));
    EXPECT_EQ(0.0f, truncateToWhole(-0.4f));
    EXPECT_EQ(7.0f, truncateToWhole(7.0f));
}

TEST(PlacementGeometry, MostlyAlongZRoadIsNotTurnedAndShiftedTowardTheEnd)
{
    const RoadShape shape = roadShape(0, 0, 3, 10);
    EXPECT_FALSE(shape.alongX);
    expectVector({2, 0.1f, 10.0f / 11}, shape.scale);
    expectVector({1, 1, 5}, shape.position);
}

TEST(PlacementGeometry, MostlyAlongXRoadIsTurned)
{
    const RoadShape shape = roadShape(0, 0, -8, 2);
    EXPECT_TRUE(shape.alongX);
    expectVector({2, 0.1f, 8.0f / 11}, shape.scale);
    expectVector({-4, 1, 1}, shape.position);
}

TEST(PlacementGeometry, DiagonalRoadRunsAlongZ)
{
    const RoadShape shape = roadShape(0, 0, 4, 4);
    EXPECT_FALSE(shape.alongX);
    expectVector({2, 0.1f, 4.0f / 11}, shape.scale);
    expectVector({1, 1, 2}, shape.position);
}

TEST(PlacementGeometry, RoadShiftsToTheSideOfANegativeOffset)
{
    const RoadShape alongZ = roadShape(5, 5, 2, -5);
    expectVector({4, 1, 0}, alongZ.position);
    const RoadShape alongX = roadShape(5, 5, 15, 1);
    expectVector({10, 1, 4}, alongX.position);
    EXPECT_FLOAT_EQ(10.0f / 11, alongX.scale.z);
}

TEST(PlacementGeometry, AreaScaleIsHalfTheExtentInEitherCornerOrder)
{
    expectVector({3, 0.1f, 2}, areaScale(0, 0, 6, 4));
    expectVector({3, 0.1f, 2}, areaScale(6, 4, 0, 0));
}

TEST(PlacementGeometry, MovedAreaOfOddWidthLosesHalfAUnitEachSide)
{
    const AreaCorners odd = movedAreaCorners({1, 0, 6, 2}, 10, 0);
    EXPECT_EQ(8, odd.x1);
    EXPECT_EQ(12, odd.x2);
}

TEST(PlacementGeometry, MovedAreaKeepsTheOrderOfItsCorners)
{
    const AreaCorners moved = movedAreaCorners({6, 4, 0, 0}, -10, 3);
    EXPECT_EQ(-7, moved.x1);
    EXPECT_EQ(5, moved.z1);
    EXPECT_EQ(-13, moved.x2);
    EXPECT_EQ(1, moved.z2);
}

}  // namespace
