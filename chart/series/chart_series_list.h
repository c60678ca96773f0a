#pragma once

#include <vector>

class TChartSeries;
class TSeriesHost;

// The chart's list of its series, in drawing order. It does not own them
// (the chart does); the chart adds and removes entries as series join and
// leave it.
class TChartSeriesList
{
public:
    explicit TChartSeriesList(TSeriesHost* chart = nullptr) : chart_(chart) {}

    TSeriesHost* Chart() const { return chart_; }

    int Count() const { return int(series_.size()); }
    // Raises ListIndexException outside 0..Count()-1.
    TChartSeries& Series(int index) const;
    TChartSeries& operator[](int index) const { return Series(index); }
    int IndexOf(const TChartSeries& series) const;
    bool Contains(const TChartSeries& series) const { return IndexOf(series) >= 0; }
    // Number of series whose Active() is true.
    int ActiveCount() const;

    // Appends unless already present.
    void Add(TChartSeries& series);
    void Remove(const TChartSeries& series);
    void Clear() { series_.clear(); }

    auto begin() const { return series_.begin(); }
    auto end() const { return series_.end(); }

private:
    TSeriesHost* chart_;
    std::vector<TChartSeries*> series_;
};
