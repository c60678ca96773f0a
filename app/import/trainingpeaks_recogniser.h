#pragma once

#include "app/import/service_recogniser.h"

// TrainingPeaks' workouts export: one row per planned or done workout;
// only rows with a time done are workouts.
class TTrainingPeaksRecogniser : public TServiceRecogniser
{
public:
    QString Name() const override { return QStringLiteral("TrainingPeaks"); }
    bool Recognises(const TCsvTable& table) const override;
    TColumnMapping DefaultMapping(const TCsvTable& table) const override;
};
