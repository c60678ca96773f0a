#include "app/import/runkeeper_recogniser.h"

namespace {

int Distance(const std::vector<std::string>& h) { return ColumnNames::Find(h, {"Distance (km)", "Distance (mi)"}); }

} // namespace

bool TRunkeeperRecogniser::Recognises(const TCsvTable& table) const
{
    const auto& h = table.header;
    return ColumnNames::Find(h, {"Date"}) >= 0 && ColumnNames::Find(h, {"Type"}) >= 0
        && ColumnNames::Find(h, {"Duration"}) >= 0 && Distance(h) >= 0;
}

TColumnMapping TRunkeeperRecogniser::DefaultMapping(const TCsvTable& table) const
{
    const auto& h = table.header;
    TColumnMapping mapping;
    mapping.dateColumn = ColumnNames::Find(h, {"Date"});
    mapping.sportColumn = ColumnNames::Find(h, {"Type"});
    mapping[TQuantity::Duration] = {ColumnNames::Find(h, {"Duration"}), 1.0};
    const int distance = Distance(h);
    mapping[TQuantity::Distance] = {distance, ColumnNames::GuessScale(TQuantity::Distance, h[std::size_t(distance)])};
    mapping[TQuantity::Energy] = {ColumnNames::Find(h, {"Calories Burned"}), 1.0};
    const int climb = ColumnNames::Find(h, {"Climb (m)", "Climb (ft)"});
    mapping[TQuantity::Climb] = {climb, climb < 0 ? 1.0 : ColumnNames::GuessScale(TQuantity::Climb, h[std::size_t(climb)])};
    mapping[TQuantity::HeartRate] = {ColumnNames::Find(h, {"Average Heart Rate (bpm)"}), 1.0};
    const int speed = ColumnNames::Find(h, {"Average Speed (km/h)", "Average Speed (mph)"});
    mapping.rules.speedColumn = speed;
    mapping.rules.speedScale = speed >= 0 && h[std::size_t(speed)].find("mph") != std::string::npos ? 1.609344 : 1.0;
    return mapping;
}
