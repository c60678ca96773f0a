#include "app/import/garmin_recogniser.h"

namespace {

int Sport(const std::vector<std::string>& h)
{
    return ColumnNames::Find(h, {"Activity Type", "Aktivitätstyp", "Tipo de atividade"});
}
int Date(const std::vector<std::string>& h) { return ColumnNames::Find(h, {"Date", "Datum", "Data"}); }

int Duration(const std::vector<std::string>& h)
{
    const int timer = ColumnNames::Find(h, {"Time", "Zeit", "Tempo"});
    if (timer >= 0)
        return timer;
    return ColumnNames::Find(h, {"Moving Time", "Zeit in Bewegung", "Tempo em movimento", "Elapsed Time",
                                 "Verstrichene Zeit", "Duração"});
}

} // namespace

bool TGarminRecogniser::Recognises(const TCsvTable& table) const
{
    return Sport(table.header) >= 0 && Date(table.header) >= 0 && Duration(table.header) >= 0;
}

TColumnMapping TGarminRecogniser::DefaultMapping(const TCsvTable& table) const
{
    const auto& h = table.header;
    TColumnMapping mapping;
    mapping.dateColumn = Date(h);
    mapping.sportColumn = Sport(h);
    mapping[TQuantity::Duration] = {Duration(h), 1.0};
    mapping[TQuantity::Distance] = {ColumnNames::Find(h, {"Distance", "Distanz", "Distância"}), 1.0};
    mapping[TQuantity::Energy] = {ColumnNames::Find(h, {"Calories", "Kalorien", "Calorias"}), 1.0};
    mapping[TQuantity::Climb] = {ColumnNames::Find(h, {"Total Ascent", "Anstieg gesamt", "Subida total"}), 1.0};
    mapping[TQuantity::Stress] = {ColumnNames::Find(h, {"Training Stress Score®"}), 1.0};
    mapping[TQuantity::HeartRate] = {ColumnNames::Find(h, {"Avg HR", "Ø Herzfrequenz", "FC Média"}), 1.0};
    mapping[TQuantity::Power] = {ColumnNames::Find(h, {"Avg Power", "Ø Leistung", "Potência média"}), 1.0};
    mapping[TQuantity::Cadence] = {ColumnNames::Find(h, {"Avg Run Cadence", "Ø Schrittfrequenz (Laufen)",
                                                         "Avg Bike Cadence", "Cadência bicicleta média"}),
                                   1.0};
    mapping.rules.swimDistanceInMetres = true;
    return mapping;
}
