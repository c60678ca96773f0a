// The goal of the running total on the year chart: the goal line, the
// projection of a year not over yet, the hover's lines and the exports.
#include "app/view/chart_export.h"
#include "app/view/year_chart.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"
#include "support/year_view_host.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

// A year file with `km` of distance on every day from 1 January to `last`.
QByteArray YearText(const QDate& last, int km)
{
    QByteArray text = "Date;Time;Duration;Distance;HR;Power\r\n-;-;[h];[km];[1/min];[W]\r\n"
                      "Kind;0;1;2;0;3;0;0;0;0;0;0;0;0;4\r\n";
    for (QDate day(last.year(), 1, 1); day <= last; day = day.addDays(1))
        text += day.toString(QStringLiteral("yyyyMMdd")).toLatin1() + ";08:00;01:00:00;" + QByteArray::number(km)
            + ";140;200;\r\n";
    return text + QByteArray(230, '#') + "\r\n";
}

std::vector<std::pair<double, double>> Points(const TChartSeries& series)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < series.PointCount(); ++i)
        points.emplace_back(series.XValues().ValueAt(i), series.YValues().ValueAt(i));
    return points;
}

} // namespace

TEST(YearGoalView, GoalLineProjectionAndWhereTheYearStands)
{
    TYearViewHost host;
    TYearView& view = host.View();
    view.SetToday(QDate(2024, 4, 10)); // 2024 is not over; its rows end on 31 March, day 91
    view.BeginLoad();
    view.ReadYearText(QStringLiteral("2023.csv"), YearText(QDate(2023, 12, 31), 5));
    view.ReadYearText(QStringLiteral("2024.csv"), YearText(QDate(2024, 3, 31), 10));
    view.FinishLoad();
    view.SetGoal(1000);
    ASSERT_TRUE(view.Select(4, 1).isEmpty()); // the running total of distance
    const TChart& chart = *host.Chart();

    // To the last day of the newest year, a leap year: 366.
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Points(chart.SeriesAt(YearChart::GoalSeries)), (P{{1, 0}, {366, 1000}}));
    // 910 km by day 91, at that pace 3,660 km by 31 December; the past year has none.
    EXPECT_EQ(Points(chart.SeriesAt(YearChart::FirstProjectionSeries + 1)), (P{{91, 910}, {366, 3660}}));
    EXPECT_EQ(chart.SeriesAt(YearChart::FirstProjectionSeries).PointCount(), 0);
    host.Chart()->Repaint();
    EXPECT_GE(chart.LeftAxis()->Maximum(), 3660); // the left axis takes the projection in
    QStringList captions;
    for (std::size_t i = 0; i < chart.Legend()->LastLayout().Items.size(); ++i)
        captions << chart.Legend()->LegendItemCaption(int(i));
    EXPECT_EQ(captions, QStringList({"2023", "2024", "Ziel 1.000 km"}));

    const auto day91 = view.CompareAt(91);
    ASSERT_TRUE(day91 && day91->Rows.size() == 2);
    const TComparisonRow& running = day91->Rows[1];
    EXPECT_EQ(running.GoalText, QStringLiteral("Ziel: +663 km"));              // 910 − 1000 × 90/365
    EXPECT_EQ(running.NeededText, QStringLiteral("Noch 2.3 km pro Woche"));   // 90 km in 275 days
    EXPECT_TRUE(day91->Rows[0].GoalText.isEmpty());                           // 2023 is over
    const QStringList lines = day91->Lines();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("\tPrognose\t3660"))) << lines[2].toStdString();
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Ziel\t246.6"))) << lines.last().toStdString();

    const QByteArray csv = ChartExport::Csv(chart);
    EXPECT_TRUE(csv.contains("\n9;Ziel;1;0;\n9;Ziel;366;1000;\n")) << csv.right(200).toStdString();
    EXPECT_TRUE(csv.contains("\n11;Prognose 2024;91;910;\n"));

    // The monthly running total has no year goal.
    ASSERT_TRUE(view.Select(5, 1).isEmpty());
    EXPECT_EQ(chart.SeriesAt(YearChart::GoalSeries).PointCount(), 0);
    EXPECT_EQ(chart.SeriesAt(YearChart::FirstProjectionSeries + 1).PointCount(), 0);
}
