#include "chart/canvas/gradient.h"

#include "canvas_test_support.h"

#include <gtest/gtest.h>

#include <set>

TEST(Gradient, TallRectangleUsesAtMost256BandsCoveringEveryRow)
{
    const TGradientPlan plan = CalcGradient({0, 0, 10, 1000}, clBlack, clWhite, gdTopBottom);
    ASSERT_EQ(plan.Steps.size(), 256u);
    int expectedTop = 0;
    for (const TGradientStep& s : plan.Steps) {
        EXPECT_EQ(s.Rect.Top, expectedTop);
        EXPECT_EQ(s.Rect.Left, 0);
        EXPECT_EQ(s.Rect.Right, 10);
        expectedTop = s.Rect.Bottom;
    }
    EXPECT_EQ(expectedTop, 1000);
    EXPECT_EQ(plan.Steps.front().Colour, clBlack);
    EXPECT_EQ(plan.Steps.back().Colour, clWhite);
}

TEST(Gradient, ShortRectangleHasOneBandPerRowAndOneBandIsTheStartColour)
{
    EXPECT_EQ(CalcGradient({0, 0, 10, 40}, clBlack, clWhite, gdTopBottom).Steps.size(), 40u);
    const TGradientPlan one = CalcGradient({0, 0, 10, 1}, clRed, clBlue, gdTopBottom);
    ASSERT_EQ(one.Steps.size(), 1u);
    EXPECT_EQ(one.Steps[0].Colour, clRed);
    EXPECT_TRUE(CalcGradient({0, 0, 10, 0}, clRed, clBlue, gdTopBottom).Steps.empty());
}

TEST(Gradient, ColoursSwapForEveryDirectionButTopBottomAndLeftRight)
{
    // The first colour after the swap lies at the direction's origin edge.
    const TGradientPlan down = CalcGradient({0, 0, 4, 4}, clRed, clBlue, gdTopBottom);
    EXPECT_EQ(down.Steps.front().Rect, (TRect{0, 0, 4, 1}));
    EXPECT_EQ(down.Steps.front().Colour, clRed);
    const TGradientPlan up = CalcGradient({0, 0, 4, 4}, clRed, clBlue, gdBottomTop);
    EXPECT_EQ(up.Steps.front().Rect, (TRect{0, 3, 4, 4}));
    EXPECT_EQ(up.Steps.front().Colour, clBlue);
    const TGradientPlan right = CalcGradient({0, 0, 4, 4}, clRed, clBlue, gdLeftRight);
    EXPECT_EQ(right.Steps.front().Rect, (TRect{0, 0, 1, 4}));
    EXPECT_EQ(right.Steps.front().Colour, clRed);
    const TGradientPlan left = CalcGradient({0, 0, 4, 4}, clRed, clBlue, gdRightLeft);
    EXPECT_EQ(left.Steps.front().Rect, (TRect{3, 0, 4, 4}));
    EXPECT_EQ(left.Steps.front().Colour, clBlue);
}

TEST(Gradient, InvertedRectangleIsNormalised)
{
    const TGradientPlan plan = CalcGradient({10, 20, 0, 0}, clBlack, clWhite, gdTopBottom);
    ASSERT_EQ(plan.Steps.size(), 20u);
    EXPECT_EQ(plan.Steps.front().Rect, (TRect{0, 0, 10, 1}));
}

TEST(Gradient, MiddleBandIsHalfWay)
{
    const TGradientPlan plan = CalcGradient({0, 0, 1, 3}, RGBColour(0, 0, 0), RGBColour(200, 100, 50), gdTopBottom);
    ASSERT_EQ(plan.Steps.size(), 3u);
    EXPECT_EQ(plan.Steps[1].Colour, RGBColour(100, 50, 25));
}

TEST(GradientPixels, FillsEveryPixelOfTheRectangleOnly)
{
    for (TGradientDirection d : {gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft,
                                 gdFromBottomLeft}) {
        SCOPED_TRACE(int(d));
        TImageCanvas t(40, 30);
        t.Canvas.FillGradient({5, 4, 30, 21}, clRed, clBlue, d);
        EXPECT_EQ(CountColour(t.Image, clWhite), 40 * 30 - 25 * 17);
        EXPECT_EQ(InkBounds(t.Image), (TRect{5, 4, 30, 21}));
    }
}

TEST(GradientPixels, BandsOfATallGradientHaveDistinctColours)
{
    TImageCanvas t(3, 1000);
    t.Canvas.FillGradient({0, 0, 3, 1000}, clBlack, clWhite, gdTopBottom);
    std::set<QRgb> colours;
    for (int y = 0; y < 1000; ++y)
        colours.insert(t.Image.pixel(1, y));
    EXPECT_EQ(colours.size(), 256u);
    EXPECT_EQ(t.At(1, 0), clBlack);
    EXPECT_EQ(t.At(1, 999), clWhite);
}

TEST(GradientPixels, FromCenterStartsOutsideAndDiagonalsAtTheirCorner)
{
    TImageCanvas t(40, 30);
    // From the centre: the colours are swapped, the first after the swap is outside.
    t.Canvas.FillGradient({0, 0, 21, 21}, clBlue, clRed, gdFromCenter);
    EXPECT_EQ(t.At(0, 0), clRed);
    EXPECT_EQ(t.At(20, 10), clRed);
    EXPECT_NE(t.At(10, 10), clRed);
    t.Canvas.FillGradient({22, 0, 40, 30}, clBlue, clRed, gdFromBottomLeft);
    EXPECT_EQ(t.At(22, 29), clRed);
    EXPECT_NE(t.At(39, 0), clRed);
}
