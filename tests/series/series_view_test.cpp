#include "chart/series/chart_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A series with X = 1..10 in a chart whose bottom axis shows [lo, hi] on
// the plot's 0..100 pixels.
struct VisibleRangeFixture
{
    VisibleRangeFixture(double lo, double hi)
    {
        host.bottom->min = lo;
        host.bottom->max = hi;
        for (int x = 1; x <= 10; ++x)
            series.AddPoint(x, x * x);
        series.SetParentChart(&host);
    }
    ~VisibleRangeFixture() { series.SetParentChart(nullptr); }

    std::pair<int, int> Range(bool extendToEdges)
    {
        series.SetExtendToEdges(extendToEdges);
        series.CalcVisibleRange(host.plot);
        return {series.FirstVisible(), series.LastVisible()};
    }

    FakeHost host;
    TChartSeries series;
};

struct RangeCase
{
    const char* name;
    double lo, hi;
    bool inverted;
    std::pair<int, int> extended, clipped;
};

class VisibleRangeTest : public ::testing::TestWithParam<RangeCase>
{
};

TEST_P(VisibleRangeTest, FirstAndLastVisible)
{
    const RangeCase& c = GetParam();
    VisibleRangeFixture f(c.lo, c.hi);
    f.host.bottom->inverted = c.inverted;
    EXPECT_EQ(f.Range(true), c.extended);
    EXPECT_EQ(f.Range(false), c.clipped);
}

