#pragma once

#include <string>
#include <vector>

// Deterministic workout exports in the formats of services that publish no
// freely licensed sample, with the values they were written from, so tests
// can sum the truth independently of the importer.
namespace SyntheticExports {

struct TTruth
{
    int year = 0;        // of the date written (UTC for Strava)
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    std::string sport;
    long seconds = 0;    // duration the importer should read
    double km = 0.0;
    double kcal = 0.0;   // 0: cell left empty
    bool planned = false; // a plan, no workout
};

struct TExport
{
    std::string text;
    std::vector<TTruth> rows; // in the order written
};

// Strava activities.csv: 94 columns, or 103 (newer exports); resaved
// writes ".1" suffixes on repeated names and True/False booleans. Rows out
// of date order; names with emoji, commas, quotes and line breaks.
TExport Strava(int years, int workoutsPerYear, bool newer = false, bool resaved = false);

// TrainingPeaks workouts: every field quoted, CRLF, Hebrew titles, planned
// rows without TimeTotalInHours.
TExport TrainingPeaks(int years, int workoutsPerYear);

} // namespace SyntheticExports
