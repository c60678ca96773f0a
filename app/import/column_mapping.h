#pragma once

#include <QString>

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The quantities a workout export can feed, in the order of the year file's
// columns. Work is mechanical work in kJ: it is no energy in kcal and keeps
// a column of its own.
enum class TQuantity { Duration, Distance, Energy, Climb, Stress, HeartRate, Power, Cadence, Work };
constexpr int QuantityCount = 9;

// The quantities' names on the command line (--column distance=NAME).
constexpr std::array<std::string_view, QuantityCount> QuantityKeys = {
    "duration", "distance", "energy", "climb", "stress", "heartrate", "power", "cadence", "work"};

// One quantity's source: a column of the export (-1 for none) and the factor
// from the column's unit to the year file's (hours are counted in seconds
// here: for durations the factor gives the seconds of one unit of a plain
// number).
struct TColumnChoice
{
    int column = -1;
    double scale = 1.0;
};

// What a service's rows mean beyond plain columns.
struct TServiceRules
{
    bool datesInUtc = false;             // day and year come from the local time
    bool noDurationMeansPlanned = false; // such rows are plans or rest days
    bool swimDistanceInMetres = false;   // swims and track runs count metres
    int speedColumn = -1;                // to repair durations a spreadsheet turned to h:mm:ss
    double speedScale = 1.0;             // to km/h
};

// Which columns feed the workout records.
struct TColumnMapping
{
    int dateColumn = -1;
    int sportColumn = -1;
    std::array<TColumnChoice, QuantityCount> quantities{};
    TServiceRules rules;

    TColumnChoice& operator[](TQuantity q) { return quantities[std::size_t(q)]; }
    const TColumnChoice& operator[](TQuantity q) const { return quantities[std::size_t(q)]; }
};

namespace ColumnNames {

// German name of a quantity for the dialog, with the year file's unit.
QString QuantityTitle(TQuantity quantity);

// Index of the occurrence-th (1-based) column named like one of names;
// "Distance.1" counts as a further "Distance", as re-saving tools write it.
// -1 when there is none.
int Find(const std::vector<std::string>& header, std::initializer_list<std::string_view> names,
         int occurrence = 1);

// The factor for a column a user picks: read from units in its name
// ("(mi)", "(ft)", "Meters", "Hours", …).
double GuessScale(TQuantity quantity, std::string_view name);

} // namespace ColumnNames
