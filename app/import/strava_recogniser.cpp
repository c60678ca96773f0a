#include "app/import/strava_recogniser.h"

namespace {

// Positions (0-based) of the columns used, the same in the 94- and
// 103-column exports and in every account language.
enum Position {
    Date = 1, Type = 3, ElapsedTime = 5, Distance = 6, ElapsedTimeSi = 15, Cadence = 29, HeartRate = 31,
    Power = 33, Calories = 34, MovingTime = 16, DistanceMetres = 17, ElevationGain = 20, TotalWork = 38
};

bool EnglishHeader(const std::vector<std::string>& header)
{
    return ColumnNames::Find(header, {"Activity ID"}) == 0 && ColumnNames::Find(header, {"Activity Date"}) == Date
        && ColumnNames::Find(header, {"Activity Type"}) == Type;
}

// Translated headers are known by their shape, whatever their column count
// (92, 94, 103, or one more after a re-save): the elapsed time and the
// distance are named twice, at the positions of the display and SI columns.
bool RepeatsNamesAtTheirPlaces(const std::vector<std::string>& header)
{
    if (header.size() <= TotalWork)
        return false;
    const auto secondAt = [&](int first, int second) {
        return !header[std::size_t(first)].empty()
            && ColumnNames::Find(header, {header[std::size_t(first)]}, 2) == second;
    };
    return secondAt(ElapsedTime, ElapsedTimeSi) && secondAt(Distance, DistanceMetres);
}

} // namespace

bool TStravaRecogniser::Recognises(const TCsvTable& table) const
{
    return EnglishHeader(table.header) || RepeatsNamesAtTheirPlaces(table.header);
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
