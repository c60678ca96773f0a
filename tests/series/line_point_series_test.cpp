#include "chart/series/line_series.h"
#include "chart/series/point_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Drawing order and geometry of line and point series, through the
// recording canvas.

namespace {

using Ops = std::vector<std::string>;

template <typename Series>
struct Drawn
{
    explicit Drawn(int pointerSize = 2)
    {
        series.SetParentChart(&host);
        SetPointerSize(series, pointerSize);
    }

    Ops Paint()
    {
        host.recorder.ClearOps();
        ::Paint(series);
        return Described(host.recorder);
    }

    DrawingHost host;
    Series series;
};

} // namespace

TEST(LineSeriesDrawing, EachMarkerComesAfterBothSegmentsTouchingIt)
{
    Drawn<TLineSeries> d;
    d.series.SetSeriesColor(clBlue);
    d.series.LinePen().SetColor(clYellow); // replaced by the point colours
    AddPixelPoints(d.series, {{10, 80}, {20, 60, clRed}, {30, 70, clGreen}});

    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,80,20,60", "Rectangle 8,78,13,83", "LineTo 20,60,30,70",
                              "Rectangle 18,58,23,63", "Rectangle 28,68,33,73"}));
    // A segment takes the colour of the point it ends at; markers are
    // outlined black and filled with their point's colour.
    const auto lines = d.host.recorder.OpsNamed("LineTo");
    EXPECT_EQ(lines[0].Pen.Color, clRed);
    EXPECT_EQ(lines[1].Pen.Color, clGreen);
    const auto markers = d.host.recorder.OpsNamed("Rectangle");
    const TColor fills[] = {clBlue, clRed, clGreen};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(markers[i].Brush.Color, fills[i]);
        EXPECT_EQ(markers[i].Brush.Style, bsSolid);
        EXPECT_EQ(markers[i].Pen.Color, clBlack);
    }
}

struct EnteringCase
{
    const char* name;
    bool stairs;
    bool invertedAxis;
    bool nullBefore;
    Ops expected;
};

class LineSeriesEntering : public ::testing::TestWithParam<EnteringCase>
{
};

