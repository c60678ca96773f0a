#pragma once

#include "app/import/service_recogniser.h"

// Strava's bulk export, activities.csv: names repeat (the first copy in
// display units, the second in SI units), dates are UTC.
class TStravaRecogniser : public TServiceRecogniser
{
public:
    QString Name() const override { return QStringLiteral("Strava"); }
    bool Recognises(const TCsvTable& table) const override;
    TColumnMapping DefaultMapping(const TCsvTable& table) const override;
};
