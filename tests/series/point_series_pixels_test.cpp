#include "chart/canvas/chart_canvas3d.h"
#include "chart/series/line_series.h"
#include "chart/series/point_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <utility>

// Line and point series drawn through the QPainter canvas onto an image,
// probed pixel by pixel.

namespace {

struct ImageChart
{
    ImageChart() : image(110, 110, QImage::Format_RGB32), host(&canvas) { image.fill(Qt::white); }

    void Draw(TChartSeries& series)
    {
        series.SetParentChart(&host);
        canvas.BeginDrawing(&image);
        Paint(series);
        canvas.EndDrawing();
    }

    TColor At(int x, int y) const { return FromQColor(QColor(image.pixel(x, y))); }
    int Count(TColor colour) const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += At(x, y) == colour;
        return n;
    }

    QImage image;
    TChartCanvas3D canvas;
    DrawingHost host;
};

} // namespace

TEST(PointSeriesPixels, SizeThreeSquareIsSevenBySevenOutlinedAndFilled)
{
    ImageChart chart;
    TPointSeries series;
    series.SetSeriesColor(clBlue);
    SetPointerSize(series, 3);
    AddPixelPoints(series, {{20, 15}, {100, 100, clRed}});
    chart.Draw(series);

    // Outline on the border of 97..103 (and of 17..23 x 12..18), black;
    // the 5 x 5 inside in the point's colour; nothing around.
    for (int i = 0; i <= 6; ++i) {
        for (auto [x, y] : {std::pair{97 + i, 97}, {97 + i, 103}, {97, 97 + i}, {103, 97 + i}})
            EXPECT_EQ(chart.At(x, y), clBlack) << x << "," << y;
    }
    EXPECT_EQ(chart.At(100, 100), clRed);
    EXPECT_EQ(chart.At(98, 102), clRed);
    EXPECT_EQ(chart.At(22, 13), clBlue);
    EXPECT_EQ(chart.At(17, 12), clBlack);
    EXPECT_EQ(chart.Count(clBlack), 2 * 24);
    EXPECT_EQ(chart.Count(clRed), 25);
    EXPECT_EQ(chart.Count(clBlue), 25);
}

TEST(LineSeriesPixels, MarkersLieOverTheSegmentsTouchingThem)
{
    ImageChart chart;
    TLineSeries series;
    series.SetSeriesColor(clBlue);
    SetPointerSize(series, 2);
    series.Pointer().Brush().SetColor(clRed);
    AddPixelPoints(series, {{10, 20}, {30, 20}, {50, 20}});
    chart.Draw(series);

    EXPECT_EQ(chart.At(20, 20), clBlue);
    EXPECT_EQ(chart.At(40, 20), clBlue);
    // Every marker's inside and outline cover the line on both sides.
    for (int x : {10, 30, 50}) {
        EXPECT_EQ(chart.At(x - 1, 20), clRed);
        EXPECT_EQ(chart.At(x + 1, 20), clRed);
        EXPECT_EQ(chart.At(x - 2, 20), clBlack);
        EXPECT_EQ(chart.At(x + 2, 20), clBlack);
    }
}
