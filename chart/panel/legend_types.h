#pragma once

#include <cstdint>

// The side of the plot area the legend sits on.
enum TLegendAlignment : std::uint8_t { laLeft, laRight, laTop, laBottom };

// What the legend lists: the series, the points of the first active series,
// or the last point of each series. lsAuto lists the points when only one
// series is active, else the series.
enum TLegendStyle : std::uint8_t { lsAuto, lsSeries, lsValues, lsLastValues };
