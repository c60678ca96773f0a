#pragma once

#include <QString>

class TChart;

// Writing the chart to files. Each returns an error text, empty on success;
// a file is either written whole or not at all.
namespace ChartExport {

// The chart as a PNG picture of its current size.
QString WritePng(TChart& chart, const QString& path);

// The points of the chart's series as UTF-8 text, "series;title;x;y;label".
QString WriteCsv(const TChart& chart, const QString& path);

} // namespace ChartExport
