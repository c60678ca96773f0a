#pragma once

#include "app/import/column_mapping.h"
#include "app/import/workout_reader.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <string>

class TExportFile;

// The chosen years of an export as year-file texts, ready for the loader,
// with the file-pane lines that say what was left out.
struct TImportedYears
{
    QString source;  // the export's path
    QString service; // the service recognised
    std::map<int, std::string> texts;
    std::map<int, int> workouts; // per year
    QStringList notes;

    // The pane line naming one loaded year.
    QString YearLine(int year) const;

    // Keeps the chosen sports and years (of more than 19 the latest) of the
    // workouts read from file.
    static TImportedYears Build(const TExportFile& file, TWorkoutList list, const QStringList& sports,
                                const QList<int>& years);
    // The same, reading the export's rows through mapping first.
    static TImportedYears Build(const TExportFile& file, const TColumnMapping& mapping, const QStringList& sports,
                                const QList<int>& years);
};
