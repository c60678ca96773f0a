#pragma once

#include "app/import/column_mapping.h"

#include <QString>

#include <array>

// One workout of an export, in the year file's units (hours as seconds).
// Absent values are 0, as in a year file.
struct TWorkout
{
    int year = 0;
    int month = 0;
    int day = 0;
    int minuteOfDay = 0; // local start time
    QString sport;
    std::array<double, QuantityCount> values{};
    int second = 0; // of the start minute, where the source tells

    double Value(TQuantity q) const { return values[std::size_t(q)]; }
    void SetValue(TQuantity q, double v) { values[std::size_t(q)] = v; }
};
