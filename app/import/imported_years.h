#pragma once

#include "app/import/column_mapping.h"
#include "app/import/workout_reader.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>
#include <string>

class TExportSet;

// The chosen years of an export as year-file texts, ready for the loader,
// with the file-pane lines that say what was left out.
struct TImportedYears
{
    QString source;  // the exports' paths
    QString service; // the services recognised
    std::map<int, std::string> texts;
    std::map<int, int> workouts; // per year
    QStringList notes;
    // With seasons that do not start on 1 January: the seasons to show, by
    // first year (the years hold them whole); none: every season they touch.
    std::optional<std::vector<int>> seasons;

    // The pane line naming one loaded year.
    QString YearLine(int year) const;

    // Keeps the chosen sports and years (of more than 19 the latest) of the
    // workouts read from the exports.
    static TImportedYears Build(const TExportSet& exports, TWorkoutList list, const QStringList& sports,
                                const QList<int>& years);
    // The same, reading the exports' rows through their mappings first.
    static TImportedYears Build(const TExportSet& exports, const QStringList& sports, const QList<int>& years);
};
