#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class TChartSeries;
class TCustomChartAxis;

// What an axis labels: talAuto picks one of the others from its series.
enum TAxisLabelStyle : std::uint8_t {
    talAuto,
    talNone,
    talValue,
    talMark,
    talText,
};

// The edge of the plot rectangle an axis sits on.
enum TAxisSide : std::uint8_t {
    asBottom,
    asTop,
    asLeft,
    asRight,
    asDepth,
};

// Chart events for axis labels; the first argument is the axis.
// series is null and valueIndex -1 for value labels.
using TAxisOnGetLabel =
    std::function<void(const TCustomChartAxis& sender, TChartSeries* series, int valueIndex, QString& labelText)>;
// Supplies label values one by one; set stop to false to go on.
using TAxisOnGetNextLabel =
    std::function<void(const TCustomChartAxis& sender, int labelIndex, double& labelValue, bool& stop)>;
