#include "canvas_test_support.h"

#include "chart/canvas/chart_pen.h"

#include <gtest/gtest.h>

#include <array>

// Geometry of the QPainter canvas, probed pixel by pixel.

TEST(CanvasPixels, RectangleExcludesRightAndBottomEdges)
{
    TImageCanvas t;
    t.Canvas.Pen().Color = clBlack;
    t.Canvas.Brush().Color = clRed;
    t.Canvas.Rectangle(2, 3, 9, 8);
    EXPECT_EQ(InkBounds(t.Image), (TRect{2, 3, 9, 8}));
    EXPECT_EQ(t.At(2, 3), clBlack);
    EXPECT_EQ(t.At(8, 7), clBlack);
    EXPECT_EQ(t.At(5, 5), clRed);
    EXPECT_EQ(CountColour(t.Image, clRed), 5 * 3);
}

TEST(CanvasPixels, MarkerOfHalfSizeThreeCoversSevenBySeven)
{
    TImageCanvas t;
    t.Canvas.Brush().Color = clGreen;
    t.Canvas.Rectangle(10 - 3, 10 - 3, 10 + 3 + 1, 10 + 3 + 1);
    EXPECT_EQ(InkBounds(t.Image), (TRect{7, 7, 14, 14}));
    EXPECT_EQ(CountColour(t.Image, clBlack), 24);
    EXPECT_EQ(CountColour(t.Image, clGreen), 25);
}

TEST(CanvasPixels, InvisibleChartPenDrawsNothing)
{
    TImageCanvas t;
    TChartPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(6);
    pen.SetVisible(false);
    t.Canvas.AssignVisiblePen(pen);
    t.Canvas.Brush().Style = bsClear;
    t.Canvas.Rectangle(2, 2, 20, 20);
    t.Canvas.Line(0, 0, 30, 25);
    t.Canvas.HLine(0, 40, 5);
    t.Canvas.Ellipse(1, 1, 30, 20);
    const std::array<TPoint, 3> triangle{{{1, 1}, {30, 5}, {10, 25}}};
    t.Canvas.Polygon(triangle);
    EXPECT_FALSE(InkBounds(t.Image).has_value());
}

TEST(CanvasPixels, ClearPenRectangleIsFilledUpToTheExclusiveEdges)
{
    TImageCanvas t;
    t.Canvas.Pen().Style = psClear;
    t.Canvas.Brush().Color = clBlue;
    t.Canvas.Rectangle(4, 4, 10, 7);
    t.Canvas.FillRect({20, 20, 23, 21});
    EXPECT_EQ(CountColour(t.Image, clBlue), 6 * 3 + 3);
    EXPECT_EQ(InkBounds(t.Image), (TRect{4, 4, 23, 21}));
}

TEST(CanvasPixels, LinesLeaveOutTheirEndPoint)
{
    TImageCanvas t;
    t.Canvas.HLine(2, 10, 1);
    t.Canvas.VLine(20, 2, 12);
    EXPECT_EQ(CountColour(t.Image, clBlack), 8 + 10);
    EXPECT_EQ(t.At(2, 1), clBlack);
    EXPECT_EQ(t.At(10, 1), clWhite);
    EXPECT_EQ(t.At(20, 11), clBlack);
    EXPECT_EQ(t.At(20, 12), clWhite);
    EXPECT_EQ(t.Canvas.PenPos(), (TPoint{20, 12}));
}

TEST(CanvasPixels, LinesInEveryDirectionStartOnTheirFirstPointAndStopBeforeTheLast)
{
    const TPoint directions[] = {{6, 0}, {-6, 0}, {0, 6}, {0, -6}, {6, 6}, {-6, -6}, {6, -6}, {-6, 6}, {6, 2}, {-6, -2}};
    for (const TPoint d : directions) {
        SCOPED_TRACE(testing::Message() << d.X << "," << d.Y);
        TImageCanvas t(21, 21);
        t.Canvas.Line(10, 10, 10 + d.X, 10 + d.Y);
        EXPECT_EQ(t.At(10, 10), clBlack);
        EXPECT_EQ(t.At(10 + d.X, 10 + d.Y), clWhite);
        EXPECT_EQ(CountColour(t.Image, clBlack), 6);
    }
}

