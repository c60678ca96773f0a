#pragma once

#include "chart/axes/axis_mapping.h"
#include "chart/canvas/rect.h"

#include <vector>

class TChartAxisList;
class TCustomChartAxis;

// Where the last paint put the plot and how each axis mapped values to
// pixels then. Mouse handling reads this plain copy, so that finding what
// lies under the mouse never needs a paint and is not disturbed by limits
// changed since.
struct TChartMouseFrame
{
    TRect Plot;
    // In the order of the chart's axes list.
    std::vector<TAxisMapping> Axes;
};

TChartMouseFrame CalcMouseFrame(const TRect& plot, const TChartAxisList& axes);

// The mapping of the index-th axis of the list; an axis added after the
// last paint brings its own.
TAxisMapping& FrameMapping(TChartMouseFrame& frame, int index, const TCustomChartAxis& axis);
