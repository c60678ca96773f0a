#pragma once

#include "chart/axes/axis_mapping.h"
#include "chart/axes/axis_ticks.h"
#include "chart/axes/axis_types.h"

class TCustomChartAxis;

// One axis as one paint laid it out: its mapping, where its line, labels
// and title went, and the positions it marked. A plain value: a click
// test, the readout and the hover read it long after the paint.
struct TAxisFrame
{
    const TCustomChartAxis* Axis = nullptr;
    TAxisSide Side = asBottom;
    bool Shown = false;
    TAxisMapping Mapping;
    int AxisLinePos = 0;
    int LabelBandPos = 0;
    int TitleBandPos = 0;
    bool ShowsDateTime = false;
    TAxisTickList Ticks;
};

// The axis answers a click from three pixels inside its line out to its
// labels, along its whole extent; a hidden axis never does.
bool AxisFrameClicked(const TAxisFrame& frame, int x, int y);
