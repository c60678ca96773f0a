#include "app/year/season_cut.h"

#include "app/year/year_evaluation.h"
#include "app/year/year_store.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// The last dated row of the season: a row of the next year past the
// season's end means the season is complete.
int LastRowDayOf(const TYearStore& store, const TSeason& season)
{
    const TSeasonCalendar& calendar = season.Calendar;
    if (const int second = season.Slots[1]; second > 0 && store.LastRowDay(second) > 0) {
        const int day = calendar.SeasonDayOf(1, store.LastRowDay(second));
        return day > 0 ? day : calendar.Days;
    }
    const int first = season.Slots[0];
    return first > 0 ? calendar.SeasonDayOf(0, store.LastRowDay(first)) : 0;
}

TSeason SeasonOf(const TYearStore& store, const TSeasonStart& start, int firstYear, std::array<int, 2> yearSlots)
{
    TSeason season;
    season.Calendar = TSeasonCalendar::Of(start, firstYear);
    season.Title = start.Title(firstYear);
    season.Slots = yearSlots;
    season.LastRowDay = start.IsNewYear() ? store.LastRowDay(yearSlots[0]) : LastRowDayOf(store, season);
    return season;
}

} // namespace

std::pair<int, int> TSeason::SlotDay(int day) const
{
    const TSeasonCalendar::TSource source = Calendar.SourceOf(day);
    return {Slots[std::size_t(source.yearOffset)], source.dayOfYear};
}

int TSeason::LastLoadedDay() const
{
    const bool secondPartMissing = Calendar.Days > Calendar.FirstPartDays && Slots[1] == 0;
    return secondPartMissing ? Calendar.FirstPartDays : Calendar.Days;
}

bool TSeason::RunsOn(TSeasonDate today) const
{
    const TSeasonCalendar::TSource last = Calendar.SourceOf(Calendar.Days);
    const int lastYear = FirstYear() + last.yearOffset;
    return lastYear > today.year || (lastYear == today.year && last.dayOfYear >= today.dayOfYear);
}

TSeasonCut CutSeasons(const TYearStore& store, const TSeasonStart& start,
                      const std::optional<std::vector<int>>& firstYears)
{
    TSeasonCut cut{start, {}};
    const int count = LoadedYearCount(store);
    const auto wanted = [&](int year) {
        return !firstYears || std::find(firstYears->begin(), firstYears->end(), year) != firstYears->end();
    };
    if (start.IsNewYear()) {
        for (int slot = 1; slot <= count; ++slot)
            if (const int year = int(store.Year(slot)); wanted(year))
                cut.Seasons.push_back(SeasonOf(store, start, year, {slot, 0}));
        return cut;
    }
    std::map<int, int> slotOfYear;
    std::set<int> first;
    for (int slot = 1; slot <= count; ++slot) {
        const int year = int(store.Year(slot));
        slotOfYear[year] = slot;
        first.insert({year - 1, year});
    }
    const auto slotOf = [&](int year) {
        const auto found = slotOfYear.find(year);
        return found == slotOfYear.end() ? 0 : found->second;
    };
    for (const int year : first)
        if (wanted(year))
            cut.Seasons.push_back(SeasonOf(store, start, year, {slotOf(year), slotOf(year + 1)}));
    return cut;
}
