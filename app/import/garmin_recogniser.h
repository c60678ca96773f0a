#pragma once

#include "app/import/service_recogniser.h"

// Garmin Connect's Activities.csv in English, German or Portuguese: any
// subset of columns, so every column is found by name.
class TGarminRecogniser : public TServiceRecogniser
{
public:
    QString Name() const override { return QStringLiteral("Garmin Connect"); }
    bool Recognises(const TCsvTable& table) const override;
    TColumnMapping DefaultMapping(const TCsvTable& table) const override;
};
