#pragma once

#include "app/import/fit_decoder.h"
#include "app/import/workout.h"

#include <vector>

// The sessions of a FIT activity file as workouts: one per session, on the
// local day of its start (by the offset the file tells, else by the
// machine's time zone), named by the file's sport ("running", "cycling", …).
namespace FitWorkouts {

constexpr int ActivityFileType = 4;

std::vector<TWorkout> Of(const TFitFile& file);

QString SportName(int sport);

} // namespace FitWorkouts
