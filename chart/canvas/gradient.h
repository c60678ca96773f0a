#pragma once

#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"
#include "chart/canvas/rect.h"

#include <vector>

// A gradient fill is computed here as a list of flat-coloured steps and
// then painted by the canvas, one brush per change of colour.
//
// For every direction except gdTopBottom and gdLeftRight the two colours
// are swapped first (callers pass them the other way round for those).
// The first colour after that lies at the direction's origin: the top for
// gdTopBottom, the bottom for gdBottomTop, the left or right edge, the
// named corner for the diagonals, the outermost frame for gdFromCenter.

enum TGradientShape {
    gsBands,     // each step fills Rect
    gsFrames,    // each step paints the one-pixel frame of Rect
    gsDiagonals, // each step sets the pixels from From to To (inclusive)
};

struct TGradientStep
{
    TColor Colour = clBlack;
    TRect Rect;
    TPoint From;
    TPoint To;
};

struct TGradientPlan
{
    TGradientShape Shape = gsBands;
    std::vector<TGradientStep> Steps;
};

inline constexpr int MaxGradientBands = 256;

// Colour i of n evenly spread from `from` to `to` (i = 0: from, i = n - 1:
// to, per channel from + MulDiv(i, to - from, n - 1)); both plain RGB.
TColor GradientColour(TColor from, TColor to, int i, int n);

// The steps of FillGradient(rect, start, end, direction). For every
// direction except gdTopBottom and gdLeftRight the two colours are swapped
// first. Linear directions use at most 256 bands; band i covers
// [MulDiv(i, extent, n), MulDiv(i + 1, extent, n)) from the origin edge.
TGradientPlan CalcGradient(const TRect& rect, TColor start, TColor end, TGradientDirection direction);
