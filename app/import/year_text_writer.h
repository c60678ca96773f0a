#pragma once

#include "app/import/workout.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// Turns workout records into year files: per year, a header, unit line and
// kind line that feed the five daily totals and the weighted means, one row
// per workout in start order, and a trailer of comment lines with the
// year's workout count and totals. The texts load through the ordinary
// loader like any year file.
namespace YearTextWriter {

// Columns 0..8 of the rows: Dauer, Strecke, Arbeit (kcal), Hoehe, TSS, HF,
// Leistung, Kadenz, Mech. Arbeit (kJ); column 9 stays empty for Power/HR.
extern const char* const TitleLine;
extern const char* const UnitLine;
extern const char* const KindLine;

// The workouts of year (every workout given must belong to it).
std::string YearText(int year, std::vector<const TWorkout*> workouts, std::string_view source);

// One text per year that has workouts, keyed by year.
std::map<int, std::string> YearTexts(const std::vector<TWorkout>& workouts, std::string_view source);

// "h:mm:ss", whole seconds rounded.
std::string Duration(double seconds);

} // namespace YearTextWriter
