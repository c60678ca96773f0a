// Seasons on the year chart: a start of 1 January draws exactly the calendar
// years, and a real log cut into seasons keeps every workout of a season in
// its running total.
#include "app/view/chart_export.h"
#include "support/year_view_host.h"
#include "support/year_files.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Every mode's points with the first metric, and the pick list's rows.
QByteArray AllModes(TYearViewHost& host)
{
    QByteArray points;
    for (int mode = 0; mode <= 5; ++mode) {
        EXPECT_TRUE(host.SelectEvaluation(mode, 1).isEmpty());
        points += ChartExport::Csv(*host.Chart());
    }
    for (int row = 0; row < host.View().DrawnYears().Count(); ++row)
        points += QByteArray::number(host.View().DrawnYears().Year(row));
    return points;
}

} // namespace

TEST(SeasonView, NewYearDrawsTheCalendarYearsAfterAnotherStart)
{
    const QStringList files = YearFilesIn(QStringLiteral(KALDORO_SOURCE_DIR "/samples"));
    TYearViewHost calendar;
    calendar.LoadFiles(files);
    TYearViewHost seasons;
    seasons.LoadFiles(files);
    seasons.View().SetSeasonStart({10, 1});
    const QByteArray october = AllModes(seasons);
    EXPECT_TRUE(october.contains(";2008/09;"));
    EXPECT_TRUE(october.contains(";2012/13;"));
    seasons.View().SetSeasonStart({});
    EXPECT_EQ(AllModes(seasons), AllModes(calendar));
}

// A season's total on its last day is the sum of its days in the store,
// read by date: 1 October of one year to 30 September of the next.
TEST(SeasonView, SeasonTotalsOfARealLogEqualTheirWorkouts)
{
    TYearViewHost host;
    host.SetToday(QDate(2100, 1, 1));
    host.LoadFiles(YearFilesIn(QStringLiteral(KALDORO_REALDATA_DIR "/garmin-grunt")));
    host.View().SetSeasonStart({10, 1});
    ASSERT_TRUE(host.SelectEvaluation(4, 1).isEmpty());
    const TYearStore& store = host.YearStore();
    const int column = host.EvaluationState().SelectedColumn;
    const auto sum = [&](int year, int fromDay, int toDay) {
        double total = 0;
        for (int slot = 1; slot <= LoadedYearCount(store); ++slot)
            if (int(store.Year(slot)) == year)
                for (int day = fromDay; day <= toDay; ++day)
                    total += store.Cell(slot, day, column);
        return total;
    };
    int checked = 0;
    for (int s = 1; s <= 8; ++s) {
        const TChartSeries& series = host.Chart()->SeriesAt(s);
        if (!series.ShowInLegend() || series.PointCount() == 0)
            continue;
        const int first = series.Title().left(4).toInt();
        const double expected = sum(first, DayOfYear(first, 10, 1), TYearStore::DaysOfYear(first))
            + sum(first + 1, 1, DayOfYear(first + 1, 9, 30));
        EXPECT_NEAR(series.PointY(series.PointCount() - 1), expected, 1e-3 * std::max(1.0, expected)) << first;
        ++checked;
    }
    EXPECT_GT(checked, 1);
}
