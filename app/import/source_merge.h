#pragma once

#include "app/import/workout_reader.h"

class TExportSet;

// The workouts of every export and source of an import, each counted once.
// A workout found again in a later file or source (same start minute and
// sport) is a duplicate, as is a FIT file's workout that a summary of the
// same import holds (start within a minute, same kind of sport): the
// summaries are kept, whatever the order the paths were given in.
namespace SourceMerge {

// Seconds a FIT file's start may differ from its summary's.
constexpr long long SameStartSeconds = 60;

TWorkoutList Read(const TExportSet& exports);

} // namespace SourceMerge
