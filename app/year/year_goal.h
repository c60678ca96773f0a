#pragma once

#include <QString>

#include <optional>

// A goal for a year's running total, and where a year that is not over yet
// stands against it. Plain arithmetic on days of the year (day 1 is
// 1 January); the chart, the hover box and the command line read it.

// The goal line: 0 on day 1, straight up to the goal on the last day of the
// newest drawn year (365, or 366 in a leap year).
struct TYearGoal
{
    double Goal = 0;
    int LastDay = 365;

    double ValueOn(int day) const;
};

// A year not over yet, as far as its rows go: the running total at its
// last dated row, the day of that row (0 without one) and the days its
// year has.
struct TYearPace
{
    int LastRowDay = 0;
    double Total = 0;
    int DaysOfYear = 365;

    // The total at the mean pace so far, reached on 31 December: the total
    // divided by the row's day, times the days of the year. None without a
    // dated row.
    std::optional<double> ProjectedTotal() const;
    // What each week from the last dated row to 31 December must add to
    // reach the goal; 0 once it is reached, none when no day is left.
    std::optional<double> NeededPerWeek(double goal) const;
};

// A goal is a finite number above 0: 0 is no goal to reach.
bool IsUsableGoal(double goal);
// A goal as typed in the window, in the way of the language shown: in
// German "5.000" and "1.234,5" are thousands, in English "5,000" and
// "1,234.5"; "2,5" and "2.5" are two and a half in both. None for
// anything that is no usable goal.
std::optional<double> ParseYearGoal(const QString& text);
// A goal as the window shows it in its language, and as ParseYearGoal
// reads it back: "5.000", "1.234,5" in German, "5,000", "1,234.5" in English.
QString GoalText(double goal);
