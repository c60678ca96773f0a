#pragma once

#include <cstdint>
#include <vector>

enum TPlacedPart : std::uint8_t { ppTitle, ppFoot, ppLegend };

// The order in which title, foot and legend take their space from the plot
// rectangle: a side legend first (it spans the height between the
// margins), a top or bottom legend last (inside what title and foot left).
inline std::vector<TPlacedPart> PlacementOrder(bool legendShown, bool legendVertical)
{
    if (!legendShown)
        return {ppTitle, ppFoot};
    if (legendVertical)
        return {ppLegend, ppTitle, ppFoot};
    return {ppTitle, ppFoot, ppLegend};
}
