#pragma once

// What every import fuzzer demands of the workouts it got: a real date and
// finite, non-negative amounts. A broken promise aborts, so libFuzzer keeps
// the input.
#include "app/import/workout.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

inline void CheckWorkouts(const std::vector<TWorkout>& workouts)
{
    for (const TWorkout& w : workouts) {
        bool sound = w.year >= 1 && w.year <= 9999 && w.month >= 1 && w.month <= 12 && w.day >= 1 && w.day <= 31
            && w.minuteOfDay >= 0 && w.minuteOfDay < 1440;
        for (const double value : w.values)
            sound = sound && std::isfinite(value);
        sound = sound && w.Value(TQuantity::Duration) >= 0.0 && w.Value(TQuantity::Distance) >= 0.0;
        if (!sound) {
            std::fprintf(stderr, "violated: workout %d-%d-%d %d\n", w.year, w.month, w.day, w.minuteOfDay);
            std::abort();
        }
    }
}
