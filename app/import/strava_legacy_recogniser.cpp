#include "app/import/strava_legacy_recogniser.h"

namespace {

enum Position { Id = 0, Date = 1, Type = 3, ElapsedTime = 5, Distance = 6 };

} // namespace

bool TStravaLegacyRecogniser::Recognises(const TCsvTable& table) const
{
    const auto& h = table.header;
    return ColumnNames::Find(h, {"id"}) == Id && ColumnNames::Find(h, {"date"}) == Date
        && ColumnNames::Find(h, {"type"}) == Type && ColumnNames::Find(h, {"elapsed_time"}) == ElapsedTime
        && ColumnNames::Find(h, {"distance"}) == Distance;
}

TColumnMapping TStravaLegacyRecogniser::DefaultMapping(const TCsvTable&) const
{
    TColumnMapping mapping;
    mapping.dateColumn = Date;
    mapping.sportColumn = Type;
    mapping[TQuantity::Duration] = {ElapsedTime, 1.0};
    mapping[TQuantity::Distance] = {Distance, 0.001};
    mapping.rules.datesInUtc = true;
    return mapping;
}
