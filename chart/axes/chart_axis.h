#pragma once

#include "chart/axes/custom_chart_axis.h"

// An axis of the chart's four sides, with every property published.
class TChartAxis : public TCustomChartAxis
{
public:
    TChartAxis(TAxisHost* host, bool horizontal, bool otherSide)
        : TCustomChartAxis(host, horizontal, otherSide)
    {
    }
};

// The axis into the depth of a 3D view; invisible by default.
class TChartDepthAxis : public TCustomChartAxis
{
public:
    explicit TChartDepthAxis(TAxisHost* host) : TCustomChartAxis(host, false, true, true)
    {
        SetVisible(false);
    }
};
