#include "app/import/trainingpeaks_recogniser.h"

bool TTrainingPeaksRecogniser::Recognises(const TCsvTable& table) const
{
    const auto& h = table.header;
    return ColumnNames::Find(h, {"WorkoutType"}) >= 0 && ColumnNames::Find(h, {"WorkoutDay"}) >= 0
        && ColumnNames::Find(h, {"TimeTotalInHours"}) >= 0;
}

TColumnMapping TTrainingPeaksRecogniser::DefaultMapping(const TCsvTable& table) const
{
    const auto& h = table.header;
    TColumnMapping mapping;
    mapping.dateColumn = ColumnNames::Find(h, {"WorkoutDay"});
    mapping.sportColumn = ColumnNames::Find(h, {"WorkoutType"});
    mapping[TQuantity::Duration] = {ColumnNames::Find(h, {"TimeTotalInHours"}), 3600.0};
    mapping[TQuantity::Distance] = {ColumnNames::Find(h, {"DistanceInMeters"}), 0.001};
    mapping[TQuantity::Stress] = {ColumnNames::Find(h, {"TSS"}), 1.0};
    mapping[TQuantity::HeartRate] = {ColumnNames::Find(h, {"HeartRateAverage"}), 1.0};
    mapping[TQuantity::Power] = {ColumnNames::Find(h, {"PowerAverage"}), 1.0};
    mapping[TQuantity::Cadence] = {ColumnNames::Find(h, {"CadenceAverage"}), 1.0};
    // Energy here is mechanical work in kJ, not food energy in kcal.
    mapping[TQuantity::Work] = {ColumnNames::Find(h, {"Energy"}), 1.0};
    mapping.rules.noDurationMeansPlanned = true;
    return mapping;
}
