// The goal arithmetic, checked against numbers worked out by hand.
#include "app/year/year_goal.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(YearGoal, LineProjectionAndWeeklyNeed)
{
    // 0 on day 1, the goal on the last day; a leap year has 366 days.
    const TYearGoal common{5000, 365};
    const TYearGoal leap{5000, 366};
    EXPECT_DOUBLE_EQ(common.ValueOn(1), 0);
    EXPECT_DOUBLE_EQ(common.ValueOn(365), 5000);
    EXPECT_DOUBLE_EQ(leap.ValueOn(366), 5000);
    EXPECT_NEAR(leap.ValueOn(184), 5000.0 * 183 / 365, 1e-9);

    // 910 km by day 91 of a leap year: 10 km a day, 3,660 km by 31 December.
    const TYearPace spring{91, 910, 366};
    EXPECT_NEAR(spring.ProjectedTotal().value_or(-1), 3660, 1e-9);
    EXPECT_NEAR(spring.NeededPerWeek(1000).value_or(-1), 90.0 / (275.0 / 7.0), 1e-9);
    EXPECT_EQ(spring.NeededPerWeek(500), 0.0); // reached already
    // No dated row yet: no pace to project, the whole year to reach the goal.
    const TYearPace none{0, 0, 365};
    EXPECT_FALSE(none.ProjectedTotal());
    EXPECT_NEAR(none.NeededPerWeek(365).value_or(-1), 7, 1e-9);
    // The last day is the last row: no week is left.
    EXPECT_FALSE((TYearPace{365, 100, 365}.NeededPerWeek(1000)));
}

TEST(YearGoal, TypedGoals)
{
    const struct
    {
        const char* text;
        double goal; // 0: refused
    } cases[] = {
        {"5000", 5000}, {" 5.000 ", 5000}, {"1.234,5", 1234.5}, {"2,5", 2.5}, {"2.5", 2.5}, {"12.25", 12.25},
        {"0", 0},       {"-3", 0},         {"abc", 0},          {"", 0},      {"inf", 0},   {"nan", 0},
    };
    for (const auto& c : cases) {
        const std::optional<double> goal = ParseYearGoal(QString::fromLatin1(c.text));
        EXPECT_EQ(goal.value_or(0), c.goal) << c.text;
        if (goal)
            EXPECT_EQ(ParseYearGoal(GoalText(*goal)), goal) << c.text; // the field reads back what it shows
    }
}
