#include "chart/canvas/chart_exception.h"
#include "panel_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartSeriesExtras, MarksDrawnWhenVisibleInsideTheirOwnClip)
{
    TRecordedChart r;
    TBoxSeries& s = AddBoxSeries(r.chart, {{0, 0}, {10, 10}});
    s.AddPoint(5, 5, QStringLiteral("Marke"));
    r.chart.SetClipPoints(false);
    s.Marks().SetClip(true);
    r.Paint();
    EXPECT_TRUE(r.recorder->OpsNamed(QStringLiteral("ClipToRect")).empty());
    s.Marks().SetVisible(true);
    r.Paint();
    const QStringList ops = r.recorder->OpNames();
    const auto clip = ops.indexOf("ClipToRect");
    ASSERT_GE(clip, 0);
    // Clip, three marks of arrow, box and text, clip removed.
    EXPECT_EQ(ops.mid(clip, 11).join(' '), "ClipToRect" + QString(" LineTo Rectangle TextOut").repeated(3) + " RemoveClip");
}

TEST(ChartSeriesExtras, LegendStyleMarksFollowTheChartsLegend)
{
    TRecordedChart r;
    TBoxSeries& s = AddBoxSeries(r.chart, {});
    s.AddPoint(5, 25, QStringLiteral("a"));
    s.Marks().SetStyle(smsLegend);
    r.chart.Legend()->SetTextStyle(ltsRightValue);
    EXPECT_EQ(s.MarkText(0), QStringLiteral("a 25"));
    r.chart.Legend()->SetTextStyle(ltsPlain);
    EXPECT_EQ(s.MarkText(0), QStringLiteral("a"));
}

TEST(ChartSeriesExtras, CircularDataSourceRefused)
{
    TRecordedChart r;
    TBoxSeries& a = AddBoxSeries(r.chart, {{1, 10}});
    TBoxSeries& b = AddBoxSeries(r.chart, {});
    b.SetDataSource(&a);
    EXPECT_EQ(b.PointCount(), 1);
    try {
        a.SetDataSource(&b); // would pass every change round for ever
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Zirkuläre Reihenabhängigkeiten sind nicht zulässig."));
    }
    EXPECT_EQ(a.DataSource(), nullptr);
}

} // namespace
