#pragma once

#include <QByteArray>

class TChart;

// The chart's points as a file (its pictures: ChartPicture).
namespace ChartExport {

// The points of the chart's series as UTF-8 text, "series;title;x;y;label".
QByteArray Csv(const TChart& chart);

} // namespace ChartExport
