#include "chart/series/line_series.h"
#include "chart/series/point_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// Clicks, margins and legend symbols of line and point series.

namespace {

template <typename Series>
struct Clickable
{
    explicit Clickable(std::initializer_list<PixelPoint> points)
    {
        series.SetParentChart(&host);
        AddPixelPoints(series, points);
        Paint(series);
    }

    DrawingHost host;
    Series series;
};

struct ClickCase
{
    int x;
    int y;
    int expected;
};

void ExpectClicks(const TChartSeries& series, const std::vector<ClickCase>& cases)
{
    for (const ClickCase& c : cases)
        EXPECT_EQ(series.PointAt(c.x, c.y), c.expected) << "at " << c.x << "," << c.y;
}

} // namespace

TEST(PointSeriesClicks, MarkerHitIsStrictlyWithinTheHalfSize)
{
    Clickable<TPointSeries> c({{50, 50}, {70, 50}});
    c.series.Pointer().SetHorizSize(3);
    c.series.Pointer().SetVertSize(3);
    std::vector<std::pair<int, int>> clicked;
    c.series.OnClickPointer = [&](const TChartSeries&, int index, int x, int) {
        clicked.push_back({index, x});
    };
    ExpectClicks(c.series, {{52, 50, 0}, {53, 50, -1}, {50, 48, 0}, {50, 47, -1}, {48, 52, 0},
                            {47, 53, -1}, {68, 50, 1}, {67, 50, -1},
                            // between the markers, no segment to hit
                            {60, 50, -1}});
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{0, 52}, {0, 50}, {0, 48}, {1, 68}}));
}

TEST(PointSeriesClicks, HiddenPointerAnswersOnlyForExactPixels)
{
    Clickable<TPointSeries> c({{50, 50}, {70, 50}});
    c.series.Pointer().SetVisible(false);
    ExpectClicks(c.series, {{50, 50, 0}, {51, 50, -1}, {70, 50, 1}});
}

TEST(LineSeriesClicks, SegmentsReturnTheIndexWhereTheyStart)
{
    Clickable<TLineSeries> c({{10, 80}, {30, 60}, {50, 60}});
    ExpectClicks(c.series, {{20, 70, 0}, {30, 60, 1}, {40, 60, 1}, {20, 60, -1}, {60, 60, -1}, {10, 80, 0}});
    c.series.SetSegmentsClickable(false);
    ExpectClicks(c.series, {{20, 70, -1}, {30, 60, 1}});
}

TEST(LineSeriesClicks, StairsAreHitOnTheirLegs)
{
    Clickable<TLineSeries> c({{10, 80}, {30, 60}});
    c.series.SetStairs(true);
    ExpectClicks(c.series, {{20, 80, 0}, {30, 70, 0}, {20, 70, -1}, {10, 70, -1}});
    c.series.SetInvertedStairs(true);
    ExpectClicks(c.series, {{10, 70, 0}, {20, 60, 0}, {20, 70, -1}, {20, 80, -1}});
}

TEST(LineSeriesClicks, AreaUnderTheSegmentCounts)
{
    Clickable<TLineSeries> c({{10, 50}, {30, 50}});
    ExpectClicks(c.series, {{20, 70, -1}});
    c.series.SetDrawArea(true); // baseline: the bottom of the plot, pixel 100
    ExpectClicks(c.series, {{20, 70, 0}, {20, 40, -1}});
}

TEST(LineSeriesClicks, NothingBeforeTheFirstPaint)
{
    DrawingHost host;
    TLineSeries series;
    series.SetParentChart(&host);
    AddPixelPoints(series, {{10, 10}, {20, 20}});
    EXPECT_EQ(series.PointAt(10, 10), -1);
    Paint(series);
    EXPECT_EQ(series.PointAt(10, 10), 0);
}

