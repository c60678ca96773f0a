#include "line_point_host.h"

#include <gtest/gtest.h>

namespace {

TEST(SeriesMarkTextTest, EachStyleShowsItsParts)
{
    struct Case { TSeriesMarksStyle Style; QString Labelled, Unlabelled; };
    const Case cases[] = {
        {smsValue, "25", "-75"},
        {smsPercent, "12,5 %", "-37,5 %"},
        {smsLabel, "a", "-75"},
        {smsLabelPercent, "a 12,5 %", "-37,5 %"},
        {smsLabelValue, "a 25", "-75"},
        {smsLegend, "25 a", "-75"}, // the legend's default: value, then label
        {smsPercentTotal, "12,5 % von 200", "-37,5 % von 200"},
        {smsLabelPercentTotal, "a 12,5 % von 200", "-37,5 % von 200"},
        {smsXValue, "x1", "x2"}, // the bottom axis' label text
    };
    DrawingHost host;
    TChartSeries series, zeros;
    series.SetParentChart(&host);
    series.AddPoint(1, 25, "a"); // absolute sum 200
    series.AddPoint(2, -75);
    series.AddPoint(3, 100, "c\rzweite");
    for (const Case& c : cases) {
        series.Marks().SetStyle(c.Style);
        EXPECT_EQ(series.MarkText(0), c.Labelled) << int(c.Style);
        EXPECT_EQ(series.MarkText(1), c.Unlabelled) << int(c.Style);
    }
    series.Marks().SetStyle(smsLegend);
    host.legendStyle = ltsRightPercent;
    EXPECT_EQ(series.MarkText(0), "a 12,5 %");
    series.Marks().SetStyle(smsLabel);
    EXPECT_EQ(series.WidestMark(), 6 * TRecordingCanvas::CharWidth); // "zweite"
    series.OnGetMarkText = [](const TChartSeries&, int index, QString& text) { text += QString::number(index); };
    EXPECT_EQ(series.MarkText(1), "-751");

    zeros.SetParentChart(&host); // nothing to share: each point is the whole
    zeros.AddPoint(1, 0);
    zeros.Marks().SetStyle(smsPercent);
    EXPECT_EQ(zeros.MarkText(0), "100 %");
    zeros.SetParentChart(nullptr);
    series.SetParentChart(nullptr);
}

} // namespace
