#include "app/cli/import_run.h"

#include "app/cli/run_messages.h"

#include "app/import/export_set.h"
#include "app/import/import_selection.h"
#include "app/import/import_sources.h"
#include "app/import/mapping_memory.h"
#include "app/view/output_writer.h"

#include <QDir>

#include <map>
#include <set>

#include <cstdio>

namespace ImportRun {
namespace {

using RunMessages::Fail;

QList<int> ChosenYears(const TImportCommand& command, const std::vector<TWorkout>& workouts,
                       const QStringList& sports)
{
    if (!command.years)
        return ImportSelection::DefaultYears(workouts, sports);
    QList<int> years;
    for (const auto& [year, count] : ImportSelection::YearCounts(workouts, sports))
        if (year >= command.years->first && year <= command.years->second)
            years << year;
    return years;
}

// The first year of the season a workout of the chosen sports lies in, per season with workouts.
std::map<int, int> SeasonCounts(const std::vector<TWorkout>& workouts, const QStringList& sports,
                                const TSeasonStart& start)
{
    std::map<int, int> counts;
    for (const TWorkout& w : workouts)
        if (sports.contains(w.sport) && w.month >= 1 && w.month <= 12)
            ++counts[DayOfYear(w.year, w.month, w.day) < start.StartDayIn(w.year) ? w.year - 1 : w.year];
    return counts;
}

// The seasons of --years A-B with workouts, or the latest eight; each needs
// its first year and the next. Of more calendar years than a load holds, the
// earliest seasons are left out, so that every season shown is whole.
std::vector<int> ChosenSeasons(const TImportCommand& command, const std::vector<TWorkout>& workouts,
                               const QStringList& sports, const TSeasonStart& start, QList<int>& years)
{
    std::vector<int> seasons;
    for (const auto& [season, count] : SeasonCounts(workouts, sports, start))
        if (!command.years || (season >= command.years->first && season <= command.years->second))
            seasons.push_back(season);
    if (!command.years && seasons.size() > std::size_t(ImportSelection::DefaultYearCount))
        seasons.erase(seasons.begin(), seasons.end() - ImportSelection::DefaultYearCount);
    std::set<int> withWorkouts;
    for (const auto& [year, count] : ImportSelection::YearCounts(workouts, sports))
        withWorkouts.insert(year);
    const auto neededYears = [&] {
        std::set<int> needed;
        for (const int season : seasons)
            for (const int year : {season, season + 1})
                if (withWorkouts.count(year) > 0)
                    needed.insert(year);
        return needed;
    };
    while (neededYears().size() > std::size_t(MaxLoadedYears))
        seasons.erase(seasons.begin());
    for (const int year : neededYears())
        years << year;
    return seasons;
}

void PrintNotes(const QStringList& notes)
{
    for (const QString& note : notes)
        RunMessages::Note(note);
}

// Opens every path: each CSV export with the mapping remembered for its
// header, if any, and the columns the command line names; an error text
// names the file. Archives, folders, pages and FIT files that give nothing
// cost a line on standard error, not the run.
QString OpenExports(const TImportCommand& command, TExportSet& exports, QSettings* remembered)
{
    QString error;
    const auto mappingFor = [&](const TExportFile& file) {
        TColumnMapping mapping = remembered ? MappingMemory::Recall(file, *remembered) : file.DefaultMapping();
        if (const QString wrong = ColumnOverrides::Apply(command.columns, file.Table().header, mapping);
            !wrong.isEmpty() && error.isEmpty())
            error = QStringLiteral("%1: %2").arg(file.Path(), wrong);
        if (mapping.dateColumn < 0 && error.isEmpty())
            error = QStringLiteral("%1: no column with dates found").arg(file.Path());
        return mapping;
    };
    for (const TSourceFailure& failure : ImportSources::Open(command.files, mappingFor, exports)) {
        if (failure.csv && error.isEmpty())
            error = QStringLiteral("%1: %2").arg(failure.path, failure.why);
        else if (!failure.csv)
            PrintNotes({QStringLiteral("%1: %2").arg(failure.path, failure.why)});
    }
    return error;
}

} // namespace

std::optional<int> Prepare(const TImportCommand& command, const TSeasonStart& seasonStart, TImportedYears& imported,
                           QSettings* remembered)
{
    TExportSet exports;
    if (const QString error = OpenExports(command, exports, remembered); !error.isEmpty())
        return Fail(error);
    TWorkoutList list = exports.Read();
    if (list.workouts.empty() || command.listSports)
        PrintNotes(list.sourceLines);
    // Where no path could be opened at all, the lines above named each one.
    if (list.workouts.empty())
        return Fail(exports.Source().isEmpty() ? NothingReadReason(list.report)
                                               : QStringLiteral("%1: %2").arg(exports.Source(), NothingReadReason(list.report)));
    const auto counts = ImportSelection::SportCounts(list.workouts);
    if (command.listSports) {
        for (const auto& [sport, count] : counts)
            std::printf("%s\t%d\n", sport.toUtf8().constData(), count);
        PrintNotes(DescribeImportReport(list.report));
        return std::fflush(stdout) == 0 ? 0 : Fail(QStringLiteral("cannot write the list"));
    }
    // The chosen sports must all be in the export: a typo would load nothing.
    QString error;
    const QStringList sports = command.sports.isEmpty()
        ? ImportSelection::DefaultSports(list.workouts)
        : ImportSelection::NamedSports(command.sports, list.workouts, error);
    if (!error.isEmpty())
        return Fail(error);
    QList<int> years;
    std::optional<std::vector<int>> seasons;
    if (seasonStart.IsNewYear())
        years = ChosenYears(command, list.workouts, sports);
    else
        seasons = ChosenSeasons(command, list.workouts, sports, seasonStart, years);
    if (years.isEmpty())
        return Fail(QStringLiteral("no workouts of the chosen sports in the chosen years"));
    imported = TImportedYears::Build(exports, std::move(list), sports, years);
    imported.seasons = std::move(seasons);
    return std::nullopt;
}

QString StageYearFiles(const QString& folder, const TImportedYears& imported, TOutputWriter& writer)
{
    if (const QString error = writer.StageFolder(folder); !error.isEmpty())
        return error;
    for (const auto& [year, text] : imported.texts) {
        const QString path = QDir(folder).filePath(QString::number(year) + QStringLiteral(".csv"));
        if (const QString error = writer.Stage(path, QByteArray::fromStdString(text)); !error.isEmpty())
            return error;
    }
    return {};
}

} // namespace ImportRun
