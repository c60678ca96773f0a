#include "app/import_run.h"

#include "app/import/export_file.h"
#include "app/import/import_selection.h"
#include "app/import/workout_reader.h"
#include "app/output_writer.h"

#include <QDir>

#include <cstdio>

namespace ImportRun {
namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "kaldoro: %s\n", qPrintable(message));
    return 2;
}

// The chosen sports must all be in the export: a typo would load nothing.
QString CheckSports(const QStringList& sports, const std::vector<std::pair<QString, int>>& counts)
{
    QStringList known;
    for (const auto& [sport, count] : counts)
        known << sport;
    for (const QString& sport : sports)
        if (!known.contains(sport))
            return QStringLiteral("no workouts of sport '%1'; the export has: %2")
                .arg(sport, known.join(QStringLiteral(", ")));
    return {};
}

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

} // namespace

std::optional<int> Prepare(const TImportCommand& command, TImportedYears& imported)
{
    try {
        const TExportFile file = TExportFile::Open(command.file);
        const TColumnMapping& mapping = file.DefaultMapping();
        if (mapping.dateColumn < 0)
            return Fail(QStringLiteral("%1: no column with dates found").arg(command.file));
        TWorkoutList list = WorkoutReader::Read(file.Table(), mapping);
        const auto counts = ImportSelection::SportCounts(list.workouts);
        if (command.listSports) {
            for (const auto& [sport, count] : counts)
                std::printf("%s\t%d\n", sport.toUtf8().constData(), count);
            return std::fflush(stdout) == 0 ? 0 : Fail(QStringLiteral("cannot write the list"));
        }
        const QStringList sports = command.sports.isEmpty() ? ImportSelection::DefaultSports(list.workouts)
                                                            : command.sports;
        if (const QString error = CheckSports(sports, counts); !error.isEmpty())
            return Fail(error);
        const QList<int> years = ChosenYears(command, list.workouts, sports);
        if (years.isEmpty())
            return Fail(QStringLiteral("no workouts of the chosen sports in the chosen years"));
        imported = TImportedYears::Build(file, std::move(list), sports, years);
        return std::nullopt;
    } catch (const TImportError& error) {
        return Fail(QStringLiteral("%1: %2").arg(command.file, error.Text()));
    }
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
