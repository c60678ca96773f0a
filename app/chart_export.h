#pragma once

#include <QString>

class TChart;

// Writing the chart's points to a file (its pictures: ChartPicture). Returns
// an error text, empty on success; the file is either written whole or not
// at all.
namespace ChartExport {

// The points of the chart's series as UTF-8 text, "series;title;x;y;label".
QString WriteCsv(const TChart& chart, const QString& path);

} // namespace ChartExport
