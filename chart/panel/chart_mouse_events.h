#pragma once

#include "chart/series/mouse_input.h"

#include <exception>
#include <functional>

class TChartSeries;
class TCustomChartAxis;
class TCustomChartPanel;

// The chart's mouse events; the chart is always the sender.
using TChartClick = std::function<void(TCustomChartPanel& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickSeries = std::function<void(TCustomChartPanel& sender, TChartSeries& series, int valueIndex,
                                             TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickAxis = std::function<void(TCustomChartPanel& sender, TCustomChartAxis& axis, TMouseButton button,
                                           TShiftState shift, int x, int y)>;
// The handler may change the new limits of the axis or refuse the scroll.
using TChartAllowScrollEvent =
    std::function<void(TCustomChartAxis& sender, double& newMinimum, double& newMaximum, bool& allowScroll)>;
// The plain mouse events, fired before the chart's own handling.
using TChartMouseEvent = std::function<void(TCustomChartPanel& sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartMouseMoveEvent = std::function<void(TCustomChartPanel& sender, TShiftState shift, int x, int y)>;
// An error raised while the chart handled an input event.
using TChartExceptionEvent = std::function<void(std::exception_ptr error)>;
