#pragma once

#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"

class TChartCanvas;

// Sets the canvas brush to colour and style. A hatch drawn in its own
// background colour would vanish, so it then becomes black (white on
// black). Hatches get an opaque background of backColour; a solid brush
// leaves the background transparent.
void PrepareBrush(TChartCanvas& canvas, TColor colour, TBrushStyle style, TColor backColour);
