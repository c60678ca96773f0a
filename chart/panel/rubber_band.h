#pragma once

#include "chart/canvas/colour.h"
#include "chart/panel/zoom_panning_record.h"

#include <QRect>
#include <QRegion>

#include <vector>

class QPaintDevice;

// The zoom rectangle the user drags, drawn over the chart's picture and
// never into it: repainting the covered pixels from the chart's buffer
// erases it without a trace.

// Its outline (X0, Y0) - (X1, Y1) in either order, right and bottom edges
// excluded, as strips that do not overlap (an inverting pen must not touch
// a corner twice). Empty when the rectangle has no area.
std::vector<QRect> RubberBandStrips(const TZoomPanningRecord& zoom);
QRegion RubberBandRegion(const TZoomPanningRecord& zoom);
// The panel colour, or black on a white panel, combined with the picture
// by "not xor", so that it shows on any background.
TColor RubberBandColour(TColor panelColour);
void PaintRubberBand(QPaintDevice& device, const TZoomPanningRecord& zoom, TColor panelColour);
