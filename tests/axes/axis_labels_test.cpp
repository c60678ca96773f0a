#include "fake_axis_host.h"

#include "chart/axes/date_time_format.h"
#include "chart/axes/text_block.h"

#include <gtest/gtest.h>

namespace {

double Day(int y, int m, int d) { return DaysOfDate(QDate(y, m, d)); }

class AxisLabels : public testing::Test
{
protected:
    TChartSeries& AddSeries(std::vector<std::pair<double, double>> points, const QString& label = {})
    {
        auto s = std::make_unique<TChartSeries>();
        s->SetParentChart(&host);
        for (auto [x, y] : points)
            s->AddPoint(x, y, label);
        series.push_back(std::move(s));
        return *series.back();
    }
    QStringList Labels(TCustomChartAxis& axis)
    {
        host.Layout(axis);
        return LabelTexts(axis.CalcTicks(axis.LabelScale()));
    }

    FakeAxisHost host; // plot 50..450 both ways: 400 pixels
    TChartAxis& left = host.axes.Left();
    TChartAxis& bottom = host.axes.Bottom();
    std::vector<std::unique_ptr<TChartSeries>> series;
};

TEST_F(AxisLabels, StepGrowsUntilTheLabelsFit)
{
    AddSeries({{0, 0}, {1, 100}});
    host.Layout(left);
    EXPECT_DOUBLE_EQ(left.LabelStep(), 5); // 29 labels of 13 + 1 pixels fit
    QStringList expected;
    for (int v = 100; v >= 0; v -= 5)
        expected << QString::number(v);
    EXPECT_EQ(Labels(left), expected);
}

TEST_F(AxisLabels, TicksSitAtTheLabelValues)
{
    AddSeries({{0, 0}, {1, 100}});
    host.Layout(left);
    const TAxisTickList ticks = left.CalcTicks(left.LabelScale());
    ASSERT_EQ(ticks.Ticks.size(), 21u);
    EXPECT_EQ(ticks.Ticks.front().Pixel, 50);
    EXPECT_EQ(ticks.Ticks[1].Pixel, 70);
    EXPECT_EQ(ticks.Ticks.back().Pixel, 450);
    left.SetLabelsOnAxis(false);
    EXPECT_EQ(left.CalcTicks(left.LabelScale()).Ticks.size(), 19u);
}

TEST_F(AxisLabels, RoundFirstLabel)
{
    AddSeries({{0, 0}});
    left.FixRange(3.3, 17.8);
    left.SetIncrement(5);
    EXPECT_EQ(Labels(left), (QStringList{"15", "10", "5"}));
    left.SetRoundFirstLabel(false);
    EXPECT_EQ(Labels(left), (QStringList{"17,8", "12,8", "7,8"}));
}

TEST_F(AxisLabels, NegativeMinimumIsLabelled)
{
    AddSeries({{0, -10}, {1, 10}});
    left.SetIncrement(5);
    EXPECT_EQ(Labels(left), (QStringList{"10", "5", "0", "-5", "-10"}));
}

TEST_F(AxisLabels, WithoutSeparationTheStepStaysAtOne)
{
    AddSeries({{0, 0}, {1, 100}});
    left.SetLabelsSeparation(0);
    EXPECT_EQ(Labels(left).size(), 101);
    left.FixRange(0, 20000); // 10000 labels or more: none
    EXPECT_TRUE(Labels(left).isEmpty());
}

TEST_F(AxisLabels, AtMost2000PositionsPerPaint)
{
    AddSeries({{0, 0}});
    left.SetLabelsSeparation(0);
    left.FixRange(0, 5000);
    host.Layout(left);
    const TAxisTickList ticks = left.CalcTicks(left.LabelScale());
    EXPECT_EQ(int(ticks.Ticks.size()), TAxisTickList::Capacity);
    EXPECT_EQ(ticks.Ticks.front().Text, QStringLiteral("5.000"));
    EXPECT_EQ(ticks.Ticks.back().Text, QStringLiteral("3.001"));
}

TEST_F(AxisLabels, TicksWithoutLabels)
{
    AddSeries({{0, 0}, {1, 100}});
    left.SetLabels(false);
    host.Layout(left);
    EXPECT_TRUE(left.CalcTicks(left.LabelScale()).Ticks.empty());
    left.SetTickOnLabelsOnly(false);
    const TAxisTickList ticks = left.CalcTicks(left.LabelScale());
    EXPECT_EQ(ticks.Ticks.size(), 21u);
    EXPECT_TRUE(LabelTexts(ticks).isEmpty());
}

TEST_F(AxisLabels, LogarithmicLabelsArePowersOfTheBase)
{
    AddSeries({{0, 0}});
    left.FixRange(2, 5000);
    left.SetLogarithmic(true);
    EXPECT_EQ(Labels(left), (QStringList{"1", "10", "100", "1.000"}).mid(1));
    left.SetLogarithmicBase(2);
    left.FixRange(0, 10);
    EXPECT_EQ(Labels(left), (QStringList{"0,1", "0,2", "0,4", "0,8", "1,6", "3,2", "6,4"}));
}

TEST_F(AxisLabels, CustomLabelsFromTheChartEvent)
{
    AddSeries({{0, 0}, {1, 100}});
    int calls = 0;
    host.onGetNextAxisLabel = [&](const TCustomChartAxis& sender, int index, double& value, bool& stop) {
        EXPECT_EQ(&sender, &left);
        if (index == 0) {
            EXPECT_EQ(value, 0); // starts at the minimum
        }
        ++calls;
        value = index * 40.0;
        stop = false;
    };
    EXPECT_EQ(Labels(left), (QStringList{"0", "40", "80"}));
    EXPECT_EQ(calls, 4); // 120 is outside and ends the labels

    host.onGetNextAxisLabel = [&](const TCustomChartAxis&, int, double& value, bool&) { value = 50; };
    EXPECT_EQ(Labels(left).size(), 21); // stopped at once: value labels

    calls = 0;
    host.onGetNextAxisLabel = [&](const TCustomChartAxis&, int, double& value, bool& stop) {
        ++calls;
        value = 50;
        stop = false;
    };
    left.SetLabels(false);
    Labels(left);
    EXPECT_EQ(calls, 2001);
}

TEST_F(AxisLabels, GetAxisLabelChangesValueTexts)
{
    AddSeries({{0, 0}, {1, 100}});
    host.onGetAxisLabel = [](const TCustomChartAxis&, TChartSeries* s, int index, QString& text) {
        EXPECT_EQ(s, nullptr);
        EXPECT_EQ(index, -1);
        text += QStringLiteral(" km");
    };
    EXPECT_EQ(Labels(left).first(), QStringLiteral("100 km"));
    left.SetLabelsMultiLine(true);
    EXPECT_EQ(left.LabelValue(5), QStringLiteral("5\rkm"));
}

TEST_F(AxisLabels, TextLabelsSkipThoseThatWouldOverlap)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i <= 10; ++i)
        points.push_back({double(i), 1});
    TChartSeries& s = AddSeries(points, QStringLiteral("Januar")); // 42 pixels, 40 apart
    EXPECT_EQ(bottom.EffectiveLabelStyle(), talText);
    host.Layout(bottom);
    TAxisTickList ticks = bottom.CalcTicks(bottom.LabelScale());
    std::vector<int> drawn;
    for (const TAxisTick& t : ticks.Ticks)
        drawn.push_back(t.Pixel);
    EXPECT_EQ(drawn, (std::vector<int>{50, 130, 210, 290, 370, 450}));
    bottom.SetLabelsSeparation(0);
    EXPECT_EQ(Labels(bottom).size(), 11);
    (void)s;
}

