#include "app/year/year_evaluation.h"
#include "app/year/year_store.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int Column = 3;

class EvaluationTest : public ::testing::Test
{
protected:
    void Year(int slot, float year) { store.SetYear(slot, year); }
    void Value(int slot, int day, float v) { store.SetCell(slot, day, Column, v); }
    static std::vector<TEvalPoint> Points(const TEvaluation& e, int series)
    {
        return e.series[std::size_t(series)].points;
    }
    static TEvalPoint P(double x, double y) { return {x, y, {}}; }

    TYearStore store;
};

TEST_F(EvaluationTest, DailyValuesShowDaysAboveZeroAndListEveryYear)
{
    Year(1, 2011);
    Value(1, 5, 3.5f);
    Value(1, 6, -2.0f);
    Value(1, 365, 1.0f);
    Value(1, 366, 9.0f); // never shown: 2011 ends on day 365
    Year(2, 2012);       // all values 0: no point, but a legend entry
    const TEvaluation e = EvaluateDaily(store, Column, TEvalMode::Daily);
    EXPECT_EQ(Points(e, 1), std::vector<TEvalPoint>({P(5, 3.5), P(365, 1)}));
    EXPECT_TRUE(Points(e, 2).empty());
    EXPECT_EQ(e.series[2].title, QStringLiteral("2012"));
    EXPECT_TRUE(e.series[2].showInLegend);
    EXPECT_FALSE(e.series[3].showInLegend);
    EXPECT_EQ(e.yearEntries, QStringList({"2011", "2012"}));
    EXPECT_TRUE(e.tightenLeftAxis);
    EXPECT_EQ(e.minPlotted, 1.0f);
}

TEST_F(EvaluationTest, MonthNamesLabelTheBottomAxis)
{
    const TEvaluation e = EvaluateDaily(store, Column, TEvalMode::Daily);
    ASSERT_EQ(e.series[0].points.size(), 13u);
    EXPECT_EQ(e.series[0].points[0], (TEvalPoint{0, 0, QStringLiteral("            Januar")}));
    EXPECT_EQ(e.series[0].points[2], (TEvalPoint{59, 0, QStringLiteral("        März")}));
    EXPECT_EQ(e.series[0].points[12], (TEvalPoint{367, 0, QStringLiteral("   ")}));
    // Nothing loaded: nothing plotted, the minimum stays at its start.
    EXPECT_EQ(e.minPlotted, 5000000.0f);
    EXPECT_TRUE(e.yearEntries.isEmpty());
}

TEST_F(EvaluationTest, RunningMeanSkipsDaysWithoutValue)
{
    Year(1, 2011);
    Value(1, 1, 2);
    Value(1, 2, 0);
    Value(1, 3, 4);
    const TEvaluation e = EvaluateDaily(store, Column, TEvalMode::RunningMean);
    EXPECT_EQ(Points(e, 1), std::vector<TEvalPoint>({P(1, 2), P(3, 3)}));
}

TEST_F(EvaluationTest, MonthlyMeanShowsTheMonthOnItsFirstDayAndEachValueDay)
{
    Year(1, 2011);
    Value(1, 45, 10);
    Value(1, 50, 20);
    const TEvaluation e = EvaluateDaily(store, Column, TEvalMode::MonthlyMean);
    EXPECT_EQ(Points(e, 1), std::vector<TEvalPoint>({P(32, 15), P(45, 15), P(50, 15)}));
    EXPECT_TRUE(e.reportLines.contains(QStringLiteral("1;30;2;15")));
    EXPECT_EQ(e.reportLines.size(), 12); // one line per month start
}

TEST_F(EvaluationTest, MonthlyBucketsStartOnTheTableDays)
{
    Year(1, 2011);
    Value(1, 89, 1);  // still in the bucket from day 60
    Value(1, 90, 5);  // starts the next bucket
    Value(1, 91, 7);  // 1 April of a common year
    Value(1, 366, 8); // the December bucket reaches day 366
    const TEvaluation e = EvaluateDaily(store, Column, TEvalMode::MonthlyMean);
    EXPECT_EQ(Points(e, 1),
              std::vector<TEvalPoint>({P(60, 1), P(89, 1), P(90, 6), P(91, 6), P(334, 8)}));
}

TEST_F(EvaluationTest, MonthlyTotalRestartsOnEveryBucketStart)
{
    Year(1, 2011);
    for (int d = 1; d <= 365; ++d)
        Value(1, d, 1);
    const TEvaluation e = EvaluateDaily(store, Column, TEvalMode::MonthlyCumulative);
    const auto points = Points(e, 1);
    ASSERT_EQ(points.size(), 365u);
    std::vector<int> restarts;
    for (const TEvalPoint& p : points)
        if (p.y == 1.0)
            restarts.push_back(int(p.x));
    EXPECT_EQ(restarts, std::vector<int>({1, 32, 60, 90, 120, 151, 181, 212, 243, 273, 304, 334}));
    EXPECT_EQ(points[30].y, 31.0);
}

TEST_F(EvaluationTest, LeapYearsRunTo31DecemberInEveryMode)
{
    Year(1, 2100); // divisible by 4: the loader gives it a day 366
    Value(1, 366, 4);
    for (const TEvalMode mode : {TEvalMode::Daily, TEvalMode::RunningMean, TEvalMode::MonthlyMean,
                                 TEvalMode::MonthlyCumulative})
        EXPECT_EQ(Points(EvaluateDaily(store, Column, mode), 1).back(), P(366, 4)) << int(mode);
    EXPECT_EQ(Points(EvaluateSorted(store, Column), 1), std::vector<TEvalPoint>({P(1, 4)}));
    EXPECT_EQ(Points(EvaluateCumulative(store, Column), 1).back(), P(366, 4));
}

