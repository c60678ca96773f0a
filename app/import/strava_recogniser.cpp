#include "app/import/strava_recogniser.h"

namespace {

// Positions (0-based) of the columns used, the same in the 94- and
// 103-column exports and in every account language.
enum Position {
    Date = 1, Type = 3, Cadence = 29, HeartRate = 31, Power = 33, Calories = 34, MovingTime = 16,
    DistanceMetres = 17, ElevationGain = 20, TotalWork = 38, FirstCount = 94, SecondCount = 103
};

bool EnglishHeader(const std::vector<std::string>& header)
{
    return ColumnNames::Find(header, {"Activity ID"}) == 0 && ColumnNames::Find(header, {"Activity Date"}) == Date
        && ColumnNames::Find(header, {"Activity Type"}) == Type;
}

} // namespace

bool TStravaRecogniser::Recognises(const TCsvTable& table) const
{
    const auto count = table.header.size();
    // Translated headers are known by their shape: the two column counts and
    // the repeated names.
    return EnglishHeader(table.header)
        || ((count == FirstCount || count == SecondCount)
            && ColumnNames::Find(table.header, {table.header[6]}, 2) == 17);
}

TColumnMapping TStravaRecogniser::DefaultMapping(const TCsvTable&) const
{
    TColumnMapping mapping;
    mapping.dateColumn = Date;
    mapping.sportColumn = Type;
    mapping[TQuantity::Duration] = {MovingTime, 1.0};
    mapping[TQuantity::Distance] = {DistanceMetres, 0.001};
    mapping[TQuantity::Energy] = {Calories, 1.0};
    mapping[TQuantity::Climb] = {ElevationGain, 1.0};
    mapping[TQuantity::HeartRate] = {HeartRate, 1.0};
    mapping[TQuantity::Power] = {Power, 1.0};
    mapping[TQuantity::Cadence] = {Cadence, 1.0};
    mapping[TQuantity::Work] = {TotalWork, 0.001}; // joules
    mapping.rules.datesInUtc = true;
    return mapping;
}