// X 0, 10, 20, 30, 40 with the bottom axis showing 25..125: point 3 is the
// first visible one, and the segment from point 2 (20, 20) to point 3
// (30, 60) crosses the plot's edge (value 25) at Y 40, pixel 60.
TEST_P(LineSeriesEntering, SegmentEntersFromThePlotEdge)
{
    const EnteringCase& c = GetParam();
    Drawn<TLineSeries> d;
    d.series.Pointer().SetVisible(false);
    d.host.bottom->min = 25;
    d.host.bottom->max = 125;
    d.host.bottom->inverted = c.invertedAxis;
    d.series.SetStairs(c.stairs);
    const double ys[] = {50, 50, 20, 60, 60};
    for (int i = 0; i < 5; ++i)
        d.series.AddPoint(i * 10, ys[i], {}, i == 2 && c.nullBefore ? clNone : clDefault);

    EXPECT_EQ(d.Paint(), c.expected);
    EXPECT_EQ(d.series.FirstVisible(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSeriesEntering,
    ::testing::Values(
        EnteringCase{"Interpolated", false, false, false, {"LineTo 0,60,5,40", "LineTo 5,40,15,40"}},
        EnteringCase{"FromTheRightEdgeOfAnInvertedAxis", false, true, false,
                     {"LineTo 100,60,95,40", "LineTo 95,40,85,40"}},
        // Stairs enter at the height of the point before.
        EnteringCase{"Stairs", true, false, false,
                     {"LineTo 0,80,5,80", "LineTo 5,80,5,40", "LineTo 5,40,15,40", "LineTo 15,40,15,40"}},
        EnteringCase{"NotFromANullPoint", false, false, true, {"LineTo 5,40,15,40"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct OrderCase
{
    const char* name;
    std::vector<PixelPoint> points;
    Ops expected;
};

class LineSeriesOrder : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(LineSeriesOrder, SegmentsAndMarkers)
{
    Drawn<TLineSeries> d;
    for (const PixelPoint& p : GetParam().points)
        d.series.AddPoint(p.X, 100 - p.Y, {}, p.Colour);
    EXPECT_EQ(d.Paint(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineSeriesOrder,
    ::testing::Values(
        OrderCase{"SamePixelNotJoinedButBothMarked",
                  {{10, 50}, {10, 50}, {30, 50}},
                  {"Rectangle 8,48,13,53", "LineTo 10,50,30,50", "Rectangle 8,48,13,53", "Rectangle 28,48,33,53"}},
        OrderCase{"NullPointBreaksTheLineWithoutMarker",
                  {{10, 50}, {20, 50, clNone}, {30, 60}, {40, 60}},
                  {"Rectangle 8,48,13,53", "LineTo 30,60,40,60", "Rectangle 28,58,33,63", "Rectangle 38,58,43,63"}},
        // Pixel 40100 is beyond what is drawn: the line goes on from the
        // last point drawn...
        OrderCase{"FarPointSkipped",
                  {{10, 50}, {20, 40100}, {30, 50}},
                  {"LineTo 10,50,30,50", "Rectangle 8,48,13,53", "Rectangle 28,48,33,53"}},
        // ...and a far last point leaves no marker undrawn.
        OrderCase{"FarLastPointSkipped",
                  {{10, 50}, {20, 50}, {30, 40100}},
                  {"LineTo 10,50,20,50", "Rectangle 8,48,13,53", "Rectangle 18,48,23,53"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineSeriesDrawing, SkippedFirstPointDoesNotJoinTheLastPaint)
{
    Drawn<TLineSeries> d;
    d.series.Pointer().SetVisible(false);
    AddPixelPoints(d.series, {{10, 50}, {90, 90}});
    d.Paint(); // leaves (90, 90) as the previous point
    d.series.ClearPoints();
    AddPixelPoints(d.series, {{10, 40100}, {20, 50}, {30, 50}});
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 20,50,30,50"}));
}

TEST(LineSeriesDrawing, StairsGoHorizontalFirstOrVerticalFirstWhenInverted)
{
    Drawn<TLineSeries> d;
    d.series.Pointer().SetVisible(false);
    d.series.SetStairs(true);
    AddPixelPoints(d.series, {{10, 50}, {20, 30}});
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,50,20,50", "LineTo 20,50,20,30"}));
    d.series.SetInvertedStairs(true);
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,50,10,30", "LineTo 10,30,20,30"}));
}

TEST(PointSeriesDrawing, MarkersOnlyNoLine)
{
    Drawn<TPointSeries> d(3);
    d.series.Pointer().Brush().SetColor(clRed);
    AddPixelPoints(d.series, {{100, 100}, {50, 40}, {60, 40, clNone}});
    EXPECT_EQ(d.Paint(), (Ops{"Rectangle 47,37,54,44", "Rectangle 97,97,104,104"}));
    EXPECT_EQ(d.host.recorder.Ops()[0].Brush.Color, clRed);
}

TEST(PointSeriesDrawing, SingleVisiblePointGetsItsMarkerUnlessNull)
{
    Drawn<TPointSeries> d(3);
    AddPixelPoints(d.series, {{50, 50}});
    EXPECT_EQ(d.Paint(), (Ops{"Rectangle 47,47,54,54"}));
    d.series.SetPointColor(0, clNone);
    EXPECT_EQ(d.Paint(), Ops{});
}

TEST(PointSeriesDrawing, PointerStyleEventChoosesTheShapePerPoint)
{
    Drawn<TPointSeries> d;
    std::vector<int> asked;
    d.series.OnGetPointerStyle = [&](const TChartSeries&, int index) {
        asked.push_back(index);
        return index == 1 ? psCircle : psSmallDot;
    };
    AddPixelPoints(d.series, {{10, 10}, {20, 20}});
    EXPECT_EQ(d.Paint(), (Ops{"SetPixel 10,10", "Ellipse 18,18,22,22"}));
    EXPECT_EQ(asked, (std::vector<int>{0, 1}));
}
