#include "app/import/imported_years.h"

#include "app/import/export_set.h"
#include "app/import/import_selection.h"
#include "app/import/workout_reader.h"
#include "app/import/year_text_writer.h"

#include <QCoreApplication>


QString TImportedYears::YearLine(int year) const
{
    const int count = workouts.count(year) ? workouts.at(year) : 0;
    const QString workoutsText = count == 1 ? QCoreApplication::translate("ImportedYears", "1 Einheit")
                                            : QCoreApplication::translate("ImportedYears", "%1 Einheiten").arg(count);
    return QStringLiteral("%1: %2 (%3, %4)").arg(source).arg(year).arg(service, workoutsText);
}

TImportedYears TImportedYears::Build(const TExportSet& exports, const QStringList& sports, const QList<int>& years)
{
    return Build(exports, exports.Read(), sports, years);
}

TImportedYears TImportedYears::Build(const TExportSet& exports, TWorkoutList list, const QStringList& sports,
                                     const QList<int>& years)
{
    const auto chosen = ImportSelection::Apply(list.workouts, sports, years, list.report);
    TImportedYears result;
    result.source = exports.Source();
    result.service = exports.Service();
    for (const TWorkout& w : chosen.workouts)
        ++result.workouts[w.year];
    result.texts = YearTextWriter::YearTexts(chosen.workouts, exports.FileNames());
    if (!chosen.leftOutYears.isEmpty()) {
        QStringList names;
        for (int year : chosen.leftOutYears)
            names << QString::number(year);
        result.notes << QCoreApplication::translate("ImportedYears", "    -> Nicht geladen (höchstens %1 Jahre je Ladevorgang): %2.")
                            .arg(MaxLoadedYears)
                            .arg(names.join(QStringLiteral(", ")));
    }
    result.notes << list.sourceLines << DescribeImportReport(list.report);
    if (result.texts.empty())
        result.notes << QCoreApplication::translate("ImportedYears", "    -> Keine Einheit der gewählten Sportarten und Jahre.");
    return result;
}
