#include "panel_test_support.h"

#include "chart/canvas/chart_exception.h"
#include "chart/series/list_index_exception.h"

#include <gtest/gtest.h>

TEST(ChartSeriesList, FreeColoursFollowThePalette)
{
    TChart chart;
    AddBoxSeries(chart, {}, clRed);
    AddBoxSeries(chart, {}, clGreen);
    EXPECT_EQ(AddBoxSeries(chart, {}).SeriesColor(), clYellow);
    // The panel colour and the back colour are skipped.
    chart.SetColor(clBlue);
    chart.SetBackColor(clWhite);
    EXPECT_EQ(chart.FreeSeriesColour(true), clGray);
    EXPECT_EQ(chart.FreeSeriesColour(false), clBlue);
}

TEST(ChartSeriesList, AllPaletteColoursUsedGivesRed)
{
    TChart chart;
    for (int i = 0; i < PaletteSize; ++i)
        AddBoxSeries(chart, {}, PaletteColour(i));
    EXPECT_EQ(chart.FreeSeriesColour(false), clRed);
}

TEST(ChartSeriesList, RemovingDoesNotFreeAndTakingHandsOwnershipBack)
{
    int destroyed = 0;
    auto chart = std::make_unique<TChart>();
    TChartSeries& a = chart->AddSeries(std::make_unique<TBoxSeries>(&destroyed));
    TChartSeries& b = chart->AddSeries(std::make_unique<TBoxSeries>(&destroyed));
    std::unique_ptr<TChartSeries> taken = chart->TakeSeries(a);
    ASSERT_EQ(taken.get(), &a);
    EXPECT_EQ(a.ParentChart(), nullptr);
    b.SetParentChart(nullptr);
    EXPECT_EQ(chart->SeriesTotal(), 0);
    EXPECT_EQ(destroyed, 0);
    b.SetParentChart(chart.get());
    chart.reset();
    EXPECT_EQ(destroyed, 1); // b, owned by the chart
    taken.reset();
    EXPECT_EQ(destroyed, 2);
}

TEST(ChartSeriesList, SeriesOwnedElsewhereIsDetachedWhenTheChartGoes)
{
    TBoxSeries outside;
    {
        TChart chart;
        outside.SetParentChart(&chart);
        EXPECT_EQ(chart.SeriesTotal(), 1);
    }
    EXPECT_EQ(outside.ParentChart(), nullptr);
}

TEST(ChartSeriesList, IndexOutOfRangeRaisesTheListError)
{
    TChart chart;
    AddBoxSeries(chart, {});
    EXPECT_NO_THROW(chart.SeriesAt(0));
    EXPECT_THROW(chart.SeriesAt(1), ListIndexException);
    EXPECT_THROW(chart.SeriesAt(-1), ListIndexException);
}

TEST(ChartSeriesList, LegendSeriesSkipInactiveAndHidden)
{
    TChart chart;
    TBoxSeries& a = AddBoxSeries(chart, {});
    TBoxSeries& b = AddBoxSeries(chart, {});
    TBoxSeries& c = AddBoxSeries(chart, {});
    a.SetActive(false);
    b.SetName(QStringLiteral("Series2"));
    c.SetTitle(QStringLiteral("2011"));
    EXPECT_EQ(chart.FirstActiveSeries(), &b);
    EXPECT_EQ(chart.LegendSeriesAt(0), &b);
    EXPECT_EQ(chart.LegendSeriesTitle(0), QStringLiteral("Series2"));
    EXPECT_EQ(chart.LegendSeriesTitle(1), QStringLiteral("2011"));
    EXPECT_EQ(chart.LegendSeriesTitle(2), QString());
    c.SetShowInLegend(false);
    EXPECT_EQ(chart.LegendSeriesAt(1), nullptr);
    b.SetName({});
    EXPECT_EQ(chart.LegendSeriesTitle(0), QStringLiteral("Series 0"));
}

TEST(ChartSeriesList, CircularDataSourceIsRefused)
{
    TChart chart;
    TBoxSeries& a = AddBoxSeries(chart, {});
    TBoxSeries& b = AddBoxSeries(chart, {});
    b.LinkSource(a);
    EXPECT_NO_THROW(chart.CheckDataSource(b, a));
    try {
        chart.CheckDataSource(a, b);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Zirkuläre Reihenabhängigkeiten sind nicht zulässig."));
    }
}

TEST(ChartAxes, FiveAxesInTheirOrderAndRoles)
{
    TChart chart;
    ASSERT_EQ(chart.Axes().Count(), 5);
    EXPECT_EQ(&chart.Axes().At(0), chart.BottomAxis());
    EXPECT_EQ(&chart.Axes().At(2), chart.LeftAxis());
    EXPECT_TRUE(chart.TopAxis()->Horizontal());
    EXPECT_TRUE(chart.RightAxis()->OtherSide());
    EXPECT_EQ(chart.LeftAxis()->Title().Angle(), 90);
    EXPECT_FALSE(chart.DepthAxis()->Visible());
}

TEST(ChartAxes, ShownByVisibilityAndActiveSeries)
{
    TChart chart;
    chart.SetView3D(false);
    chart.TopAxis()->SetVisible(false);
    TBoxSeries& s = AddBoxSeries(chart, {{1, 1}});
    s.SetActive(false);
    // No active series: every visible axis counts.
    EXPECT_TRUE(chart.AxisShown(*chart.RightAxis()));
    EXPECT_FALSE(chart.AxisShown(*chart.TopAxis()));
    EXPECT_FALSE(chart.AxisShown(*chart.DepthAxis()));
    s.SetActive(true);
    EXPECT_TRUE(chart.AxisShown(*chart.BottomAxis()));
    EXPECT_TRUE(chart.AxisShown(*chart.LeftAxis()));
    EXPECT_FALSE(chart.AxisShown(*chart.RightAxis()));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.AxisShown(*chart.BottomAxis()));
    chart.SetAxisVisible(true);
    chart.SetView3D(true);
    chart.DepthAxis()->SetVisible(true);
    EXPECT_TRUE(chart.AxisShown(*chart.DepthAxis()));
}
