#include "chart/series/value_statistics.h"

#include <cmath>

TValueStatistics ComputeStatistics(std::span<const double> raw, double multiplier)
{
    TValueStatistics stats;
    if (raw.empty())
        return stats;

    const double first = ScaleValue(raw[0], multiplier);
    stats.lowest = stats.highest = stats.sum = first;
    stats.absoluteSum = std::fabs(first);
    for (std::size_t i = 1; i < raw.size(); ++i) {
        const double s = ScaleValue(raw[i], multiplier);
        if (s < stats.lowest)
            stats.lowest = s;
        else if (s > stats.highest)
            stats.highest = s;
        stats.sum += s;
        stats.absoluteSum += std::fabs(s);
    }
    return stats;
}
