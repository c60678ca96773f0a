#include "app/import/source_merge.h"

#include "app/import/export_set.h"
#include "app/import/sport_kind.h"

#include <QDate>

#include <algorithm>
#include <set>
#include <tuple>

namespace SourceMerge {
namespace {

using TKey = std::tuple<int, int, int, int, QString>;
using TStart = std::pair<long long, TSportKind>;

TKey KeyOf(const TWorkout& w) { return {w.year, w.month, w.day, w.minuteOfDay, w.sport}; }

long long LocalSeconds(const TWorkout& w)
{
    return QDate(w.year, w.month, w.day).toJulianDay() * 86400 + w.minuteOfDay * 60LL + w.second;
}

class TMerge
{
public:
    explicit TMerge(int sources) : duplicates_(std::size_t(sources), 0) {}

    // Adds one file's or source's workouts; originals are also matched to
    // the summaries taken before them.
    void Take(std::vector<TWorkout> workouts, int owner, bool original)
    {
        std::vector<TKey> keys;
        for (TWorkout& w : workouts) {
            if (earlier_.count(KeyOf(w)) || (original && NearSummary(w))) {
                ++list_.report.duplicates;
                if (owner >= 0)
                    ++duplicates_[std::size_t(owner)];
                continue;
            }
            keys.push_back(KeyOf(w));
            if (!original)
                summaries_.emplace_back(LocalSeconds(w), SportKinds::KindOf(w.sport));
            list_.workouts.push_back(std::move(w));
        }
        earlier_.insert(keys.begin(), keys.end());
    }

    void SortSummaries() { std::sort(summaries_.begin(), summaries_.end()); }

    TWorkoutList& List() { return list_; }
    int Duplicates(int owner) const { return duplicates_[std::size_t(owner)]; }

private:
    bool NearSummary(const TWorkout& w) const
    {
        const long long start = LocalSeconds(w);
        const TSportKind kind = SportKinds::KindOf(w.sport);
        auto it = std::lower_bound(summaries_.begin(), summaries_.end(), TStart{start - SameStartSeconds, kind});
        for (; it != summaries_.end() && it->first <= start + SameStartSeconds; ++it)
            if (it->second == kind)
                return true;
        return false;
    }

    TWorkoutList list_;
    std::set<TKey> earlier_;
    std::vector<TStart> summaries_;
    std::vector<int> duplicates_;
};

} // namespace

TWorkoutList Read(const TExportSet& exports)
{
    TMerge merge(exports.SourceCount());
    std::vector<int> csvWorkouts(std::size_t(exports.SourceCount()), 0);
    for (int i = 0; i < exports.Count(); ++i) {
        TWorkoutList list = WorkoutReader::Read(exports.File(i).Table(), exports.Mapping(i));
        merge.List().report += list.report;
        if (const int owner = exports.Owner(i); owner >= 0)
            csvWorkouts[std::size_t(owner)] += static_cast<int>(list.workouts.size());
        merge.Take(std::move(list.workouts), exports.Owner(i), false);
    }
    for (int s = 0; s < exports.SourceCount(); ++s) {
        merge.List().report += exports.WorkoutSource(s).report;
        merge.Take(exports.WorkoutSource(s).summaries, s, false);
    }
    merge.SortSummaries();
    for (int s = 0; s < exports.SourceCount(); ++s)
        merge.Take(exports.WorkoutSource(s).originals, s, true);
    TWorkoutList& list = merge.List();
    for (int s = 0; s < exports.SourceCount(); ++s)
        list.sourceLines << exports.WorkoutSource(s).Lines(csvWorkouts[std::size_t(s)], merge.Duplicates(s));
    return std::move(list);
}

} // namespace SourceMerge
