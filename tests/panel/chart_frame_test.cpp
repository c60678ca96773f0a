#include "panel_test_support.h"

#include "chart/panel/chart_frame.h"
#include "chart/series/point_series.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// A frame as a 2D paint of 200 x 160 would leave it: plot (20, 20)-(180, 120),
// a bottom axis with its labels below, title and foot, a legend of two rows,
// and one point series drawn at three pixels.
struct TFrameScene
{
    TFrameScene()
    {
        series.AddPoint(0, 0);
        series.AddPoint(1, 1);
        series.AddPoint(2, 0);
        frame.Plot = {20, 20, 180, 120};
        TAxisFrame bottom;
        bottom.Side = asBottom;
        bottom.Shown = true;
        bottom.Mapping = {0, 2, 20, 180, true};
        bottom.AxisLinePos = 120;
        bottom.LabelBandPos = 130;
        frame.Axes.push_back(bottom);
        frame.Series.push_back({&series, 0, 2, 0, 0, 0, series.DataChanges(), {{20, 110}, {100, 30}, {180, 110}}});
        frame.TitleShown = frame.FootShown = true;
        frame.TitleBox = {60, 2, 140, 14};
        frame.FootBox = {60, 146, 140, 158};
        frame.LegendShown = true;
        frame.Legend.Box = {185, 20, 199, 40};
        frame.Legend.RowTotal = 2;
    }

    TPointSeries series;
    TChartFrame frame;
};

TEST(ChartFrame, ClickedPartIsReadFromTheFrameAlone)
{
    TFrameScene scene;
    const struct
    {
        int x, y;
        TChartClickedPartStyle part;
        int index;
    } cases[] = {
        {100, 30, cpSeries, 1},   // a drawn point
        {22, 108, cpSeries, 0},   // inside the marker of point 0
        {100, 125, cpAxis, -1},   // between the axis line and its labels
        {100, 8, cpTitle, -1},
        {100, 150, cpFoot, -1},
        {40, 60, cpChartRect, -1},
        {190, 35, cpLegend, 1},   // the second row
        {5, 5, cpNone, -1},
    };
    for (const auto& c : cases) {
        const TChartClickedPart part = ClickedPartAt(scene.frame, c.x, c.y);
        EXPECT_EQ(part.Part, c.part) << c.x << "," << c.y;
        EXPECT_EQ(part.PointIndex, c.index) << c.x << "," << c.y;
    }
}

TEST(ChartFrame, ChangedPointsAndHiddenPartsAnswerNoClick)
{
    TFrameScene scene;
    // New points since the paint (a new evaluation not painted yet): the
    // drawn indices may name points that are gone.
    scene.series.ClearPoints();
    EXPECT_EQ(ClickedPartAt(scene.frame, 100, 30).Part, cpChartRect);
    scene.frame.Axes[0].Shown = false;
    scene.frame.TitleShown = false;
    EXPECT_EQ(ClickedPartAt(scene.frame, 100, 125).Part, cpNone);
    EXPECT_EQ(ClickedPartAt(scene.frame, 100, 8).Part, cpNone);
}

TEST(ChartFrame, PicturesLeaveTheWindowsFrameAndPicture)
{
    TChart chart;
    chart.SetView3D(false);
    chart.resize(400, 250);
    chart.Title().SetText({QStringLiteral("Titel")});
    auto& series = chart.AddSeries(std::make_unique<TPointSeries>());
    for (int i = 0; i < 20; ++i)
        series.AddPoint(i, i * i);
    chart.Repaint();
    const TRect plot = chart.LastFrame().Plot;
    const int bottomEnd = chart.BottomAxis()->PixelEnd();
    const int last = series.LastVisible();
    chart.BottomAxis()->FixRange(5, 10);
    QImage image(900, 700, QImage::Format_RGB32);
    chart.DrawToImage(image);
    EXPECT_EQ(chart.LastFrame().Plot, plot);
    EXPECT_EQ(chart.ChartRect(), plot);
    EXPECT_EQ(chart.BottomAxis()->PixelEnd(), bottomEnd);
    EXPECT_EQ(series.LastVisible(), last);
    // Title and legend answer with the window's boxes, not the picture's.
    EXPECT_EQ(chart.Title().TitleBox(), chart.LastFrame().TitleBox);
    EXPECT_EQ(chart.Legend()->LegendBox(), chart.LastFrame().Legend.Box);
    EXPECT_LT(chart.Legend()->LegendBox().Right, 400);
    // The fixed range still waits for the window's own paint.
    EXPECT_TRUE(chart.Canvas()->IsDirty());
}

// Turning an axis logarithmic settles its range at once, outside a paint:
// what the axis answers stays what the window shows until it repaints.
TEST(ChartFrame, AxesAnswerWithTheLastWindowPaint)
{
    TChart chart;
    chart.SetView3D(false);
    chart.resize(400, 250);
    auto& series = chart.AddSeries(std::make_unique<TPointSeries>());
    for (int i = 1; i <= 20; ++i)
        series.AddPoint(i, i * i);
    chart.Repaint();
    TChartAxis& left = *chart.LeftAxis();
    const double shownMax = left.RangeMax();
    const int shownLabels = left.LabelBandPos();
    left.FixRange(1, 5000);
    left.SetLogarithmic(true);
    ASSERT_EQ(left.Mapping().RangeMax, 5000);
    EXPECT_EQ(left.RangeMax(), shownMax);
    EXPECT_EQ(left.LabelBandPos(), shownLabels);
    chart.Repaint();
    EXPECT_EQ(left.RangeMax(), 5000);
}

} // namespace
