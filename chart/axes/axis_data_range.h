#pragma once

class TChartSeries;
class TChartSeriesList;
class TSeriesAxis;

// How the chart pages its points: MaxPointsPerPage 0 means no paging.
struct TAxisPaging
{
    int MaxPointsPerPage = 0;
    int Page = 1;
    bool ScaleLastPage = true;
};

// The data extremes an axis scales to when its limits are automatic.
struct TAxisDataRange
{
    double Min = 0;
    double Max = 0;

    friend bool operator==(const TAxisDataRange&, const TAxisDataRange&) = default;
};

// The first active series bound to the axis, or the first bound one when
// none of those is active; null when no series is bound.
TChartSeries* AxisLeadSeries(const TChartSeriesList& list, const TSeriesAxis& axis);

// The extremes in the axis' dimension (X for a horizontal axis) of the
// series bound to it that have points: the active ones, or all of them when
// no active series is bound. With paging, the limits that run along the lead
// series' point order come from its current page. 0 and 0 without series.
TAxisDataRange AxisDataRange(const TChartSeriesList& list, const TSeriesAxis& axis, const TAxisPaging& paging);

// The depth axis: one unit per depth order when it labels series, else the
// depth values of the first active series.
TAxisDataRange DepthAxisDataRange(const TChartSeriesList& list, bool labelsSeries, int highestDepthOrder);
