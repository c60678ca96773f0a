#pragma once

#include "app/year/season_start.h"

#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class TYearStore;

// A date by year and day of the year (1 for 1 January), as the year files count days.
struct TSeasonDate
{
    int year = 0;
    int dayOfYear = 1;
};

// One season of the loaded years: its calendar and the store slots its days
// come from. The store keeps calendar years; a season is cut from them when
// the years are evaluated.
struct TSeason
{
    TSeasonCalendar Calendar;
    QString Title;
    // The slots of FirstYear and of FirstYear + 1; 0 where that year is not
    // loaded (or, for calendar years, not needed).
    std::array<int, 2> Slots{};
    int LastRowDay = 0; // season day of the last dated row in it; 0 without one

    int FirstYear() const { return Calendar.FirstYear; }
    int Days() const { return Calendar.Days; }
    // The slot and day of the year that season day `day` reads; slot 0 for
    // a day of a year that is not loaded, which has no row.
    std::pair<int, int> SlotDay(int day) const;
    bool HasRow(int day) const { return SlotDay(day).first > 0; }
    // The last season day that lies in a loaded year.
    int LastLoadedDay() const;
    // Not over on that date: the season contains it or starts after it.
    bool RunsOn(TSeasonDate today) const;
};

// The seasons of a load under one start.
struct TSeasonCut
{
    TSeasonStart Start;
    std::vector<TSeason> Seasons;
};

// The seasons the loaded years touch, each with a day in a loaded year. With
// seasons that start on 1 January, one per loaded slot in slot order (the
// same year twice stays twice); otherwise by first year, and of two files of
// one year the later slot counts. firstYears, when set, keeps only the
// seasons that begin in those years.
TSeasonCut CutSeasons(const TYearStore& store, const TSeasonStart& start,
                      const std::optional<std::vector<int>>& firstYears = std::nullopt);
