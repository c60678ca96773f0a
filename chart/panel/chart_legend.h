#pragma once

#include "chart/panel/custom_chart_legend.h"

// The legend every chart owns. All behaviour lives in TCustomChartLegend.
class TChartLegend : public TCustomChartLegend
{
public:
    explicit TChartLegend(TCustomChart& chart) : TCustomChartLegend(chart) {}
};
