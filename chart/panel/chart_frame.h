#pragma once

#include "chart/axes/axis_frame.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"
#include "chart/panel/clicked_part.h"
#include "chart/panel/legend_layout.h"
#include "chart/series/series_frame.h"

#include <vector>

// Everything one paint laid out, as one value: the painted area and the
// plot, every axis, every drawn series, the legend, title and foot. The
// chart keeps the frame of its last window paint; the mouse, the readout
// and the hover read that, and pictures and print-outs make their own.
struct TChartFrame
{
    TRect Bounds;
    TRect Plot;
    // In the order of the chart's axes list.
    std::vector<TAxisFrame> Axes;
    // The active series in list order, drawn or not.
    std::vector<TSeriesFrame> Series;
    bool LegendShown = false;
    TLegendLayout Legend;
    // The legend's colour, which its symbols were drawn against.
    TColor LegendBackColour = clWhite;
    bool TitleShown = false;
    TRect TitleBox;
    bool FootShown = false;
    TRect FootBox;
};

// What lies under (x, y) in the frame: a point of the topmost series, an
// axis, the title, the foot, the plot (with a series drawn) or a legend item.
TChartClickedPart ClickedPartAt(const TChartFrame& frame, int x, int y);

// The frame of `axis` (the index-th of the list); an axis added after the
// frame was made brings its own working state.
TAxisMapping& FrameMapping(TChartFrame& frame, int index, const TCustomChartAxis& axis);
