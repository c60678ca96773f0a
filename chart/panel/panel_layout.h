#pragma once

#include "chart/canvas/rect.h"

#include <array>

// The layout arithmetic of the chart control, as pure functions of the
// rectangles involved.

// Margins in percent of the painted area: left, top, right, bottom.
using TChartMargins = std::array<int, 4>;

// The plot rectangle a paint starts from: `bounds` less the border and the
// margins, each margin MulDiv(percent, extent, 100).
TRect MarginRect(const TRect& bounds, const TChartMargins& margins, int borderWidth);

// The plot rectangle and its derived sizes after a change.
struct TPlotGeometry
{
    TRect Rect;
    int Width = 0;
    int Height = 0;
    int CentreX = 0;
    int CentreY = 0;
};

// Keeps the plot rectangle usable: its top-left corner not outside
// `bounds`, an inverted side one pixel long, a collapsed side as long as
// the control (controlWidth, controlHeight).
TPlotGeometry SettlePlotRect(TRect r, const TRect& bounds, int controlWidth, int controlHeight);
