#include "chart/series/line_series.h"
#include "chart/series/point_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

// Clicks, margins and legend symbols of line and point series.

namespace {

template <typename Series>
struct Fixture
{
    explicit Fixture(std::initializer_list<PixelPoint> points = {})
    {
        series.SetParentChart(&host);
        AddPixelPoints(series, points);
        Paint(series);
    }

    // {x, y, expected index}
    void ExpectClicks(std::initializer_list<std::array<int, 3>> cases) const
    {
        for (const auto& [x, y, expected] : cases)
            EXPECT_EQ(series.PointAt(x, y), expected) << "at " << x << "," << y;
    }

    std::vector<std::string> Symbol(int index = -1)
    {
        host.recorder.ClearOps();
        series.DrawLegendSymbol(host.PaintOf(series), index, {0, 0, 20, 10});
        return Described(host.recorder);
    }

    DrawingHost host;
    Series series;
};

} // namespace

TEST(PointSeriesClicks, MarkerHitIsStrictlyWithinTheHalfSize)
{
    Fixture<TPointSeries> f({{50, 50}, {70, 50}});
    SetPointerSize(f.series, 3);
    std::vector<std::pair<int, int>> clicked;
    f.series.OnClickPointer = [&](const TChartSeries&, int index, int x, int) { clicked.push_back({index, x}); };
    // 2 pixels away hits, 3 misses; between markers there is no segment to hit.
    f.ExpectClicks({{52, 50, 0}, {53, 50, -1}, {50, 48, 0}, {50, 47, -1}, {48, 52, 0}, {47, 53, -1}, {68, 50, 1},
                    {60, 50, -1}});
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{0, 52}, {0, 50}, {0, 48}, {1, 68}}));
    // Without markers only the exact pixels answer.
    f.series.Pointer().SetVisible(false);
    f.ExpectClicks({{50, 50, 0}, {51, 50, -1}, {70, 50, 1}});
}

// A press between a change of the points and the next paint tests the
// points that are left, not the last paint's range.
TEST(PointSeriesClicks, PointsRemovedSinceThePaintAreNotHit)
{
    Fixture<TPointSeries> f({{50, 50}, {70, 50}});
    f.series.DeletePoint(1);
    f.ExpectClicks({{50, 50, 0}, {70, 50, -1}});
    f.series.ClearPoints();
    f.ExpectClicks({{50, 50, -1}});
}

TEST(LineSeriesClicks, SegmentsReturnTheIndexWhereTheyStart)
{
    Fixture<TLineSeries> f({{10, 80}, {30, 60}, {50, 60}});
    f.ExpectClicks({{20, 70, 0}, {30, 60, 1}, {40, 60, 1}, {20, 60, -1}, {60, 60, -1}});
    f.series.SetStairs(true); // (10, 80)-(30, 80)-(30, 60)
    f.ExpectClicks({{20, 80, 0}, {30, 70, 0}, {20, 70, -1}, {10, 70, -1}});
    f.series.SetInvertedStairs(true); // (10, 80)-(10, 60)-(30, 60)
    f.ExpectClicks({{10, 70, 0}, {20, 60, 0}, {20, 70, -1}, {20, 80, -1}});
    f.series.SetDrawArea(true); // down to the bottom of the plot
    f.ExpectClicks({{20, 90, 0}, {40, 90, 1}});
    f.series.SetSegmentsClickable(false);
    f.ExpectClicks({{20, 90, -1}, {30, 60, 1}});
}

struct MarginCase
{
    const char* name;
    bool pointSeries;
    bool inflate;
    bool stairs;
    int lineHeight;
    std::array<int, 4> expected; // left, right, top, bottom
};

class SeriesMargins : public ::testing::TestWithParam<MarginCase>
{
};

TEST_P(SeriesMargins, RoomForMarkersAndStairs)
{
    const MarginCase& c = GetParam();
    TPointSeries points;
    TLineSeries line;
    TCustomSeries& s = c.pointSeries ? static_cast<TCustomSeries&>(points) : line;
    s.Pointer().SetInflateMargins(c.inflate);
    SetPointerSize(s, 3, s.Pointer().Visible());
    s.SetStairs(c.stairs);
    s.LinePen().SetWidth(2);
    s.SetLineHeight(c.lineHeight);
    std::array<int, 4> m{99, 99, 99, 99};
    s.HorizontalMargins(m[0], m[1]);
    s.VerticalMargins(m[2], m[3]);
    EXPECT_EQ(m, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeriesMargins,
                         ::testing::Values(MarginCase{"PointSizeThree", true, true, false, 0, {4, 4, 4, 4}},
                                           MarginCase{"PointNotInflating", true, false, false, 0, {0, 0, 0, 0}},
                                           // Point series do not connect: stairs need no room.
                                           MarginCase{"PointStairs", true, true, true, 0, {4, 4, 4, 4}},
                                           MarginCase{"LineWithoutPointer", false, true, false, 0, {0, 0, 0, 0}},
                                           MarginCase{"LineStairs", false, true, true, 0, {2, 2, 2, 3}},
                                           MarginCase{"LineHeight", false, true, false, 5, {0, 0, 0, 5}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SeriesLegendSymbol, LineSeriesDrawsALineThenItsMarker)
{
    Fixture<TLineSeries> f;
    f.series.SetSeriesColor(clBlue);
    f.series.LinePen().SetColor(clRed);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"LineTo 0,5,20,5"}));
    EXPECT_EQ(f.host.recorder.Ops()[0].Pen.Color, clBlue);
    // With the pointer shown the marker follows, at most a third of the box.
    f.series.Pointer().SetVisible(true);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"LineTo 0,5,20,5", "Rectangle 6,2,15,9"}));

    TColor back = clWhite;
    TBrushStyle style = bsSolid;
    f.series.SetLineBrush(bsDiagCross);
    f.series.PrepareLegendBrush(f.host.PaintOf(f.series), -1, back, style);
    EXPECT_EQ(style, bsDiagCross);
}

TEST(SeriesLegendSymbol, PointSeriesDrawsItsMarkerWhateverThePerPointStyle)
{
    Fixture<TPointSeries> f;
    f.series.SetSeriesColor(clGreen);
    SetPointerSize(f.series, 3);
    f.series.OnGetPointerStyle = [](const TChartSeries&, int) { return psCircle; };
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"Rectangle 7,2,14,9"}));
    EXPECT_EQ(f.host.recorder.Ops()[0].Brush.Color, clGreen);
    // Without a line the marker may take half the box plus one.
    f.series.LinePen().SetVisible(false);
    f.series.Pointer().SetVertSize(9);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"Rectangle 7,-1,14,12"}));
    // Neither marker nor line: the plain rectangle.
    f.series.Pointer().SetVisible(false);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"Rectangle 0,0,20,10"}));
}
