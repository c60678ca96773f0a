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

std::vector<TKindCount> KindCounts(const std::vector<TWorkout>& workouts)
{
    std::vector<TKindCount> kinds(SportKinds::KindCount);
    for (int k = 0; k < SportKinds::KindCount; ++k)
        kinds[std::size_t(k)].kind = static_cast<TSportKind>(k);
    for (const auto& [sport, count] : SportCounts(workouts)) {
        TKindCount& kind = kinds[std::size_t(SportKinds::KindOf(sport))];
        kind.count += count;
        kind.sports.emplace_back(sport, count);
    }
    std::erase_if(kinds, [](const TKindCount& kind) { return kind.count == 0; });
    std::stable_sort(kinds.begin(), kinds.end(), [](const TKindCount& a, const TKindCount& b) {
        const bool aOther = a.kind == TSportKind::Other;
        const bool bOther = b.kind == TSportKind::Other;
        return aOther != bOther ? bOther : a.count > b.count;
    });
    return kinds;
}

QStringList DefaultSports(const std::vector<TWorkout>& workouts)
{
    const auto kinds = KindCounts(workouts);
    // The first kind with the most workouts: a real one before Other.
    const auto most = std::max_element(kinds.begin(), kinds.end(),
                                       [](const TKindCount& a, const TKindCount& b) { return a.count < b.count; });
    QStringList sports;
    if (most != kinds.end())
        for (const auto& [sport, count] : most->sports)
            sports << sport;
    return sports;
}

QStringList NamedSports(const QStringList& names, const std::vector<TWorkout>& workouts, QString& error)
{
    const auto counts = SportCounts(workouts);
    QStringList known;
    for (const auto& [sport, count] : counts)
        known << sport;
    QStringList sports;
    for (const QString& name : names) {
        const auto kind = SportKinds::FromName(name);
        const bool all = name.compare(QStringLiteral("all"), Qt::CaseInsensitive) == 0;
        // A kind's own name ("running") means the kind; "Running" is a sport when the export has it.
        const bool isSport = known.contains(name) && !(kind && SportKinds::Name(*kind) == name);
        QStringList meant;
        if (isSport)
            meant << name;
        else if (all || kind)
            for (const QString& sport : known)
                if (all || SportKinds::KindOf(sport) == *kind)
                    meant << sport;
        if (meant.isEmpty()) {
            error = QStringLiteral("no workouts of sport '%1'; the export has: %2")
                        .arg(name, known.join(QStringLiteral(", ")));
            return {};
        }
        for (const QString& sport : meant)
            if (!sports.contains(sport))
                sports << sport;
    }
    return sports;
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
    while (present.size() > MaxLoadedYears)
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