TEST_F(EvaluationTest, SortedPlotsEveryPositiveValueLargestFirst)
{
    Year(1, 2011);
    Value(1, 10, 5);
    Value(1, 20, 123456789.0f); // beyond where text order equals number order
    Value(1, 30, 5);
    Value(1, 40, 0.25f);
    Year(2, 2012);
    Value(2, 1, 7); // a single value is plotted too
    const TEvaluation e = EvaluateSorted(store, Column);
    EXPECT_EQ(Points(e, 1), std::vector<TEvalPoint>({P(1, 123456792), P(2, 5), P(3, 5), P(4, 0.25)}));
    EXPECT_EQ(Points(e, 2), std::vector<TEvalPoint>({P(1, 7)}));
    EXPECT_EQ(e.reportLines, QStringList({"4"}));
    EXPECT_EQ(e.series[0].points, std::vector<TEvalPoint>({{1, 0, QStringLiteral("0")}}));
    EXPECT_EQ(e.minPlotted, 0.25f);
}

TEST_F(EvaluationTest, SortedValuesAreRoundedToThreeDecimals)
{
    Year(1, 2011);
    Value(1, 1, 1.23456f);
    Value(1, 2, 0.0004f); // rounds to 0.000: not plotted
    const TEvaluation e = EvaluateSorted(store, Column);
    EXPECT_EQ(Points(e, 1), std::vector<TEvalPoint>({P(1, double(1.235f))}));
}

TEST_F(EvaluationTest, CumulativeAddsEveryDay)
{
    Year(1, 2011);
    Value(1, 1, 5);
    Value(1, 2, -2);
    Value(1, 365, 1);
    const TEvaluation e = EvaluateCumulative(store, Column);
    const auto points = Points(e, 1);
    ASSERT_EQ(points.size(), 365u);
    EXPECT_EQ(points[0], P(1, 5));
    EXPECT_EQ(points[1], P(2, 3));
    EXPECT_EQ(points[364], P(365, 4));
    EXPECT_FALSE(e.tightenLeftAxis);
    ASSERT_EQ(e.series[0].points.size(), 13u);
    EXPECT_EQ(e.series[0].points[12], (TEvalPoint{361, 0, QStringLiteral("360")}));
}

TEST_F(EvaluationTest, SumsBeyondTheFloatRangeLeaveTheirDaysOut)
{
    Year(1, 2011);
    Value(1, 1, 3e38f);
    Value(1, 2, 3e38f);
    for (const TEvalMode mode : {TEvalMode::RunningMean, TEvalMode::MonthlyMean, TEvalMode::MonthlyCumulative})
        for (const TEvalPoint& p : Points(EvaluateDaily(store, Column, mode), 1))
            EXPECT_TRUE(std::isfinite(p.y)) << int(mode) << ", day " << p.x;
    EXPECT_EQ(Points(EvaluateCumulative(store, Column), 1), std::vector<TEvalPoint>({P(1, double(3e38f))}));
}

TEST_F(EvaluationTest, ColumnsBeyondTheStoreHaveNoValues)
{
    Year(1, 2011);
    Value(1, 1, 5);
    for (int column : {-1, TYearStore::ColumnCount, 1000}) {
        EXPECT_TRUE(EvaluateDaily(store, column, TEvalMode::Daily).series[1].points.empty());
        EXPECT_EQ(EvaluateCumulative(store, column).series[1].points.back(), P(365, 0));
    }
}

TEST_F(EvaluationTest, EveryLoadedYearIsEvaluatedAndTheWalkStopsAtAGap)
{
    for (int slot = 1; slot <= 19; ++slot)
        Year(slot, float(2000 + slot));
    EXPECT_EQ(LoadedYearCount(store), 19);
    EXPECT_EQ(EvaluateDaily(store, Column, TEvalMode::Daily).yearEntries.size(), 19);
    store.SetYear(3, 0);
    EXPECT_EQ(LoadedYearCount(store), 2);
}

} // namespace

// A year not over yet stops at its last dated row in the running modes only.
TEST_F(EvaluationTest, RunningLinesOfAYearNotOverEndAtItsLastRow)
{
    for (int slot : {1, 2}) {
        Year(slot, float(2024 + slot)); // 2026 is not over, 2025 is
        Value(slot, 10, 5);
        store.SetLastRowDay(slot, 40); // a rest day after the last workout
    }
    for (const TEvalMode mode : {TEvalMode::Daily, TEvalMode::RunningMean, TEvalMode::MonthlyCumulative}) {
        const TEvaluation e = EvaluateDaily(store, Column, mode, 2026);
        EXPECT_EQ(e.lastDataDay[2], mode == TEvalMode::Daily ? 0 : 40) << int(mode);
        EXPECT_EQ(e.lastDataDay[1], 0) << int(mode);
    }
    const TEvaluation total = EvaluateCumulative(store, Column, 2026);
    EXPECT_EQ(Points(total, 2).back(), P(40, 5));
    EXPECT_EQ(Points(total, 1).back(), P(365, 5));
    EXPECT_EQ(total.lastDataDay[2], 40);
}
