#pragma once

#include "chart/series/chart_series.h"
#include "support/chart_test_host.h"

#include <vector>

// The chart as the series see it, with counters for what they ask of it.
using FakeHost = TChartTestHost;

// Every point's value of one kind, for comparing whole series at once.
template <typename Read>
auto PointsOf(const TChartSeries& s, Read read)
{
    std::vector<decltype(read(s, 0))> out;
    for (int i = 0; i < s.PointCount(); ++i)
        out.push_back(read(s, i));
    return out;
}
inline std::vector<double> Xs(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointX(i); }); }
inline std::vector<double> Ys(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointY(i); }); }
inline std::vector<QString> Labels(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointLabel(i); }); }
inline std::vector<TColor> Colours(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointColor(i); }); }
