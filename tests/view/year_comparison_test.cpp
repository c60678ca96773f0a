// The years compared at one day: values recomputed here from the year
// store, independently of the evaluation, for the modes whose x is a day.
#include "support/year_view_host.h"
#include "app/view/year_comparison.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The four sample years, 2009 to 2012, evaluated without a window.
class YearComparison : public ::testing::Test
{
protected:
    YearComparison()
    {
        QStringList paths;
        for (const char* year : {"2009", "2010", "2011", "2012"})
            paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
        host.LoadFiles(paths);
    }
    void Mode(int mode, int metric)
    {
        ASSERT_TRUE(host.SelectEvaluation(mode, metric).isEmpty());
    }
    TYearComparison At(int day) const
    {
        const auto box = CompareYearsAt(YearSeriesOf(*host.Chart()), host.EvaluationState(), day);
        EXPECT_TRUE(box.has_value());
        return box.value_or(TYearComparison{});
    }
public:
    float Cell(int slot, int day) const
    {
        return host.YearStore().Cell(slot, day, host.EvaluationState().SelectedColumn);
    }
protected:
    // First day of the month bucket of the monthly modes that holds `day`.
    static int MonthStart(int day)
    {
        int start = 1;
        for (int s : {1, 32, 60, 90, 120, 151, 181, 212, 243, 273, 304, 334})
            start = s <= day ? s : start;
        return start;
    }

    TYearViewHost host;
};

using Expected = std::function<std::optional<double>(const YearComparison&, int slot, int day)>;

} // namespace

TEST_F(YearComparison, ValuesAndDifferencesFollowTheYearStore)
{
    const auto daily = [](const YearComparison& t, int slot, int day) -> std::optional<double> {
        const float v = t.Cell(slot, day);
        return v > 0 ? std::optional<double>(v) : std::nullopt;
    };
    const auto runningMean = [](const YearComparison& t, int slot, int day) -> std::optional<double> {
        float sum = 0;
        int count = 0;
        for (int d = 1; d <= day; ++d)
            if (const float v = t.Cell(slot, d); v > 0)
                sum += v, ++count;
        return count > 0 ? std::optional<double>(sum / float(count)) : std::nullopt;
    };
    const auto total = [](const YearComparison& t, int slot, int day) -> std::optional<double> {
        float sum = 0;
        for (int d = 1; d <= day; ++d)
            sum += t.Cell(slot, d);
        return sum;
    };
    const auto monthTotal = [](const YearComparison& t, int slot, int day) -> std::optional<double> {
        float sum = 0;
        for (int d = MonthStart(day); d <= day; ++d)
            sum += std::max(0.0f, t.Cell(slot, d));
        return sum;
    };
    struct Case {
        int mode;
        int metric;
        Expected expected;
    };
    // Days inside months, a month's first days (33, 61: the monthly total
    // restarts) and the turn of the year.
    const Case cases[] = {{0, 2, daily}, {2, 2, runningMean}, {4, 1, total}, {4, 0, total}, {5, 1, monthTotal}};
    for (const Case& c : cases) {
        Mode(c.mode, c.metric);
        for (int day : {1, 7, 33, 61, 100, 200, 300, 365}) {
            const TYearComparison box = At(day);
            ASSERT_EQ(box.Rows.size(), 4u);
            for (int slot = 1; slot <= 4; ++slot) {
                const TComparisonRow& row = box.Rows[std::size_t(slot - 1)];
                EXPECT_EQ(row.Year, QString::number(2008 + slot));
                const std::optional<double> expected = c.expected(*this, slot, day);
                ASSERT_EQ(row.Value.has_value(), expected.has_value()) << c.mode << " day " << day << " slot " << slot;
                if (!expected) {
                    EXPECT_EQ(row.ValueText, QStringLiteral("—"));
                    continue;
                }
                EXPECT_NEAR(*row.Value, *expected, 1e-3 * std::max(1.0, std::abs(*expected)))
                    << c.mode << " day " << day << " slot " << slot;
                const TComparisonRow* above = slot > 1 ? &box.Rows[std::size_t(slot - 2)] : nullptr;
                if (above == nullptr || !above->Value) {
                    EXPECT_TRUE(row.DifferenceText.isEmpty()) << row.DifferenceText.toStdString();
                } else {
                    EXPECT_EQ(row.DifferenceText, ComparisonDifferenceText(*row.Value - *above->Value,
                                                                           host.EvaluationState().DurationMetric));
                }
            }
        }
    }
}

