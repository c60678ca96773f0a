#pragma once

#include "chart/axes/axis_types.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"

#include <array>

class TCanvas3D;

// What one paint hands an axis to draw with: the canvas, the plot of this
// layout, the colour behind the texts, whether it goes to a printer, and
// the wall thickness along each edge (0 without 3D walls). An axis asks its
// chart nothing while it draws.
struct TAxisPaint
{
    TCanvas3D& Canvas;
    TRect Plot;
    TColor ChartColour = clWhite;
    bool Printing = false;
    // Indexed by TAxisSide.
    std::array<int, 5> Walls{};

    int WallSize(TAxisSide side) const { return Walls[std::size_t(side)]; }
};
