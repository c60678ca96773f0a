#pragma once

#include "chart/axes/axis_mapping.h"
#include "chart/axes/axis_types.h"

#include <vector>

// Pure geometry of axis drawing: where label lines go, where grid lines
// and minor ticks fall.

// How to draw the lines of a label or title anchored at (x, y): the canvas
// alignment, and the point each line is drawn at (line i at Start + (i + 1)
// * Step). Angle 0 draws plain text, others turned text.
struct TLabelLayout
{
    int Align = 0;
    int StartX = 0;
    int StartY = 0;
    int StepX = 0;
    int StepY = 0;
};

// lines is the number of text lines, fontHeight the height of one.
TLabelLayout CalcLabelLayout(TAxisSide side, int angle, int x, int y, int lines, int fontHeight);

// Grid positions: the ticks, or with centred grid the rounded midpoints of
// neighbouring ticks.
std::vector<int> GridPixels(const std::vector<int>& ticks, bool centred);

// Minor tick positions, strictly inside the axis' extent. Linear axes
// divide each gap into count + 1 parts and continue the first gap's
// spacing beyond both ends; logarithmic axes divide each decade (of `base`)
// above every tick but the last.
std::vector<int> MinorTickPixels(const std::vector<int>& ticks, int count, const TAxisMapping& mapping,
                                 int base);
