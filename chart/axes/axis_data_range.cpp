#include "chart/axes/axis_data_range.h"

#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"

#include <algorithm>

namespace {

bool AnyActiveBound(const TChartSeriesList& list, const TSeriesAxis& axis)
{
    return std::any_of(list.begin(), list.end(),
                       [&](const TChartSeries* s) { return s->Active() && s->IsBoundToAxis(&axis); });
}

// Whether the axis' limits run along the lead series' point order.
bool RunsAlongPoints(const TSeriesAxis& axis, const TChartSeries* lead)
{
    return axis.Horizontal() ? (!lead || lead->IsYMain()) : (lead && !lead->IsYMain());
}

TAxisDataRange PageRange(const TChartSeries* lead, bool horizontal, const TAxisPaging& paging)
{
    if (!lead || lead->PointCount() == 0)
        return {};
    const int n = lead->PointCount();
    const int p = paging.MaxPointsPerPage;
    // A page below 1 is taken as the first page.
    int first = p * (std::max(paging.Page, 1) - 1);
    if (first >= n)
        first = std::max(0, n / p - 1) * p;
    int last = first + p - 1;
    if (last >= n)
        last = first + n % p - 1;
    last = std::clamp(last, first, n - 1);
    const double vFirst = lead->ValueForAxis(horizontal, first);
    const double vLast = lead->ValueForAxis(horizontal, last);
    const int onPage = last - first + 1;
    if (!paging.ScaleLastPage && onPage < p)
        return {vFirst, vFirst + (vLast - vFirst) * p / onPage};
    return {vFirst, vLast};
}

} // namespace

TChartSeries* AxisLeadSeries(const TChartSeriesList& list, const TSeriesAxis& axis)
{
    TChartSeries* firstBound = nullptr;
    for (TChartSeries* s : list) {
        if (!s->IsBoundToAxis(&axis))
            continue;
        if (s->Active())
            return s;
        if (!firstBound)
            firstBound = s;
    }
    return firstBound;
}

TAxisDataRange AxisDataRange(const TChartSeriesList& list, const TSeriesAxis& axis, const TAxisPaging& paging)
{
    const bool horizontal = axis.Horizontal();
    if (paging.MaxPointsPerPage > 0) {
        TChartSeries* lead = AxisLeadSeries(list, axis);
        if (RunsAlongPoints(axis, lead))
            return PageRange(lead, horizontal, paging);
    }
    const bool activeOnly = AnyActiveBound(list, axis);
    TAxisDataRange range;
    bool found = false;
    for (TChartSeries* s : list) {
        if (s->PointCount() == 0 || !s->IsBoundToAxis(&axis) || (activeOnly && !s->Active()))
            continue;
        const double lo = horizontal ? s->LowestX() : s->LowestY();
        const double hi = horizontal ? s->HighestX() : s->HighestY();
        range.Min = found ? std::min(range.Min, lo) : lo;
        range.Max = found ? std::max(range.Max, hi) : hi;
        found = true;
    }
    return range;
}

TAxisDataRange DepthAxisDataRange(const TChartSeriesList& list, bool labelsSeries, int highestDepthOrder)
{
    if (labelsSeries)
        return {-0.5, highestDepthOrder + 0.5};
    for (TChartSeries* s : list)
        if (s->Active())
            return {s->LowestZ(), s->HighestZ()};
    return {};
}