TEST_F(AxisLabels, TextLabelsComeFromTheFirstSeriesWithALabel)
{
    TChartSeries& a = AddSeries({});
    a.AddPoint(0, 1, QStringLiteral("a0"));
    a.AddPoint(1, 1);
    AddSeries({{0, 2}, {1, 2}}, QStringLiteral("b"));
    bottom.SetLabelStyle(talText);
    bottom.SetLabelsMultiLine(true);
    EXPECT_EQ(Labels(bottom), (QStringList{"a0", "b"}));
    // Point labels are not split at blanks.
    a.ClearPoints();
    a.AddPoint(0, 1, QStringLiteral("Jan Feb"));
    EXPECT_EQ(Labels(bottom).first(), QStringLiteral("Jan Feb"));
    bottom.SetLabelStyle(talMark);
    EXPECT_EQ(Labels(bottom), (QStringList{"1", "2"}));
    bottom.SetLabelStyle(talNone);
    EXPECT_TRUE(Labels(bottom).isEmpty());
}

TEST_F(AxisLabels, EffectiveLabelStyle)
{
    EXPECT_EQ(left.EffectiveLabelStyle(), talNone);
    TChartSeries& s = AddSeries({{0, 0}}, QStringLiteral("x"));
    EXPECT_EQ(left.EffectiveLabelStyle(), talValue); // labels name the horizontal axis
    EXPECT_EQ(bottom.EffectiveLabelStyle(), talText);
    s.SetActive(false);
    EXPECT_EQ(bottom.EffectiveLabelStyle(), talNone);
}

