#include "chart/axes/date_time_format.h"
#include "chart/axes/date_time_steps.h"
#include "chart/axes/label_step.h"

#include <gtest/gtest.h>

namespace {

double Day(int y, int m, int d) { return DaysOfDate(QDate(y, m, d)); }

TEST(LabelStep, LabelsThatFit)
{
    EXPECT_EQ(LabelsThatFit(400, 13, 10), 29); // 13 + round(1.3) = 14 per label
    EXPECT_EQ(LabelsThatFit(400, 13, 0), 31);
    EXPECT_EQ(LabelsThatFit(400, 0, 10), 1);
}

TEST(LabelStep, NiceSteps)
{
    double step = 0.1;
    std::vector<double> seen;
    for (int i = 0; i < 7; ++i)
        seen.push_back(step = NextNiceStep(step));
    const std::vector<double> expected{0.2, 0.5, 1, 2, 5, 10, 20};
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_NEAR(seen[i], expected[i], 1e-12);
    EXPECT_DOUBLE_EQ(NextNiceStep(50), 100);
    EXPECT_DOUBLE_EQ(NextNiceStep(3), 5);
}

TEST(LabelStep, NumericStepGrowsUntilTheLabelsFit)
{
    EXPECT_DOUBLE_EQ(NumericLabelStep(100, 29, 0, 10), 5);
    EXPECT_DOUBLE_EQ(NumericLabelStep(100, 29, 0, 0), 1); // no separation: no growing
    EXPECT_DOUBLE_EQ(NumericLabelStep(100, 29, 3, 10), 5);
    EXPECT_NEAR(NumericLabelStep(0.5, 10, 0, 10), 0.05, 1e-15);
    EXPECT_DOUBLE_EQ(NumericLabelStep(100, 0, 0, 10), 1e-12);
    EXPECT_NEAR(NumericLabelStep(1e15, 10, 0, 10), 1e14, 1);
    // A span beyond any number must not loop for ever.
    EXPECT_GT(NumericLabelStep(HUGE_VAL, 10, 0, 10), 0);
}

TEST(LabelStep, DateTimeStepFollowsTheTable)
{
    EXPECT_DOUBLE_EQ(DateTimeLabelStep(1.5, 10, 0), 6.0 / 24);   // 1.5 days: 6 labels of 6 hours
    EXPECT_DOUBLE_EQ(DateTimeLabelStep(0.5, 10, 0), 2.0 / 24);   // 12 hours: every 2 hours
    EXPECT_DOUBLE_EQ(DateTimeLabelStep(365, 10, 0), 60);
    EXPECT_DOUBLE_EQ(DateTimeLabelStep(3650, 5, 0), 730);        // past a year: doubling
    EXPECT_DOUBLE_EQ(DateTimeLabelStep(10, 0, 0), kOneSecond);
    EXPECT_DOUBLE_EQ(NextDateTimeStep(0.3), 0.5);
}

TEST(LabelStep, ExactStepOfAPaint)
{
    EXPECT_EQ(FindDateTimeStep(30), dtOneMonth);
    EXPECT_EQ(FindDateTimeStep(31), dtNone);
    EXPECT_EQ(ExactDateTimeStep(30, 60), dtTwoMonths);
    EXPECT_EQ(ExactDateTimeStep(30, 61), dtThreeMonths);
    EXPECT_EQ(ExactDateTimeStep(365, 2000), dtOneYear);
    EXPECT_EQ(ExactDateTimeStep(0.7, 1), dtNone);
}

TEST(LabelStep, RoundingTheFirstCalendarLabel)
{
    const double value = Day(2011, 5, 20) + 0.75;
    EXPECT_EQ(RoundDateTime(value, dtOneDay), Day(2011, 5, 20));
    EXPECT_EQ(RoundDateTime(value, dtHalfMonth), Day(2011, 5, 15));
    EXPECT_EQ(RoundDateTime(Day(2011, 5, 14), dtHalfMonth), Day(2011, 5, 1));
    EXPECT_EQ(RoundDateTime(value, dtThreeMonths), Day(2011, 5, 1));
    EXPECT_EQ(RoundDateTime(value, dtOneYear), Day(2011, 1, 1));
    EXPECT_EQ(RoundDateTime(1.5, dtOneYear), 1.5); // before 1900 unchanged
    EXPECT_EQ(RoundDateTime(value, dtSixHours), value);
}

TEST(LabelStep, CalendarStepsBack)
{
    struct Case
    {
        QDate from;
        TDateTimeStep step;
        QDate to;
    } cases[] = {
        {{2011, 5, 20}, dtHalfMonth, {2011, 5, 15}}, {{2011, 5, 15}, dtHalfMonth, {2011, 5, 1}},
        {{2011, 5, 2}, dtHalfMonth, {2011, 5, 1}},   {{2011, 5, 1}, dtHalfMonth, {2011, 4, 15}},
        {{2011, 1, 1}, dtHalfMonth, {2010, 12, 15}}, {{2011, 5, 1}, dtOneMonth, {2011, 4, 1}},
        {{2011, 1, 1}, dtOneMonth, {2010, 12, 1}},   {{2011, 2, 1}, dtTwoMonths, {2010, 12, 1}},
        {{2011, 3, 1}, dtThreeMonths, {2010, 12, 1}}, {{2011, 5, 1}, dtFourMonths, {2011, 1, 1}},
        {{2011, 6, 1}, dtSixMonths, {2010, 12, 1}},  {{2011, 1, 1}, dtOneYear, {2010, 1, 1}},
        {{2012, 2, 29}, dtOneYear, {2011, 2, 28}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateOfDays(CalendarStepBack(DaysOfDate(c.from), c.step)), c.to)
            << c.from.toString().toStdString() << " step " << c.step;
}

} // namespace
