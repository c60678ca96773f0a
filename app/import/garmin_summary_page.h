#pragma once

#include "app/import/import_report.h"
#include "app/import/workout.h"

#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

// One page of a Garmin account export's workout summaries
// (…_summarizedActivities.json): a JSON array holding one object whose
// "summarizedActivitiesExport" lists the workouts. Durations are in ms,
// distances and climbs in cm, energy in kJ; "startTimeLocal" is the local
// wall-clock time written as if it were UTC. A multisport parent is left
// out: its legs are workouts of their own.
struct TGarminPage
{
    struct TEntry
    {
        qint64 id = 0;
        bool hasId = false;
        TWorkout workout;
    };
    std::vector<TEntry> entries;
    int multisportParents = 0;
    TImportReport report;
};

namespace GarminSummaryPage {

// Throws TImportError for JSON that is no such page.
TGarminPage Read(const std::string& bytes);

} // namespace GarminSummaryPage
