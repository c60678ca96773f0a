#pragma once

#include <cstdint>

// What the legend writes for each point of a series it lists: the label
// alone, or the label with the value, its percent of the series' total or
// the X value.
enum TLegendTextStyle : std::uint8_t {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue,
};
