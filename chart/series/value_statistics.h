#pragma once

#include <span>

// The cached extremes and sums of a value list, always of scaled values.
struct TValueStatistics
{
    double highest = 0;
    double lowest = 0;
    double sum = 0;
    double absoluteSum = 0;

    friend bool operator==(const TValueStatistics&, const TValueStatistics&) = default;
};

// A raw stored value times the list's multiplier, multiplied in extended
// precision and rounded once to a double.
inline double ScaleValue(double raw, double multiplier)
{
    if (multiplier == 1.0)
        return raw; // exact in any precision; keeps the common case cheap
    return static_cast<double>(static_cast<long double>(raw) * static_cast<long double>(multiplier));
}

// Statistics of the scaled values in index order: all zero for no values;
// sums accumulate left to right in doubles.
TValueStatistics ComputeStatistics(std::span<const double> raw, double multiplier);