TEST(CanvasPixels, SmallDotsSetEveryOtherPixel)
{
    TImageCanvas t;
    TChartPen pen;
    pen.SetSmallDots(true);
    t.Canvas.AssignVisiblePen(pen);
    t.Canvas.HLine(0, 20, 3);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(t.At(x, 3), x % 2 == 0 ? clBlack : clWhite) << x;
}

TEST(CanvasPixels, EllipseStaysInsideItsBoxAndEllipseAtZIsOnePixelLarger)
{
    TImageCanvas a;
    a.Canvas.Ellipse(3, 4, 20, 15);
    EXPECT_EQ(InkBounds(a.Image), (TRect{3, 4, 20, 15}));
    EXPECT_EQ(a.At(11, 9), clWhite); // filled with the white brush
    EXPECT_EQ(a.At(3, 4), clWhite);  // corners are outside

    TImageCanvas b;
    b.Canvas.EllipseAtZ(3, 4, 20, 15, 7);
    EXPECT_EQ(InkBounds(b.Image), (TRect{3, 4, 21, 16}));
}

TEST(CanvasPixels, BevelFrameOfWidthTwo)
{
    TImageCanvas t(20, 20);
    TRect r{2, 2, 12, 10};
    t.Canvas.BevelFrame(r, clRed, clBlue, 2);
    EXPECT_EQ(r, (TRect{4, 4, 10, 8}));
    // Outer frame: left column and top row top-left colour, right column and bottom row bottom-right.
    EXPECT_EQ(t.At(2, 2), clRed);
    EXPECT_EQ(t.At(2, 8), clRed);
    EXPECT_EQ(t.At(10, 2), clRed);
    EXPECT_EQ(t.At(11, 2), clBlue);
    EXPECT_EQ(t.At(11, 9), clBlue);
    EXPECT_EQ(t.At(2, 9), clBlue);
    // Inner frame.
    EXPECT_EQ(t.At(3, 3), clRed);
    EXPECT_EQ(t.At(10, 3), clBlue);
    EXPECT_EQ(t.At(3, 8), clBlue);
    // Nothing inside or outside.
    EXPECT_EQ(t.At(5, 5), clWhite);
    EXPECT_EQ(InkBounds(t.Image), (TRect{2, 2, 12, 10}));
    EXPECT_EQ(CountColour(t.Image, clRed) + CountColour(t.Image, clBlue), 2 * (10 + 8) - 4 + 2 * (8 + 6) - 4);
}

TEST(CanvasPixels, ClipToPlotKeepsTheInsideOfTheBackWall)
{
    TImageCanvas t;
    t.Canvas.ClipToPlot({5, 5, 20, 15}, 0, 0);
    t.Canvas.Pen().Style = psClear;
    t.Canvas.Brush().Color = clRed;
    t.Canvas.Rectangle(0, 0, 40, 30);
    EXPECT_EQ(InkBounds(t.Image), (TRect{6, 6, 20, 14}));
    t.Canvas.RemoveClip();
    t.Canvas.SetPixel(0, 0, clBlue);
    EXPECT_EQ(t.At(0, 0), clBlue);
}

