#include "chart/canvas/geometry.h"
#include "chart/canvas/hit_tests.h"

#include <gtest/gtest.h>

#include <array>
#include <numbers>

TEST(HitSegment, HorizontalSegmentMatchesOnlyPointsOnIt)
{
    EXPECT_TRUE(HitSegment({5, 0}, 0, 0, 10, 0));
    EXPECT_TRUE(HitSegment({0, 0}, 0, 0, 10, 0));
    EXPECT_TRUE(HitSegment({10, 0}, 0, 0, 10, 0));
    EXPECT_FALSE(HitSegment({5, 1}, 0, 0, 10, 0));
    EXPECT_FALSE(HitSegment({11, 0}, 0, 0, 10, 0));
    EXPECT_FALSE(HitSegment({-1, 0}, 0, 0, 10, 0));
}

TEST(HitSegment, ToleranceLengthensBothEnds)
{
    const struct { TPoint P; bool Hit; } cases[] = {
        {{11, 0}, true}, {{12, 0}, true}, {{13, 0}, false}, {{-2, 0}, true}, {{-3, 0}, false}, {{5, 1}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitSegmentWithin(c.P, 0, 0, 10, 0, 2), c.Hit) << c.P.X << "," << c.P.Y;
    // The same, with the segment given the other way round.
    for (const auto& c : cases)
        EXPECT_EQ(HitSegmentWithin(c.P, 10, 0, 0, 0, 2), c.Hit) << c.P.X << "," << c.P.Y;
}

TEST(HitSegment, DiagonalAndDegenerateSegments)
{
    EXPECT_TRUE(HitSegment({3, 3}, 0, 0, 10, 10));
    EXPECT_FALSE(HitSegment({3, 5}, 0, 0, 10, 10));
    EXPECT_TRUE(HitSegment({5, 2}, 0, 0, 10, 5)); // within one pixel of a slope
    EXPECT_FALSE(HitSegment({4, 4}, 4, 4, 4, 4)); // two equal points never match
    EXPECT_TRUE(HitSegment({0, 0}, -2000000000, 0, 2000000000, 1)); // no overflow
    EXPECT_FALSE(HitSegment({0, 2}, -2000000000, 0, 2000000000, 1));
}

TEST(HitPolygon, LeftAndTopEdgesAreInsideRightAndBottomOutside)
{
    const std::array<TPoint, 4> square{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
    EXPECT_TRUE(HitPolygon({0, 5}, square));
    EXPECT_TRUE(HitPolygon({5, 0}, square));
    EXPECT_TRUE(HitPolygon({5, 5}, square));
    EXPECT_FALSE(HitPolygon({10, 5}, square));
    EXPECT_FALSE(HitPolygon({5, 10}, square));
    EXPECT_FALSE(HitPolygon({-1, 5}, square));
    EXPECT_FALSE(HitPolygon({5, 5}, std::span<const TPoint>{}));
}

TEST(HitPolygon, ConcavePolygonUsesEvenOddRule)
{
    // A "U": the notch between the arms is outside.
    const std::array<TPoint, 8> u{{{0, 0}, {3, 0}, {3, 7}, {7, 7}, {7, 0}, {10, 0}, {10, 10}, {0, 10}}};
    EXPECT_TRUE(HitPolygon({1, 1}, u));
    EXPECT_FALSE(HitPolygon({5, 3}, u));
    EXPECT_TRUE(HitPolygon({5, 8}, u));
}

TEST(HitTriangles, ApexUpAndSideways)
{
    // (0, 10), (5, 0), (10, 10)
    EXPECT_TRUE(HitTriangle({5, 5}, 0, 10, 10, 0));
    EXPECT_FALSE(HitTriangle({1, 2}, 0, 10, 10, 0));
    // (10, 0), (0, 5), (10, 10)
    EXPECT_TRUE(HitSideTriangle({6, 5}, 0, 10, 0, 10));
    EXPECT_FALSE(HitSideTriangle({1, 1}, 0, 10, 0, 10));
}

TEST(HitEllipse, InsideOnAndOutsideAndDegenerate)
{
    const TRect box{0, 0, 20, 10}; // centre (10, 5), a = 10, b = 5
    EXPECT_TRUE(HitEllipse({10, 5}, box));
    EXPECT_TRUE(HitEllipse({20, 5}, box));
    EXPECT_TRUE(HitEllipse({10, 0}, box));
    EXPECT_FALSE(HitEllipse({1, 1}, box));
    EXPECT_FALSE(HitEllipse({0, 0}, TRect{0, 0, 1, 10})); // zero half-width
}

TEST(Geometry, RectHelpers)
{
    EXPECT_EQ(ExtentOfRect({2, 3, 12, 8}), (TExtent{10, 5}));
    EXPECT_EQ(CentreOfRect({0, 0, 11, 5}), (TPoint{5, 2}));
    EXPECT_EQ(CentreOfRect({-11, -5, 0, 0}), (TPoint{-5, -2})); // truncation towards zero
    EXPECT_EQ(IntersectRect({0, 0, 10, 10}, {5, 5, 20, 20}), (TRect{5, 5, 10, 10}));
    EXPECT_TRUE(IntersectRect({0, 0, 10, 10}, {10, 0, 20, 10}).IsEmpty());
}

TEST(Geometry, AnglesAreCounterClockwiseOnScreen)
{
    EXPECT_DOUBLE_EQ(AngleOfVector(1, 0), 0);
    EXPECT_DOUBLE_EQ(AngleOfVector(0, -1), std::numbers::pi / 2); // up
    EXPECT_DOUBLE_EQ(AngleOfVector(0, 1), 3 * std::numbers::pi / 2);
    const TSineCosine sc = SineCosine(std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(sc.Sine, 1);
    EXPECT_NEAR(sc.Cosine, 0, 1e-15);
}
