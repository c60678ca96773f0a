#pragma once

#include <array>

// The label steps of a date-time axis, as durations in days.
enum TDateTimeStep : int {
    dtOneSecond,
    dtFiveSeconds,
    dtTenSeconds,
    dtFifteenSeconds,
    dtThirtySeconds,
    dtOneMinute,
    dtFiveMinutes,
    dtTenMinutes,
    dtFifteenMinutes,
    dtThirtyMinutes,
    dtOneHour,
    dtTwoHours,
    dtSixHours,
    dtTwelveHours,
    dtOneDay,
    dtTwoDays,
    dtThreeDays,
    dtOneWeek,
    dtHalfMonth,
    dtOneMonth,
    dtTwoMonths,
    dtThreeMonths,
    dtFourMonths,
    dtSixMonths,
    dtOneYear,
    dtNone, // no table step
};

inline constexpr double kOneSecond = 1.0 / 86400.0;

inline constexpr std::array<double, dtNone> kDateTimeStepDays{
    1.0 / 86400, 5.0 / 86400, 10.0 / 86400, 15.0 / 86400, 30.0 / 86400, 1.0 / 1440, 5.0 / 1440,
    10.0 / 1440, 15.0 / 1440, 30.0 / 1440,  1.0 / 24,     2.0 / 24,     6.0 / 24,   12.0 / 24,
    1,           2,           3,            7,            15,           30,         60,
    90,          120,         182,          365,
};

// The table step after the largest entry <= days (dtOneYear at the top).
double NextDateTimeStep(double days);

// The step equal to increment within one second, searched from the top;
// dtNone when none is.
TDateTimeStep FindDateTimeStep(double increment);

// The step of a paint: the step of the desired increment, moved up while
// the computed increment is larger than its duration; dtNone when the
// desired increment is no table step.
TDateTimeStep ExactDateTimeStep(double desiredIncrement, double computedIncrement);

// The first label of a calendar step: days and weeks drop the time; half
// months start on day 1 or 15, months on day 1, years on 1 January. Values
// on or before 1 January 1900 are left as they are.
double RoundDateTime(double value, TDateTimeStep step);

// One label back on the calendar (half months, months, years).
double CalendarStepBack(double value, TDateTimeStep step);
