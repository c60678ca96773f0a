#pragma once

#include "app/import/column_mapping.h"
#include "app/import/csv_table.h"
#include "app/import/import_report.h"
#include "app/import/workout.h"

#include <vector>

struct TWorkoutList
{
    std::vector<TWorkout> workouts; // in the export's row order
    TImportReport report;
    QStringList sourceLines; // per archive, folder, page or FIT file: what it gave
};

// Turns the rows of an export into workout records through a column
// mapping. Every row either becomes a workout or is counted in the report.
namespace WorkoutReader {

TWorkoutList Read(const TCsvTable& table, const TColumnMapping& mapping);

// The decimal separator a column's cells show, or 0 when none tells.
char ColumnDecimal(const TCsvTable& table, int column);

} // namespace WorkoutReader
