#include "app/import/export_set.h"

#include <QFileInfo>
#include <QStringList>

#include <set>
#include <tuple>

void TExportSet::Add(TExportFile file, TColumnMapping mapping)
{
    files_.push_back(std::move(file));
    mappings_.push_back(mapping);
}

void TExportSet::SetFirstMapping(const TColumnMapping& mapping)
{
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (i == 0 || files_[i].Table().header == files_[0].Table().header)
            mappings_[i] = mapping;
}

TWorkoutList TExportSet::Read() const
{
    using TKey = std::tuple<int, int, int, int, QString>;
    const auto key = [](const TWorkout& w) { return TKey{w.year, w.month, w.day, w.minuteOfDay, w.sport}; };
    TWorkoutList all;
    std::set<TKey> earlierFiles;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        TWorkoutList list = WorkoutReader::Read(files_[i].Table(), mappings_[i]);
        all.report += list.report;
        std::vector<TKey> keys;
        for (TWorkout& w : list.workouts) {
            if (earlierFiles.count(key(w))) {
                ++all.report.duplicates;
                continue;
            }
            keys.push_back(key(w));
            all.workouts.push_back(std::move(w));
        }
        earlierFiles.insert(keys.begin(), keys.end());
    }
    return all;
}

QString TExportSet::Source() const
{
    QStringList paths;
    for (const TExportFile& file : files_)
        paths << file.Path();
    return paths.join(QStringLiteral(" + "));
}

QString TExportSet::Service() const
{
    QStringList services;
    for (const TExportFile& file : files_)
        if (!services.contains(file.ServiceName()))
            services << file.ServiceName();
    return services.join(QStringLiteral(" + "));
}

std::string TExportSet::FileNames() const
{
    QStringList names;
    for (const TExportFile& file : files_)
        names << QFileInfo(file.Path()).fileName();
    return names.join(QStringLiteral(", ")).toStdString();
}
