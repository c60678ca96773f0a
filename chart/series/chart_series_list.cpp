#include "chart/series/chart_series_list.h"

#include "chart/series/chart_series.h"
#include "chart/series/list_index_exception.h"

#include <algorithm>

TChartSeries& TChartSeriesList::Series(int index) const
{
    CheckListIndex(index, Count());
    return *series_[std::size_t(index)];
}

int TChartSeriesList::IndexOf(const TChartSeries& series) const
{
    const auto it = std::find(series_.begin(), series_.end(), &series);
    return it == series_.end() ? -1 : int(it - series_.begin());
}

int TChartSeriesList::ActiveCount() const
{
    return int(std::count_if(series_.begin(), series_.end(),
                             [](const TChartSeries* s) { return s->Active(); }));
}

void TChartSeriesList::Add(TChartSeries& series)
{
    if (!Contains(series))
        series_.push_back(&series);
}

void TChartSeriesList::Remove(const TChartSeries& series)
{
    std::erase(series_, &series);
}
