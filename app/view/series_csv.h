#pragma once

#include <QByteArray>

#include <vector>

class TChartSeries;

// The points of the chart's series as UTF-8 text, one line per point in
// series order and point order: "series;title;x;y;label". Numbers use the
// shortest form that reads back to the same double. The label series
// (index 0) has no title.
QByteArray SeriesCsv(const std::vector<const TChartSeries*>& series);
