#pragma once

#include "app/import/import_report.h"
#include "app/import/workout.h"

#include <QString>
#include <QStringList>

#include <vector>

// What a source skipped on purpose, counted for its pane line.
struct TSourceCounts
{
    int pages = 0;             // Garmin summary pages read
    int fitFiles = 0;          // FIT files read
    int notActivities = 0;     // FIT files of other types (monitoring, settings, …)
    int repeatedIds = 0;       // workouts found again on another page
    int multisportParents = 0; // counted through their legs
    int originals = 0;         // original files of an export with summaries
    int otherFiles = 0;        // files that hold no workouts
    int refused = 0;           // members and files that could not be read
    int sameFit = 0;           // a FIT file's workout found again in another FIT file
};

// The workouts one named path gave (an archive, a folder, a summary page or
// a FIT file), with what it skipped and the pane lines of what it could not
// read. A path's CSV export is read through the export set instead; its
// workouts are counted here when merged.
struct TWorkoutSource
{
    QString name;    // the path as given
    QString service; // what it was found to be
    std::vector<TWorkout> summaries; // from summary pages
    std::vector<TWorkout> originals; // from FIT files: matched to summaries within a minute
    TImportReport report;
    TSourceCounts counts;
    QStringList findings; // "    -> …" lines

    // The pane lines: what was read (csvWorkouts of them from its CSV
    // exports), what was skipped (duplicates: found in another source), then
    // the findings.
    QStringList Lines(int csvWorkouts, int duplicates) const;
};
