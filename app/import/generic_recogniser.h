#pragma once

#include "app/import/service_recogniser.h"

// Any other workout CSV with a header row: the date column is the first whose
// cells read as dates, the other columns are guessed from their names; the
// dialog lets the user correct both.
class TGenericRecogniser : public TServiceRecogniser
{
public:
    QString Name() const override { return QStringLiteral("CSV-Datei"); }
    bool Recognises(const TCsvTable&) const override { return true; }
    TColumnMapping DefaultMapping(const TCsvTable& table) const override;

    // First column whose first non-empty cells read as dates, -1 when none.
    static int GuessDateColumn(const TCsvTable& table);
};
