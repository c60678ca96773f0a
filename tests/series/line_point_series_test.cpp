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
    Drawn() { series.SetParentChart(&host); }

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
    d.series.Pointer().SetVisible(true);
    d.series.Pointer().SetHorizSize(2);
    d.series.Pointer().SetVertSize(2);
    AddPixelPoints(d.series, {{10, 80}, {20, 60, clRed}, {30, 70, clGreen}});

    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,80,20,60", "Rectangle 8,78,13,83", "LineTo 20,60,30,70",
                              "Rectangle 18,58,23,63", "Rectangle 28,68,33,73"}));

    // A segment takes the colour of the point it ends at; markers are
    // outlined black and filled with their point's colour.
    const auto lines = d.host.recorder.OpsNamed("LineTo");
    EXPECT_EQ(lines[0].Pen.Color, clRed);
    EXPECT_EQ(lines[1].Pen.Color, clGreen);
    EXPECT_EQ(lines[0].Brush.Style, bsClear);
    const auto markers = d.host.recorder.OpsNamed("Rectangle");
    EXPECT_EQ(markers[0].Brush.Color, clBlue);
    EXPECT_EQ(markers[1].Brush.Color, clRed);
    EXPECT_EQ(markers[2].Brush.Color, clGreen);
    for (const TCanvasOp& m : markers) {
        EXPECT_EQ(m.Pen.Color, clBlack);
        EXPECT_EQ(m.Brush.Style, bsSolid);
    }
}

