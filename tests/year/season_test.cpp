#include "app/year/season_cut.h"
#include "app/year/year_evaluation.h"
#include "app/year/year_store.h"

#include <gtest/gtest.h>

namespace {

constexpr int Column = 3;

TEST(Season, CalendarOfOneSeason)
{
    struct Case
    {
        const char* start;
        int firstYear;
        const char* title;
        int firstPartDays, days;
        std::vector<int> someMonthStarts; // the first four
        int dayOfLeapDay;                 // season day of 29 February of the second year, 0 without
    };
    const Case cases[] = {
        {"10-01", 2023, "2023/24", 92, 366, {1, 32, 62, 93}, 152},
        {"03-01", 2023, "2023/24", 306, 366, {1, 32, 62, 93}, 366}, // 29 February is its last day
        {"03-01", 2024, "2024/25", 306, 365, {1, 32, 62, 93}, 0},
        {"10-15", 1999, "1999/00", 78, 366, {1, 18, 48, 79}, 138}, // the split October ends the season
        {"01-01", 2024, "2024", 366, 366, {1, 32, 60, 90}, 0},     // the monthly modes' table of calendar years
    };
    for (const Case& c : cases) {
        const auto start = TSeasonStart::Parse(QString::fromLatin1(c.start));
        ASSERT_TRUE(start) << c.start;
        const TSeasonCalendar calendar = TSeasonCalendar::Of(*start, c.firstYear);
        SCOPED_TRACE(c.start);
        EXPECT_EQ(start->Title(c.firstYear), QString::fromLatin1(c.title));
        EXPECT_EQ(calendar.FirstPartDays, c.firstPartDays);
        EXPECT_EQ(calendar.Days, c.days);
        EXPECT_EQ(std::vector<int>(calendar.MonthStarts.begin(), calendar.MonthStarts.begin() + 4), c.someMonthStarts);
        EXPECT_GT(calendar.MonthStarts.back(), calendar.Days);
        EXPECT_EQ(calendar.SourceOf(1).dayOfYear, start->StartDayIn(c.firstYear));
        EXPECT_EQ(calendar.SeasonDayOf(1, DayOfYear(c.firstYear + 1, 2, 29)) * (c.days == 366 ? 1 : 0), c.dayOfLeapDay);
    }
    for (const char* refused : {"02-29", "02-30", "04-31", "13-01", "00-10", "1-01", "10-1", "10/01"})
        EXPECT_FALSE(TSeasonStart::Parse(QString::fromLatin1(refused))) << refused;
}

// 2023 and 2024 loaded (2024 a leap year), one workout of 1 on every day.
class SeasonEvaluation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& [slot, year] : {std::pair(1, 2023), std::pair(2, 2024)}) {
            store.SetYear(slot, float(year));
            for (int d = 1; d <= TYearStore::DaysOfYear(year); ++d)
                store.SetCell(slot, d, Column, 1.0f);
            store.SetLastRowDay(slot, TYearStore::DaysOfYear(year));
        }
    }
    TEvaluation Evaluate(const char* start, TEvalMode mode, TSeasonDate today = {NoYearRunning, 1})
    {
        return EvaluateSeasons(store, CutSeasons(store, *TSeasonStart::Parse(QString::fromLatin1(start))), Column, mode,
                               today);
    }
    TYearStore store;
};

TEST_F(SeasonEvaluation, RunningTotalsOverSeasons)
{
    // 1 March: season 2022/23 holds January and February 2023 only; 2023/24
    // holds a leap day; 2024/25 ends with 2024, its next year not loaded.
    const TEvaluation march = Evaluate("03-01", TEvalMode::Cumulative);
    EXPECT_EQ(march.yearEntries, QStringList({"2022/23", "2023/24", "2024/25"}));
    EXPECT_EQ(march.series[1].points.front(), (TEvalPoint{307, 1, {}}));
    EXPECT_EQ(march.series[1].points.back(), (TEvalPoint{365, 59, {}}));
    EXPECT_EQ(march.series[2].points.back(), (TEvalPoint{366, 366, {}}));
    EXPECT_EQ(march.series[3].points.back(), (TEvalPoint{306, 306, {}}));
    EXPECT_EQ(march.lastDataDay[3], 306);
    const TEvalPoint april = Evaluate("03-01", TEvalMode::Daily).series[0].points[1];
    EXPECT_EQ(april.x, 31);
    EXPECT_EQ(april.label.trimmed(), QStringLiteral("April"));

    // A season that contains today ends at its last row; one that starts
    // after today is not over either.
    store.SetLastRowDay(2, 40); // 9 February 2024
    const TEvaluation october = Evaluate("10-01", TEvalMode::Cumulative, {2024, 20});
    EXPECT_EQ(october.yearEntries, QStringList({"2022/23", "2023/24", "2024/25"}));
    EXPECT_EQ(october.series[2].points.back(), (TEvalPoint{92 + 40, 92 + 40, {}}));
    EXPECT_TRUE(october.series[2].running);
    EXPECT_FALSE(october.series[1].running);
    EXPECT_TRUE(october.series[3].running);
}

TEST_F(SeasonEvaluation, MonthlyModesCountFromTheStartMonth)
{
    const TEvaluation e = Evaluate("10-01", TEvalMode::MonthlyCumulative);
    std::vector<int> restarts;
    for (const TEvalPoint& p : e.series[2].points)
        if (p.y == 1.0)
            restarts.push_back(int(p.x));
    // October to December 2023, then January 2024 to September 2024 with its 29 February.
    EXPECT_EQ(restarts, std::vector<int>({1, 32, 62, 93, 124, 153, 184, 214, 245, 275, 306, 337}));
    EXPECT_EQ(e.series[2].points.size(), 366u);
    EXPECT_EQ(e.series[0].points.front().label.trimmed(), QStringLiteral("Oktober"));
}

} // namespace