// Indexes are X - 1.
INSTANTIATE_TEST_SUITE_P(
    Ranges, VisibleRangeTest,
    ::testing::Values(RangeCase{"Inside", 3.5, 7.2, false, {3, 7}, {3, 6}},
                      RangeCase{"InsideInverted", 3.5, 7.2, true, {3, 7}, {3, 6}},
                      RangeCase{"EdgesOnPoints", 3, 7, false, {2, 6}, {2, 6}},
                      RangeCase{"Everything", 0, 20, false, {0, 9}, {0, 9}},
                      RangeCase{"AllLeft", 11, 20, false, {-1, -1}, {-1, -1}},
                      RangeCase{"AllRight", -5, 0.5, false, {0, 0}, {0, -1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SeriesViewTest, VisibleRangeIsWholeSeriesWhenNotLimited)
{
    VisibleRangeFixture f(3.5, 7.2);
    f.series.SetLimitToVisible(false);
    EXPECT_EQ(f.Range(false), std::make_pair(0, 9));
    f.series.SetLimitToVisible(true);
    f.series.XValues().SetOrder(loNone);
    EXPECT_EQ(f.Range(false), std::make_pair(0, 9));
}

TEST(SeriesViewTest, EmptySeriesHasNoVisiblePoints)
{
    FakeHost host;
    TChartSeries s;
    s.SetParentChart(&host);
    s.CalcVisibleRange(host.plot);
    EXPECT_EQ(s.FirstVisible(), -1);
    EXPECT_EQ(s.LastVisible(), -1);
    s.SetParentChart(nullptr);
}

class RecordingSeries : public TChartSeries
{
public:
    void DrawPoint(const TSeriesPaint&, int index) override { drawn.push_back(index); }
    bool DrawsPointsForward() const override { return forward; }
    std::vector<int> drawn;
    bool forward = true;
};

TEST(SeriesViewTest, DrawVisiblePointsWalksTheRange)
{
    DrawingHost host;
    host.bottom->min = 1.5;
    host.bottom->max = 4.5;
    RecordingSeries s;
    for (int x = 1; x <= 6; ++x)
        s.AddPoint(x, 0);
    s.SetParentChart(&host);
    s.CalcVisibleRange(host.plot);
    s.DrawVisiblePoints(host.PaintOf(s));
    EXPECT_EQ(s.drawn, (std::vector<int>{1, 2, 3}));
    s.drawn.clear();
    s.forward = false;
    s.DrawVisiblePoints(host.PaintOf(s));
    EXPECT_EQ(s.drawn, (std::vector<int>{3, 2, 1}));

    // Nothing visible: nothing drawn, not even point -1.
    s.drawn.clear();
    host.bottom->min = 10;
    host.bottom->max = 20;
    s.CalcVisibleRange(host.plot);
    s.DrawVisiblePoints(host.PaintOf(s));
    EXPECT_TRUE(s.drawn.empty());
    s.SetParentChart(nullptr);
}

TEST(SeriesViewTest, AxisBinding)
{
    FakeHost host;
    TChartSeries s;
    EXPECT_EQ(s.BoundHorizAxis(), nullptr);
    s.SetParentChart(&host);
    EXPECT_TRUE(s.IsBoundToAxis(host.bottom.get()));
    EXPECT_FALSE(s.IsBoundToAxis(host.top.get()));
    EXPECT_TRUE(s.IsBoundToAxis(host.left.get()));
    EXPECT_FALSE(s.IsBoundToAxis(host.right.get()));

    s.SetHorizAxis(aTopAxis);
    s.SetVertAxis(aRightAxis);
    EXPECT_EQ(s.BoundHorizAxis(), host.top.get());
    EXPECT_EQ(s.BoundVertAxis(), host.right.get());
    EXPECT_TRUE(s.IsBoundToAxis(host.top.get()));
    EXPECT_FALSE(s.IsBoundToAxis(host.bottom.get()));
    EXPECT_FALSE(s.IsBoundToAxis(host.left.get()));

    s.SetHorizAxis(aBothHorizAxis);
    s.SetVertAxis(aBothVertAxis);
    EXPECT_EQ(s.BoundHorizAxis(), host.bottom.get());
    EXPECT_EQ(s.BoundVertAxis(), host.left.get());
    for (const TSeriesAxis* axis : {host.bottom.get(), host.top.get(), host.left.get(), host.right.get()})
        EXPECT_TRUE(s.IsBoundToAxis(axis));

    FakeAxis custom(true);
    s.SetHorizAxis(aCustomHorizAxis);
    EXPECT_EQ(s.BoundHorizAxis(), host.bottom.get()); // until a custom axis is set
    s.SetCustomHorizAxis(&custom);
    EXPECT_EQ(s.BoundHorizAxis(), &custom);
    EXPECT_TRUE(s.IsBoundToAxis(&custom));
    s.SetCustomHorizAxis(nullptr);

    s.SetParentChart(nullptr);
    EXPECT_EQ(s.BoundHorizAxis(), nullptr);
    EXPECT_EQ(s.BoundVertAxis(), nullptr);
}

TEST(SeriesViewTest, ValuesMapThroughTheBoundAxes)
{
    FakeHost host;
    host.top->min = 0;
    host.top->max = 10;
    TChartSeries s;
    s.AddPoint(2.5, 25);
    EXPECT_EQ(s.PointPixelX(0), 0); // no chart, no axis
    s.SetParentChart(&host);
    s.SetHorizAxis(aTopAxis);
    EXPECT_EQ(s.PointPixelX(0), 25);
    EXPECT_EQ(s.PointPixelY(0), 75);
    EXPECT_EQ(s.ValueToPixelX(10), 100);
    EXPECT_EQ(s.PixelToValueX(50), 5);
    s.SetParentChart(nullptr);
}

TEST(SeriesViewTest, ClickFiresClickOrDoubleClickAndReportsConsumption)
{
    FakeHost host;
    TChartSeries s;
    s.SetParentChart(&host);
    host.mouseConsumed = true;
    EXPECT_FALSE(s.HandleClick(0, mbLeft, 0, 1, 2)); // nothing attached: flag cleared

    std::vector<std::string> fired;
    s.OnClick = [&](TChartSeries&, int index, TMouseButton, TShiftState, int x, int y) {
        fired.push_back("click " + std::to_string(index) + " " + std::to_string(x) + "," + std::to_string(y));
    };
    EXPECT_TRUE(s.HandleClick(3, mbLeft, 0, 10, 20));
    EXPECT_TRUE(s.HandleClick(4, mbLeft, ssDouble, 5, 6)); // no double-click handler: click
    s.OnDblClick = [&](TChartSeries&, int index, TMouseButton, TShiftState, int, int) {
        fired.push_back("double " + std::to_string(index));
    };
    EXPECT_TRUE(s.HandleClick(5, mbLeft, ssDouble | ssShift, 0, 0));
    EXPECT_EQ(fired, (std::vector<std::string>{"click 3 10,20", "click 4 5,6", "double 5"}));

    // A handler may give the click back to the chart.
    s.OnClick = [&](TChartSeries&, int, TMouseButton, TShiftState, int, int) { host.mouseConsumed = false; };
    EXPECT_FALSE(s.HandleClick(0, mbRight, 0, 0, 0));
    s.SetParentChart(nullptr);
    EXPECT_TRUE(s.HandleClick(0, mbLeft, 0, 0, 0)); // without a chart: consumed when a handler ran
}

TEST(SeriesViewTest, StackedOriginSumsPositiveValuesOfEarlierSeries)
{
    FakeHost host;
    TChartSeries a, b, c, d;
    for (TChartSeries* s : {&a, &b, &c, &d})
        s->SetParentChart(&host);
    a.AppendValue(5);
    b.AppendValue(-3);
    c.AppendValue(7);
    d.AppendValue(100);
    EXPECT_EQ(a.StackedOrigin(0, false), 0);
    EXPECT_EQ(c.StackedOrigin(0, false), 5); // b is negative
    EXPECT_EQ(c.StackedOrigin(1, false), 0); // nobody has a point 1
    b.SetActive(false);
    EXPECT_EQ(c.StackedOrigin(0, true), 112);
    for (TChartSeries* s : {&a, &b, &c, &d})
        s->SetParentChart(nullptr);
}

TEST(SeriesViewTest, DepthOrderIsAutomaticUnlessFixed)
{
    FakeHost host;
    TChartSeries a, b;
    a.SetParentChart(&host);
    b.SetParentChart(&host);
    a.AssignDepthOrder();
    EXPECT_EQ(a.DepthOrder(), 0);
    host.view3D = true;
    host.highestDepth = -1;
    a.AssignDepthOrder();
    b.AssignDepthOrder();
    EXPECT_EQ(a.DepthOrder(), 0);
    EXPECT_EQ(b.DepthOrder(), 1);
    EXPECT_EQ(b.HighestZ(), 1);
    b.SetDepthOrder(5);
    b.AssignDepthOrder();
    EXPECT_EQ(host.highestDepth, 5);
    host.depthOrdering = true;
    EXPECT_FALSE(a.SharesDepth());
    b.SetDepthOrder(0);
    EXPECT_TRUE(a.SharesDepth());
    a.Apply3DSetting(false);
    EXPECT_FALSE(host.view3D);
    EXPECT_TRUE(host.clipPoints);
    a.SetParentChart(nullptr);
    b.SetParentChart(nullptr);
}

} // namespace