TEST(LineSeriesDrawing, LinePenColourIsReplacedAndAnInvisiblePenDrawsNothing)
{
    Drawn<TLineSeries> d;
    d.series.SetSeriesColor(clGreen);
    d.series.LinePen().SetColor(clRed);
    d.series.LinePen().SetWidth(3);
    AddPixelPoints(d.series, {{10, 10}, {20, 20}});
    ASSERT_EQ(d.Paint(), (Ops{"LineTo 10,10,20,20"}));
    EXPECT_EQ(d.host.recorder.Ops()[0].Pen.Color, clGreen);
    EXPECT_EQ(d.host.recorder.Ops()[0].Pen.Width, 3);

    d.series.LinePen().SetVisible(false);
    d.Paint();
    ASSERT_EQ(d.host.recorder.Ops().size(), 1u);
    EXPECT_FALSE(d.host.recorder.Ops()[0].Pen.IsVisible());
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
        EnteringCase{"Stairs",
                     true,
                     false,
                     false,
                     {"LineTo 0,80,5,80", "LineTo 5,80,5,40", "LineTo 5,40,15,40", "LineTo 15,40,15,40"}},
        EnteringCase{"NotFromANullPoint", false, false, true, {"LineTo 5,40,15,40"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineSeriesDrawing, PointsOnTheSamePixelAreNotJoinedButBothGetMarkers)
{
    Drawn<TLineSeries> d;
    d.series.Pointer().SetVisible(true);
    d.series.Pointer().SetHorizSize(2);
    d.series.Pointer().SetVertSize(2);
    AddPixelPoints(d.series, {{10, 50}, {10, 50}, {30, 50}});
    EXPECT_EQ(d.Paint(), (Ops{"Rectangle 8,48,13,53", "LineTo 10,50,30,50", "Rectangle 8,48,13,53",
                              "Rectangle 28,48,33,53"}));
}

TEST(LineSeriesDrawing, NullPointBreaksTheLineAndHasNoMarker)
{
    Drawn<TLineSeries> d;
    d.series.Pointer().SetVisible(true);
    d.series.Pointer().SetHorizSize(2);
    d.series.Pointer().SetVertSize(2);
    AddPixelPoints(d.series, {{10, 50}, {20, 50, clNone}, {30, 60}, {40, 60}});
    EXPECT_EQ(d.Paint(), (Ops{"Rectangle 8,48,13,53", "LineTo 30,60,40,60", "Rectangle 28,58,33,63",
                              "Rectangle 38,58,43,63"}));
}

TEST(LineSeriesDrawing, StairsGoHorizontalFirstOrVerticalFirstWhenInverted)
{
    Drawn<TLineSeries> d;
    d.series.SetStairs(true);
    AddPixelPoints(d.series, {{10, 50}, {20, 30}});
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,50,20,50", "LineTo 20,50,20,30"}));

    d.series.SetInvertedStairs(true);
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,50,10,30", "LineTo 10,30,20,30"}));
}

TEST(PointSeriesDrawing, MarkersOnlyNoLine)
{
    Drawn<TPointSeries> d;
    d.series.Pointer().SetHorizSize(3);
    d.series.Pointer().SetVertSize(3);
    AddPixelPoints(d.series, {{100, 100}, {50, 40}, {60, 40, clNone}});
    EXPECT_EQ(d.Paint(), (Ops{"Rectangle 47,37,54,44", "Rectangle 97,97,104,104"}));
}

TEST(PointSeriesDrawing, SingleVisiblePointGetsItsMarkerUnlessNull)
{
    Drawn<TPointSeries> d;
    d.series.Pointer().SetHorizSize(3);
    d.series.Pointer().SetVertSize(3);
    AddPixelPoints(d.series, {{50, 50}});
    EXPECT_EQ(d.Paint(), (Ops{"Rectangle 47,47,54,54"}));

    d.series.SetPointColor(0, clNone);
    EXPECT_EQ(d.Paint(), Ops{});
}

TEST(PointSeriesDrawing, PointerStyleEventChoosesTheShapePerPoint)
{
    Drawn<TPointSeries> d;
    d.series.Pointer().SetHorizSize(2);
    d.series.Pointer().SetVertSize(2);
    std::vector<int> asked;
    d.series.OnGetPointerStyle = [&](const TChartSeries& sender, int index) {
        EXPECT_EQ(&sender, &d.series);
        asked.push_back(index);
        return index == 1 ? psCircle : psSmallDot;
    };
    AddPixelPoints(d.series, {{10, 10}, {20, 20}});
    EXPECT_EQ(d.Paint(), (Ops{"SetPixel 10,10", "Ellipse 18,18,22,22"}));
    EXPECT_EQ(asked, (std::vector<int>{0, 1}));
}

TEST(LineSeriesDrawing, PointsBeyondTheDrawableRangeAreSkipped)
{
    Drawn<TLineSeries> d;
    d.series.Pointer().SetVisible(true);
    d.series.Pointer().SetHorizSize(2);
    d.series.Pointer().SetVertSize(2);
    // Y -40000 lies at pixel 40100.
    d.series.AddPoint(10, 50);
    d.series.AddPoint(20, -40000);
    d.series.AddPoint(30, 50);
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,50,30,50", "Rectangle 8,48,13,53", "Rectangle 28,48,33,53"}));
}

TEST(LineSeriesDrawing, SkippedLastPointLeavesNoMarkerBehind)
{
    Drawn<TLineSeries> d;
    d.series.Pointer().SetVisible(true);
    d.series.Pointer().SetHorizSize(2);
    d.series.Pointer().SetVertSize(2);
    d.series.AddPoint(10, 50);
    d.series.AddPoint(20, 50);
    d.series.AddPoint(30, -40000);
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 10,50,20,50", "Rectangle 8,48,13,53", "Rectangle 18,48,23,53"}));
}

TEST(LineSeriesDrawing, SkippedFirstPointDoesNotJoinTheLastPaint)
{
    Drawn<TLineSeries> d;
    d.series.AddPoint(10, 50);
    d.series.AddPoint(90, 10);
    d.Paint(); // leaves (90, 90) as the previous point

    d.series.ClearPoints();
    d.series.AddPoint(10, -40000);
    d.series.AddPoint(20, 50);
    d.series.AddPoint(30, 50);
    EXPECT_EQ(d.Paint(), (Ops{"LineTo 20,50,30,50"}));
}

TEST(LineSeriesDrawing, NothingWithoutCanvas)
{
    FakeHost host;
    TLineSeries series;
    series.SetParentChart(&host);
    series.AddPoint(1, 1);
    series.AddPoint(2, 2);
    Paint(series); // must not crash: the fake chart has no canvas
    EXPECT_EQ(series.LastVisible(), 1);
}
