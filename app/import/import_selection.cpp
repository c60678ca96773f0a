#include "app/import/import_selection.h"

#include <algorithm>
#include <map>

namespace ImportSelection {

std::vector<std::pair<QString, int>> SportCounts(const std::vector<TWorkout>& workouts)
{
    std::map<QString, int> counts;
    for (const TWorkout& w : workouts)
        ++counts[w.sport];
    std::vector<std::pair<QString, int>> sorted(counts.begin(), counts.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    return sorted;
}

std::vector<std::pair<int, int>> YearCounts(const std::vector<TWorkout>& workouts, const QStringList& sports)
{
    std::map<int, int> counts;
    for (const TWorkout& w : workouts)
        if (sports.contains(w.sport))
            ++counts[w.year];
    return {counts.begin(), counts.end()};
}

QStringList DefaultSports(const std::vector<TWorkout>& workouts)
{
    const auto counts = SportCounts(workouts);
    return counts.empty() ? QStringList() : QStringList{counts.front().first};
}

QList<int> DefaultYears(const std::vector<TWorkout>& workouts, const QStringList& sports)
{
    const auto counts = YearCounts(workouts, sports);
    QList<int> years;
    const std::size_t first = counts.size() > DefaultYearCount ? counts.size() - DefaultYearCount : 0;
    for (std::size_t i = first; i < counts.size(); ++i)
        years << counts[i].first;
    return years;
}

TChosen Apply(const std::vector<TWorkout>& workouts, const QStringList& sports, QList<int> years,
              TImportReport& report)
{
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    // Only years that have workouts take a slot of the store.
    QList<int> present;
    for (const auto& [year, count] : YearCounts(workouts, sports))
        if (years.contains(year))
            present << year;
    TChosen chosen;
    while (present.size() > MaxYears)
        chosen.leftOutYears << present.takeFirst();
    for (const TWorkout& w : workouts) {
        if (!sports.contains(w.sport))
            ++report.filteredBySport;
        else if (chosen.leftOutYears.contains(w.year))
            ++report.yearsBeyondLimit;
        else if (!present.contains(w.year))
            ++report.filteredByYear;
        else
            chosen.workouts.push_back(w);
    }
    return chosen;
}

} // namespace ImportSelection
