#pragma once

#include "app/import/service_recogniser.h"

// Strava's bulk export before 2019: ten lowercase columns
// (id,date,name,type,description,elapsed_time,distance,…), dates in UTC,
// the elapsed time in seconds as the only duration, distances in metres.
class TStravaLegacyRecogniser : public TServiceRecogniser
{
public:
    QString Name() const override { return QStringLiteral("Strava"); }
    bool Recognises(const TCsvTable& table) const override;
    TColumnMapping DefaultMapping(const TCsvTable& table) const override;
};
