#include "chart/panel/chart_exception.h"
#include "chart/series/line_series.h"
#include "chart/series/point_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The point marker: shapes, sizes, property rule, copying.

namespace {

struct ShapeCase
{
    TSeriesPointerStyle style;
    std::vector<std::string> expected;
};

} // namespace

class PointerShapes : public ::testing::TestWithParam<ShapeCase>
{
};

// Centre (100, 100), half width 3, half height 2: left 97, right 103,
// top 98, bottom 102.
TEST_P(PointerShapes, DrawnAroundTheCentre)
{
    const ShapeCase& c = GetParam();
    TRecordingCanvas canvas;
    canvas.Pen().Color = clBlack;
    TSeriesPointer::DrawShape(canvas, c.style, 100, 100, 3, 2, clRed);
    EXPECT_EQ(Described(canvas), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllStyles, PointerShapes,
    ::testing::Values(
        ShapeCase{psRectangle, {"Rectangle 97,98,104,103"}}, ShapeCase{psCircle, {"Ellipse 97,98,103,102"}},
        ShapeCase{psTriangle, {"Polygon (97,102) (103,102) (100,98)"}},
        ShapeCase{psDownTriangle, {"Polygon (97,98) (103,98) (100,102)"}},
        ShapeCase{psCross, {"LineTo 100,98,100,103", "LineTo 97,100,104,100"}},
        ShapeCase{psDiagCross, {"LineTo 97,98,104,103", "LineTo 103,98,96,103"}},
        ShapeCase{psStar,
                  {"LineTo 100,98,100,103", "LineTo 97,100,104,100", "LineTo 97,98,104,103",
                   "LineTo 103,98,96,103"}},
        ShapeCase{psDiamond, {"Polygon (97,100) (100,98) (103,100) (100,102)"}},
        ShapeCase{psSmallDot, {"SetPixel 100,100"}}));

TEST(PointerShapes, LineShapesAndDotUseThePointColour)
{
    for (TSeriesPointerStyle style : {psCross, psDiagCross, psStar, psSmallDot}) {
        TRecordingCanvas canvas;
        canvas.Pen().Color = clBlack;
        TSeriesPointer::DrawShape(canvas, style, 10, 10, 2, 2, clRed);
        for (const TCanvasOp& op : canvas.Ops()) {
            if (op.Name == "SetPixel")
                EXPECT_EQ(op.Colours, std::vector<TColor>{clRed});
            else
                EXPECT_EQ(op.Pen.Color, clRed) << int(style);
        }
    }
}

TEST(SeriesPointer, PenAndBrushDefaultToThePointColour)
{
    TPointSeries series;
    TRecordingCanvas canvas;
    series.Pointer().PrepareCanvas(canvas, clGreen);
    EXPECT_EQ(canvas.Pen().Color, clBlack);
    EXPECT_EQ(canvas.Brush().Color, clGreen);

    series.Pointer().Pen().SetColor(clDefault);
    series.Pointer().Brush().SetColor(clRed);
    series.Pointer().Brush().SetStyle(bsCross);
    series.Pointer().PrepareCanvas(canvas, clGreen);
    EXPECT_EQ(canvas.Pen().Color, clGreen);
    EXPECT_EQ(canvas.Brush().Color, clRed);
    EXPECT_EQ(canvas.Brush().Style, bsCross);

    series.Pointer().Pen().SetVisible(false);
    series.Pointer().PrepareCanvas(canvas, clGreen);
    EXPECT_FALSE(canvas.Pen().IsVisible());
}

TEST(SeriesPointer, SizeBelowOneIsRefusedAndKept)
{
    FakeHost host;
    TPointSeries series;
    series.SetParentChart(&host);
    const int before = host.invalidates;
    for (int bad : {0, -3}) {
        try {
            series.Pointer().SetHorizSize(bad);
            ADD_FAILURE() << "no exception for " << bad;
        } catch (const ChartException& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Die Größe des Pointers muß > 0 sein."));
        }
        EXPECT_THROW(series.Pointer().SetVertSize(bad), ChartException);
    }
    EXPECT_EQ(series.Pointer().HorizSize(), 4);
    EXPECT_EQ(series.Pointer().VertSize(), 4);
    EXPECT_EQ(host.invalidates, before);

    series.Pointer().SetHorizSize(1);
    EXPECT_EQ(series.Pointer().HorizSize(), 1);
}

TEST(SeriesPointer, SettersRepaintOnlyOnChange)
{
    FakeHost host;
    TLineSeries series;
    series.SetParentChart(&host);
    TSeriesPointer& p = series.Pointer();
    const std::vector<std::function<void()>> changes{
        [&] { p.SetStyle(psDiamond); },         [&] { p.SetHorizSize(7); },
        [&] { p.SetVertSize(7); },              [&] { p.SetVisible(true); },
        [&] { p.SetInflateMargins(false); },    [&] { p.SetDark3D(false); },
        [&] { p.SetDraw3D(false); },            [&] { p.Pen().SetWidth(2); },
        [&] { p.Brush().SetColor(clRed); },     [&] { series.SetStairs(true); },
        [&] { series.LinePen().SetColor(clRed); }, [&] { series.SetLineBrush(bsClear); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        int before = host.invalidates;
        changes[i]();
        EXPECT_EQ(host.invalidates, before + 1) << "change " << i;
        before = host.invalidates;
        changes[i]();
        EXPECT_EQ(host.invalidates, before) << "repeat " << i;
    }
}

TEST(SeriesPointer, AssignCopiesEverySetting)
{
    TPointSeries a;
    TPointSeries b;
    TSeriesPointer& p = a.Pointer();
    p.SetStyle(psStar);
    p.SetHorizSize(6);
    p.SetVertSize(5);
    p.SetVisible(false);
    p.SetInflateMargins(false);
    p.SetDark3D(false);
    p.SetDraw3D(false);
    p.Pen().SetColor(clBlue);
    p.Brush().SetColor(clRed);

    b.Pointer().Assign(p);
    const TSeriesPointer& q = b.Pointer();
    EXPECT_EQ(q.Style(), psStar);
    EXPECT_EQ(q.HorizSize(), 6);
    EXPECT_EQ(q.VertSize(), 5);
    EXPECT_FALSE(q.Visible());
    EXPECT_FALSE(q.InflateMargins());
    EXPECT_FALSE(q.Dark3D());
    EXPECT_FALSE(q.Draw3D());
    EXPECT_EQ(q.Pen().Color(), clBlue);
    EXPECT_EQ(q.Brush().Color(), clRed);
    EXPECT_EQ(&q.Owner(), &b);
    // Copied, not shared.
    p.Pen().SetColor(clGreen);
    EXPECT_EQ(q.Pen().Color(), clBlue);
}

TEST(LineAndPointSeries, ConstructorsSetTheirKindOfDrawing)
{
    TLineSeries line;
    EXPECT_TRUE(line.ConnectPoints());
    EXPECT_FALSE(line.Pointer().Visible());
    EXPECT_FALSE(line.SinglePointAllowed());
    EXPECT_TRUE(line.SegmentsClickable());
    EXPECT_TRUE(line.ExtendToEdges());

    TPointSeries point;
    EXPECT_FALSE(point.ConnectPoints());
    EXPECT_TRUE(point.Pointer().Visible());
    EXPECT_FALSE(point.SegmentsClickable());
    EXPECT_EQ(point.Marks().ArrowLength(), 0);
    EXPECT_TRUE(point.ExtendToEdges());
    EXPECT_EQ(point.EditorClassName(), QStringLiteral("TSeriesPointerEditor"));
    EXPECT_EQ(line.EditorClassName(), QStringLiteral("TCustomSeriesEditor"));
}

TEST(LineAndPointSeries, AssignAcrossKinds)
{
    TPointSeries points;
    points.Pointer().SetStyle(psTriangle);
    points.SetStairs(true);
    points.SetSeriesColor(clRed);
    points.AddPoint(1, 2);

    TLineSeries line;
    line.Assign(points);
    EXPECT_FALSE(line.Pointer().Visible()); // hidden: the source is another kind
    EXPECT_EQ(line.Pointer().Style(), psTriangle);
    EXPECT_TRUE(line.ConnectPoints());
    EXPECT_TRUE(line.Stairs());
    EXPECT_EQ(line.SeriesColor(), clRed);
    EXPECT_EQ(line.PointCount(), 1);

    TLineSeries other;
    line.Pointer().SetVisible(true);
    other.Assign(line);
    EXPECT_TRUE(other.Pointer().Visible()); // same kind: copied as it is

    line.SetSegmentsClickable(true);
    line.SetDrawArea(true);
    TPointSeries back;
    back.Assign(line);
    EXPECT_TRUE(back.Pointer().Visible());
    EXPECT_FALSE(back.ConnectPoints());
    EXPECT_FALSE(back.SegmentsClickable());
    EXPECT_FALSE(back.DrawArea());
    EXPECT_TRUE(back.Stairs());
}

TEST(PointSeries, ColourEachPointGivesMarkersThePointColours)
{
    TPointSeries series;
    series.Pointer().Brush().SetColor(clRed);
    series.SetColorEachPoint(false);
    EXPECT_EQ(series.Pointer().Brush().Color(), clRed);
    series.SetColorEachPoint(true);
    EXPECT_TRUE(series.ColorEachPoint());
    EXPECT_EQ(series.Pointer().Brush().Color(), clDefault);
}