struct MarginCase
{
    const char* name;
    bool pointSeries;
    bool inflate;
    int size;
    bool stairs;
    int penWidth;
    int lineHeight;
    int left, right, top, bottom;
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
    s.Pointer().SetHorizSize(c.size);
    s.Pointer().SetVertSize(c.size);
    s.SetStairs(c.stairs);
    s.LinePen().SetWidth(c.penWidth);
    s.SetLineHeight(c.lineHeight);
    int left = 99, right = 99, top = 99, bottom = 99;
    s.HorizontalMargins(left, right);
    s.VerticalMargins(top, bottom);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
    EXPECT_EQ(top, c.top);
    EXPECT_EQ(bottom, c.bottom);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeriesMargins,
                         ::testing::Values(MarginCase{"PointSizeThree", true, true, 3, false, 1, 0, 4, 4, 4, 4},
                                           MarginCase{"PointNotInflating", true, false, 3, false, 1, 0, 0, 0, 0, 0},
                                           MarginCase{"LineWithoutPointer", false, true, 3, false, 1, 0, 0, 0, 0, 0},
                                           MarginCase{"LineStairs", false, true, 3, true, 2, 0, 2, 2, 2, 3},
                                           MarginCase{"LineHeight", false, true, 3, false, 1, 5, 0, 0, 0, 5},
                                           // Point series do not connect: stairs need no room.
                                           MarginCase{"PointStairs", true, true, 3, true, 9, 0, 4, 4, 4, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

template <typename Series>
struct LegendFixture
{
    LegendFixture() { series.SetParentChart(&host); }

    std::vector<std::string> Symbol(int index = -1)
    {
        host.recorder.ClearOps();
        series.DrawLegendSymbol(index, {0, 0, 20, 10});
        return Described(host.recorder);
    }

    DrawingHost host;
    Series series;
};

} // namespace

TEST(SeriesLegendSymbol, LineSeriesDrawsALineInItsColour)
{
    LegendFixture<TLineSeries> f;
    f.series.SetSeriesColor(clBlue);
    f.series.LinePen().SetColor(clRed);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"LineTo 0,5,20,5"}));
    EXPECT_EQ(f.host.recorder.Ops()[0].Pen.Color, clBlue);

    // With the pointer shown the marker follows, a third of the box large.
    f.series.Pointer().SetVisible(true);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"LineTo 0,5,20,5", "Rectangle 6,2,15,9"}));
}

TEST(SeriesLegendSymbol, PointSeriesDrawsItsMarkerWhateverThePerPointStyle)
{
    LegendFixture<TPointSeries> f;
    f.series.SetSeriesColor(clGreen);
    f.series.Pointer().SetHorizSize(3);
    f.series.Pointer().SetVertSize(3);
    f.series.OnGetPointerStyle = [](const TChartSeries&, int) { return psCircle; };
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"Rectangle 7,2,14,9"}));
    EXPECT_EQ(f.host.recorder.Ops()[0].Brush.Color, clGreen);
    EXPECT_EQ(f.host.recorder.Ops()[0].Pen.Color, clBlack);

    // Without a line the marker may take half the box; size 4 fits.
    f.series.LinePen().SetVisible(false);
    f.series.Pointer().SetHorizSize(4);
    f.series.Pointer().SetVertSize(9);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"Rectangle 6,-1,15,12"}));

    f.series.AddPoint(1, 1, {}, clRed);
    f.Symbol(0);
    EXPECT_EQ(f.host.recorder.Ops()[0].Brush.Color, clRed);
}

TEST(SeriesLegendSymbol, NeitherPointerNorLineFallsBackToTheRectangle)
{
    LegendFixture<TPointSeries> f;
    f.series.Pointer().SetVisible(false);
    EXPECT_EQ(f.Symbol(), (std::vector<std::string>{"Rectangle 0,0,20,10"}));
}

TEST(SeriesLegendSymbol, LineSeriesPreparesTheLegendBrush)
{
    LegendFixture<TLineSeries> f;
    f.series.LinePen().SetWidth(3);
    f.series.SetLineBrush(bsDiagCross);
    TColor back = clWhite;
    TBrushStyle style = bsSolid;
    f.series.PrepareLegendBrush(-1, back, style);
    EXPECT_EQ(style, bsDiagCross);
    EXPECT_EQ(back, clWhite);
    EXPECT_EQ(f.host.recorder.Pen().Width, 3);
}
