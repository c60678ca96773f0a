#include "chart/axes/axis_mapping.h"

#include <gtest/gtest.h>

namespace {

TAxisMapping Vertical(double lo, double hi, int start, int end)
{
    return {lo, hi, start, end, false, false, false};
}

TEST(AxisMapping, VerticalAxisPutsLargerValuesHigher)
{
    const TAxisMapping m = Vertical(0, 100, 50, 450);
    EXPECT_EQ(m.ValueToPixel(25), 350);
    EXPECT_EQ(m.ValueToPixel(0), 450);
    EXPECT_EQ(m.ValueToPixel(100), 50);
    EXPECT_DOUBLE_EQ(m.PixelToValue(350), 25);
    EXPECT_DOUBLE_EQ(m.PixelToValue(50), 100);
}

TEST(AxisMapping, HalfPixelsRoundToEven)
{
    const TAxisMapping m{0, 10, 0, 10, true, false, false};
    EXPECT_EQ(m.ValueToPixel(2.5), 2);
    EXPECT_EQ(m.ValueToPixel(3.5), 4);
    EXPECT_EQ(m.ValueToPixel(-2.5), -2);
}

TEST(AxisMapping, InversionCountsFromTheOtherEnd)
{
    TAxisMapping h{0, 100, 0, 200, true, true, false};
    EXPECT_EQ(h.ValueToPixel(25), 150);
    EXPECT_DOUBLE_EQ(h.PixelToValue(150), 25);
    TAxisMapping v = Vertical(0, 100, 0, 200);
    v.Inverted = true;
    EXPECT_EQ(v.ValueToPixel(25), 50);
    EXPECT_DOUBLE_EQ(v.PixelToValue(50), 25);
}

TEST(AxisMapping, DegenerateRangesAnswerTheCentreOrZero)
{
    const TAxisMapping zeroSpan = Vertical(5, 5, 50, 450);
    EXPECT_EQ(zeroSpan.ValueToPixel(5), 250);
    EXPECT_EQ(zeroSpan.ValueToPixel(1e9), 250);
    // An offset beyond the int range cannot be a pixel.
    const TAxisMapping tiny = Vertical(0, 1e-300, 50, 451);
    EXPECT_EQ(tiny.ValueToPixel(1), 250);
    const TAxisMapping noPixels = Vertical(0, 100, 50, 50);
    EXPECT_EQ(noPixels.PixelToValue(50), 0);
}

TEST(AxisMapping, LogarithmicVerticalAxis)
{
    TAxisMapping m = Vertical(1, 1000, 0, 300);
    m.Logarithmic = true;
    EXPECT_EQ(m.ValueToPixel(10), 200);
    EXPECT_EQ(m.ValueToPixel(100), 100);
    EXPECT_EQ(m.ValueToPixel(0), 300);
    EXPECT_EQ(m.ValueToPixel(-5), 300);
    EXPECT_DOUBLE_EQ(m.PixelToValue(0), 1000);
    EXPECT_DOUBLE_EQ(m.PixelToValue(300), 1);
    EXPECT_NEAR(m.PixelToValue(200), 10, 1e-9);
    // A minimum of 0 counts as ln = 0, that is like 1.
    TAxisMapping fromZero = m;
    fromZero.RangeMin = 0;
    EXPECT_EQ(fromZero.ValueToPixel(10), m.ValueToPixel(10));
    TAxisMapping flat = m;
    flat.RangeMax = 1;
    EXPECT_EQ(flat.ValueToPixel(10), 150);
    EXPECT_DOUBLE_EQ(flat.PixelToValue(100), 1);
}

TEST(AxisMapping, LogarithmicHorizontalInvertedEnds)
{
    TAxisMapping m{1, 100, 0, 200, true, true, true};
    EXPECT_EQ(m.ValueToPixel(1), 200);
    EXPECT_EQ(m.ValueToPixel(100), 0);
    EXPECT_EQ(m.ValueToPixel(0), 200);
    EXPECT_DOUBLE_EQ(m.PixelToValue(0), 100);
    EXPECT_DOUBLE_EQ(m.PixelToValue(200), 1);
}

TEST(AxisMapping, DepthAxis)
{
    TAxisMapping m{-0.5, 2.5, 0, 0, false, false, false};
    EXPECT_EQ(DepthValueToPixel(m, 1, 30), 15);
    m.Inverted = true;
    EXPECT_EQ(DepthValueToPixel(m, 2.5, 30), 0);
    m.RangeMax = m.RangeMin;
    EXPECT_EQ(DepthValueToPixel(m, 7, 30), 15);
}

} // namespace
