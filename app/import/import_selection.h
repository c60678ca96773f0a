#pragma once

#include "app/year/year_counts.h"

#include "app/import/import_report.h"
#include "app/import/sport_kind.h"
#include "app/import/workout.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// Which sports and years of an export are loaded, with the window's and the
// command line's defaults.
namespace ImportSelection {

// Years the chart shows by default, and years the year store can hold.
constexpr int DefaultYearCount = MaxDrawnYears;

// Sports with their workout counts, the most frequent first (ties by name).
std::vector<std::pair<QString, int>> SportCounts(const std::vector<TWorkout>& workouts);

// Years with the workout counts of the given sports, oldest first.
std::vector<std::pair<int, int>> YearCounts(const std::vector<TWorkout>& workouts, const QStringList& sports);

struct TKindCount
{
    TSportKind kind = TSportKind::Other;
    int count = 0;
    std::vector<std::pair<QString, int>> sports; // as SportCounts orders them
};

// The kinds of the workouts' sports, the most frequent first and Other,
// the rest, last.
std::vector<TKindCount> KindCounts(const std::vector<TWorkout>& workouts);

// Every sport of the most frequent kind: a cyclist's rides, virtual rides
// and mountain bike rides together. Other is the default only when it has
// more workouts than every real kind.
QStringList DefaultSports(const std::vector<TWorkout>& workouts);

// The sports that names mean: a kind's name ("running", "all") its sports
// in the export, any other name the sport of that name. Empty, with error
// set, when a name has no workouts.
QStringList NamedSports(const QStringList& names, const std::vector<TWorkout>& workouts, QString& error);

// The latest eight years with workouts of the given sports.
QList<int> DefaultYears(const std::vector<TWorkout>& workouts, const QStringList& sports);

struct TChosen
{
    std::vector<TWorkout> workouts;
    QList<int> leftOutYears; // chosen, but beyond the years the store holds
};

// The workouts of the chosen sports and years; the rest is counted in
// report. Of more than MaxLoadedYears chosen years the latest are kept.
TChosen Apply(const std::vector<TWorkout>& workouts, const QStringList& sports, QList<int> years,
              TImportReport& report);

} // namespace ImportSelection
