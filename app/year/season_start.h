#pragma once

#include <QString>

#include <optional>
#include <vector>

// The day a training season begins, as day and month: 1 January (the
// default) makes every season a calendar year. Season Y runs from the start
// day in Y to the day before it in Y + 1. Days are counted as the year files
// count them: every year divisible by 4 has a 29 February.
struct TSeasonStart
{
    int Month = 1;
    int Day = 1;

    bool operator==(const TSeasonStart&) const = default;

    bool IsNewYear() const { return Month == 1 && Day == 1; }
    // "10-01", as --season-start takes it.
    QString Text() const;
    // The start as typed after --season-start, "MM-DD"; none for anything
    // else, and for 29 February, which most years do not have.
    static std::optional<TSeasonStart> Parse(const QString& text);
    // A start as typed is a real day of a common year; so is every start Parse gives.
    static bool IsValid(int month, int day);

    // The day of `year` (1 for 1 January) on which its season begins.
    int StartDayIn(int year) const;
    // "2023/24"; "2023" when seasons are calendar years.
    QString Title(int firstYear) const;
};

// The day of the year of a date, 1 for 1 January, with 29 February in
// every year divisible by 4.
int DayOfYear(int year, int month, int day);

// The calendar of one season: where its days come from and how they fall
// into months. Day 1 is the start day.
struct TSeasonCalendar
{
    int FirstYear = 0;
    int StartDay = 1;        // day of FirstYear that is day 1 of the season
    int FirstPartDays = 365; // days from FirstYear; the rest come from FirstYear + 1
    int Days = 365;          // 366 when the season holds a 29 February
    // Season days on which a month of the monthly modes begins, the start
    // month first, then one past the last day (Days + 1 or beyond).
    std::vector<int> MonthStarts;

    static TSeasonCalendar Of(const TSeasonStart& start, int firstYear);

    // Where season day `day` lies: in FirstYear (yearOffset 0) or in the
    // next year (1), and its day of that year.
    struct TSource
    {
        int yearOffset = 0;
        int dayOfYear = 0;
    };
    TSource SourceOf(int day) const;
    // The season day of a day of FirstYear (offset 0) or the next year
    // (offset 1); 0 when that day is not in the season.
    int SeasonDayOf(int yearOffset, int dayOfYear) const;
    // The month bucket (index into MonthStarts) that holds `day`.
    int MonthOf(int day) const;
};
