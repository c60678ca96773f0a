#include "mouse_test_support.h"

#include "chart/panel/chart_legend.h"

#include <gtest/gtest.h>

namespace {

// A legend whose item 2 lies at (10..60, 230..245); it takes no space.
class THitLegend : public TChartLegend
{
public:
    explicit THitLegend(TCustomChart& chart) : TChartLegend(chart) {}
    void Draw() override {}
    int Clicked(int x, int y) const override { return TRect{10, 230, 60, 245}.Contains({x, y}) ? 2 : -1; }
};

} // namespace

TEST(ChartClicks, LegendClickIsReportedAndStartsNoZoomUnlessHandedBack)
{
    TMouseChart m;
    m.chart.SetLegend(std::make_unique<THitLegend>(m.chart));
    m.chart.Repaint();
    TClicks clicks(m.chart);
    EXPECT_EQ(m.chart.FindClickedPart(20, 240).Part, cpLegend);
    EXPECT_EQ(m.chart.FindClickedPart(20, 240).PointIndex, 2);
    m.Press(Qt::LeftButton, {20, 240});
    m.Release(Qt::LeftButton, {20, 240});
    EXPECT_EQ(clicks.legend, 1);
    EXPECT_EQ(clicks.background, 0);
    EXPECT_FALSE(m.chart.ZoomRecord().Active);
    // A handler that clears MouseConsumed lets the background event run.
    clicks.keepLegendClick = false;
    m.Press(Qt::LeftButton, {20, 240});
    m.Release(Qt::LeftButton, {20, 240});
    EXPECT_EQ(clicks.legend, 2);
    EXPECT_EQ(clicks.background, 1);
    EXPECT_FALSE(m.chart.MouseConsumed());
}
