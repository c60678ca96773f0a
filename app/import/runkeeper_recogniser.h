#pragma once

#include "app/import/service_recogniser.h"

// Runkeeper's cardioActivities.csv, metric or imperial: the units are in
// the header names.
class TRunkeeperRecogniser : public TServiceRecogniser
{
public:
    QString Name() const override { return QStringLiteral("Runkeeper"); }
    bool Recognises(const TCsvTable& table) const override;
    TColumnMapping DefaultMapping(const TCsvTable& table) const override;
};