TEST_F(YearComparison, LeapDayCountsOnlyInTheLeapYear)
{
    // 2012 has a workout on 31 December, day 366; 2010 on day 365.
    Mode(0, 2);
    TYearComparison box = At(366);
    ASSERT_EQ(box.Rows.size(), 4u);
    EXPECT_FALSE(box.Rows[1].Value.has_value());
    ASSERT_TRUE(box.Rows[3].Value.has_value());
    EXPECT_FLOAT_EQ(float(*box.Rows[3].Value), Cell(4, 366));
    // The running total of a common year ends with day 365; the leap year
    // adds its last day.
    Mode(4, 1);
    box = At(366);
    EXPECT_FLOAT_EQ(float(*box.Rows[1].Value), float(*At(365).Rows[1].Value));
    EXPECT_NEAR(*box.Rows[3].Value - *At(365).Rows[3].Value, Cell(4, 366), 1e-2);
}

TEST_F(YearComparison, MonthlyMeanIsTheMeanOfTheDaysMonth)
{
    Mode(3, 2);
    for (int day : {31, 32, 89, 90, 91, 366}) {
        const int start = MonthStart(day);
        const int end = start == 334 ? 366 : MonthStart(start + 35) - 1;
        for (int slot = 1; slot <= 4; ++slot) {
            float sum = 0;
            int count = 0;
            for (int d = start; d <= end; ++d)
                if (const float v = Cell(slot, d); v > 0)
                    sum += v, ++count;
            const auto value = At(day).Rows[std::size_t(slot - 1)].Value;
            ASSERT_EQ(value.has_value(), count > 0) << day;
            if (count > 0) {
                EXPECT_NEAR(*value, sum / float(count), 1e-3) << "day " << day << " slot " << slot;
            }
        }
    }
}

TEST_F(YearComparison, HiddenYearsAreLeftOutAndTheDifferenceSkipsThem)
{
    Mode(4, 1);
    host.Chart()->SeriesAt(2).SetActive(false);
    const TYearComparison box = At(200);
    ASSERT_EQ(box.Rows.size(), 3u);
    EXPECT_EQ(box.Rows[0].Year, QStringLiteral("2009"));
    EXPECT_EQ(box.Rows[1].Year, QStringLiteral("2011"));
    EXPECT_EQ(box.Rows[1].Colour, host.Chart()->SeriesAt(3).SeriesColor());
    EXPECT_EQ(box.Rows[1].DifferenceText, ComparisonDifferenceText(*box.Rows[1].Value - *box.Rows[0].Value, false));
    const QStringList lines = box.Lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Tag 200"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("2011\t"))) << lines[2].toStdString();
    EXPECT_EQ(lines[2].count(QLatin1Char('\t')), 2);
}

TEST_F(YearComparison, ModeSortedByValueHasNoDays)
{
    Mode(1, 1);
    EXPECT_FALSE(ComparesDays(host.EvaluationState().EvalMode));
    EXPECT_FALSE(CompareYearsAt(YearSeriesOf(*host.Chart()), host.EvaluationState(), 10).has_value());
}

TEST(ComparisonTexts, DifferencesCarryTheirSign)
{
    EXPECT_EQ(ComparisonDifferenceText(12.43, false), QStringLiteral("+12.4"));
    EXPECT_EQ(ComparisonDifferenceText(-0.25, false), QStringLiteral("−0.250"));
    EXPECT_EQ(ComparisonDifferenceText(-3.0 - 5.0 / 60 - 1e-9, true), QStringLiteral("−3:05"));
    EXPECT_EQ(ComparisonDifferenceText(0.999, true), QStringLiteral("+0:59"));
}
