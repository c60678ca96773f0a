#include "chart/canvas/chart_exception.h"
#include "chart/series/line_series.h"
#include "chart/series/point_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The point marker: shapes, sizes, property rule, copying.

TEST(SeriesPointer, AllShapesAroundTheCentre)
{
    // Centre (100, 100), half width 3, half height 2: left 97, right 103, top 98, bottom 102.
    const std::vector<std::pair<TSeriesPointerStyle, std::vector<std::string>>> cases{
        {psRectangle, {"Rectangle 97,98,104,103"}},
        {psCircle, {"Ellipse 97,98,103,102"}},
        {psTriangle, {"Polygon (97,102) (103,102) (100,98)"}},
        {psDownTriangle, {"Polygon (97,98) (103,98) (100,102)"}},
        {psCross, {"LineTo 100,98,100,103", "LineTo 97,100,104,100"}},
        {psDiagCross, {"LineTo 97,98,104,103", "LineTo 103,98,96,103"}},
        {psStar, {"LineTo 100,98,100,103", "LineTo 97,100,104,100", "LineTo 97,98,104,103", "LineTo 103,98,96,103"}},
        {psDiamond, {"Polygon (97,100) (100,98) (103,100) (100,102)"}},
        {psSmallDot, {"SetPixel 100,100"}},
    };
    for (const auto& [style, expected] : cases) {
        TRecordingCanvas canvas;
        canvas.Pen().Color = clBlack;
        TSeriesPointer::DrawShape(canvas, style, 100, 100, 3, 2, clRed);
        EXPECT_EQ(Described(canvas), expected) << int(style);
        // The line shapes take the point's colour whatever the pen's.
        if (canvas.Ops()[0].Name == "LineTo") {
            EXPECT_EQ(canvas.Ops()[0].Pen.Color, clRed);
        }
    }
}

TEST(SeriesPointer, SizeBelowOneIsRefusedAndKept)
{
    FakeHost host;
    TPointSeries series;
    series.SetParentChart(&host);
    const int before = host.invalidates;
    try {
        series.Pointer().SetHorizSize(0);
        ADD_FAILURE() << "size 0 accepted";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Die Größe des Pointers muß > 0 sein."));
    }
    EXPECT_THROW(series.Pointer().SetVertSize(-3), ChartException);
    EXPECT_EQ(series.Pointer().HorizSize(), 4);
    EXPECT_EQ(series.Pointer().VertSize(), 4);
    EXPECT_EQ(host.invalidates, before);
}

TEST(SeriesPointer, SettersRepaintOnlyOnChange)
{
    FakeHost host;
    TLineSeries series;
    series.SetParentChart(&host);
    TSeriesPointer& p = series.Pointer();
    const std::vector<std::function<void()>> changes{
        [&] { p.SetStyle(psDiamond); },      [&] { p.SetHorizSize(7); },        [&] { p.SetVisible(true); },
        [&] { p.SetInflateMargins(false); }, [&] { p.Pen().SetWidth(2); },      [&] { p.Brush().SetColor(clRed); },
        [&] { series.SetStairs(true); },     [&] { series.LinePen().SetColor(clRed); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const int before = host.invalidates;
        changes[i]();
        changes[i]();
        EXPECT_EQ(host.invalidates, before + 1) << "change " << i;
    }
}

TEST(SeriesPointer, AssignCopiesSettingsNotObjects)
{
    TPointSeries a;
    TPointSeries b;
    a.Pointer().SetStyle(psStar);
    a.Pointer().SetVertSize(5);
    a.Pointer().SetInflateMargins(false);
    a.Pointer().Pen().SetColor(clBlue);
    a.Pointer().Brush().SetColor(clRed);
    b.Pointer().Assign(a.Pointer());
    a.Pointer().Pen().SetColor(clGreen);

    const TSeriesPointer& q = b.Pointer();
    EXPECT_EQ(std::tuple(q.Style(), q.VertSize(), q.InflateMargins(), q.Pen().Color(), q.Brush().Color()),
              std::tuple(psStar, 5, false, clBlue, clRed));
    EXPECT_EQ(&q.Owner(), &b);
}

TEST(LineAndPointSeries, AssignAcrossKinds)
{
    TPointSeries points;
    points.Pointer().SetStyle(psTriangle);
    points.SetStairs(true);
    points.AddPoint(1, 2);

    TLineSeries line;
    line.Assign(points);
    EXPECT_FALSE(line.Pointer().Visible()); // hidden: the source is another kind
    EXPECT_EQ(line.Pointer().Style(), psTriangle);
    EXPECT_TRUE(line.ConnectPoints());
    EXPECT_TRUE(line.Stairs());
    EXPECT_EQ(line.PointCount(), 1);

    TLineSeries sameKind;
    line.Pointer().SetVisible(true);
    sameKind.Assign(line);
    EXPECT_TRUE(sameKind.Pointer().Visible());

    line.SetDrawArea(true);
    TPointSeries back;
    back.Assign(line);
    EXPECT_TRUE(back.Pointer().Visible());
    EXPECT_FALSE(back.ConnectPoints() || back.SegmentsClickable() || back.DrawArea());
}

TEST(PointSeries, ColourEachPointGivesMarkersThePointColours)
{
    TPointSeries series;
    series.Pointer().Brush().SetColor(clRed);
    series.SetColorEachPoint(true);
    EXPECT_EQ(series.Pointer().Brush().Color(), clDefault);
}