TEST(CanvasPixels, ZOperationsEqualTheirTwoDimensionalSiblingsIn2D)
{
    TImageCanvas flat(60, 40);
    TImageCanvas deep(60, 40);
    auto prepare = [](TChartCanvas3D& c) {
        c.Brush().Color = clYellow;
        c.Pen().Color = clNavy;
    };
    prepare(flat.Canvas);
    prepare(deep.Canvas);
    flat.Canvas.Rectangle(TRect{2, 2, 20, 12});
    flat.Canvas.Line(0, 30, 50, 20);
    flat.Canvas.HLine(5, 55, 35);
    flat.Canvas.VLine(58, 1, 39);
    flat.Canvas.TextOut(25, 2, QStringLiteral("Ab"));
    deep.Canvas.RectAtZ({2, 2, 20, 12}, 17);
    deep.Canvas.LineAtZ(0, 30, 50, 20, 17);
    deep.Canvas.HLineAtZ(5, 55, 35, -4);
    deep.Canvas.VLineAtZ(58, 1, 39, 99);
    deep.Canvas.TextOutAtZ(25, 2, QStringLiteral("Ab"), 17);
    EXPECT_EQ(flat.Image, deep.Image);
}

TEST(CanvasPixels, TextAtAngleAbove360TurnsLikeTheReducedAngle)
{
    TImageCanvas a(60, 60);
    TImageCanvas b(60, 60);
    a.Canvas.TextAtAngle(30, 30, QStringLiteral("Wq"), 450);
    b.Canvas.TextAtAngle(30, 30, QStringLiteral("Wq"), 90);
    EXPECT_EQ(a.Image, b.Image);
    EXPECT_EQ(a.Canvas.Brush().Style, bsClear);
    EXPECT_EQ(ReducedTextAngle(450), 90);
    EXPECT_EQ(ReducedTextAngle(360), 360);
    EXPECT_EQ(ReducedTextAngle(1170), 90);
}

TEST(CanvasPixels, NotXorRectangleDrawnTwiceRestoresTheSurface)
{
    TImageCanvas t;
    t.Canvas.Brush().Color = clGreen;
    t.Canvas.Rectangle(0, 0, 40, 30);
    const QImage before = t.Image.copy();
    t.Canvas.Pen().Mode = pmNotXor;
    t.Canvas.Pen().Color = clBlack;
    t.Canvas.Brush().Style = bsClear;
    t.Canvas.Rectangle(5, 5, 25, 20);
    EXPECT_NE(t.Image, before);
    t.Canvas.Rectangle(5, 5, 25, 20);
    EXPECT_EQ(t.Image, before);
}

TEST(CanvasPixels, ArrowDrawsNothingForCoincidentPointsAndAHeadOtherwise)
{
    TImageCanvas t;
    t.Canvas.Arrow(true, {10, 10}, {10, 10}, 8, 6, 0);
    EXPECT_FALSE(InkBounds(t.Image).has_value());
    t.Canvas.Arrow(false, {2, 10}, {30, 10}, 8, 6, 0);
    // Shaft along y = 10 up to the tip, head lines back to x = 24, y = 10 -/+ 4.
    EXPECT_EQ(t.At(2, 10), clBlack);
    EXPECT_EQ(t.At(29, 10), clBlack);
    const TRect ink = InkBounds(t.Image).value_or(TRect{});
    EXPECT_EQ(ink.Left, 2);
    EXPECT_EQ(ink.Right, 31);
    EXPECT_GE(ink.Top, 6);
    EXPECT_LE(ink.Top, 8);
    EXPECT_LE(ink.Bottom, 15);
    EXPECT_GE(ink.Bottom, 13);
}

TEST(CanvasPixels, TextMeasurementFollowsTheFont)
{
    TImageCanvas t;
    t.Canvas.Font().Size = 10;
    const int small = t.Canvas.TextLineHeight();
    const int wide = t.Canvas.MeasureWidth(QStringLiteral("WWWW"));
    t.Canvas.Font().Size = 20;
    EXPECT_GT(t.Canvas.TextLineHeight(), small);
    EXPECT_GT(t.Canvas.MeasureWidth(QStringLiteral("WWWW")), wide);
    EXPECT_GT(small, 0);
    EXPECT_EQ(t.Canvas.MeasureWidth(QString()), 0);
}