TEST_F(AxisLabels, DateTimeLabelTexts)
{
    TChartSeries& s = AddSeries({});
    s.XValues().SetDateTime(true);
    const double d = Day(2011, 3, 4);
    s.AddPoint(d, 0);
    s.AddPoint(d + 1.5, 0);
    host.Layout(bottom);
    EXPECT_TRUE(bottom.ShowsDateTime());
    EXPECT_EQ(bottom.LabelValue(d + 0.5), QStringLiteral("04.03.2011"));
    bottom.FixRange(d, d + 0.5);
    host.Layout(bottom);
    EXPECT_EQ(bottom.LabelValue(d + 0.5), QStringLiteral("12:00"));
    EXPECT_EQ(bottom.LabelValue(-1), QString());
    bottom.SetDateTimeFormat(QStringLiteral("dd.MM.yyyy hh:nn"));
    bottom.SetLabelsMultiLine(true);
    EXPECT_EQ(bottom.LabelValue(d + 0.5), QStringLiteral("04.03.2011\r12:00"));
    EXPECT_EQ(TextBlockWidth(*host.canvas, bottom.LabelValue(d)).Lines, 2);
}

TEST_F(AxisLabels, CalendarStepsLabelFirstDaysOfMonths)
{
    TChartSeries& s = AddSeries({});
    s.XValues().SetDateTime(true);
    s.AddPoint(Day(2011, 1, 10), 0);
    s.AddPoint(Day(2011, 5, 20), 0);
    bottom.SetIncrement(30);
    EXPECT_EQ(Labels(bottom), (QStringList{"01.05.2011", "01.04.2011", "01.03.2011", "01.02.2011"}));
    bottom.SetIncrement(15);
    bottom.FixRange(Day(2011, 1, 10), Day(2011, 2, 20));
    EXPECT_EQ(Labels(bottom), (QStringList{"15.02.2011", "01.02.2011", "15.01.2011"}));
}

TEST_F(AxisLabels, WidestLabel)
{
    AddSeries({{0, 0}, {1, 100}});
    host.Layout(left);
    EXPECT_EQ(left.WidestLabel(), 3 * 7 + 7); // "100" and a blank
    host.onGetAxisLabel = [](const TCustomChartAxis&, TChartSeries*, int, QString& text) { text = "xxxxxxxx"; };
    EXPECT_EQ(left.WidestLabel(), 3 * 7 + 7); // measured without the event
}

} // namespace
