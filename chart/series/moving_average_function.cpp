#include "chart/series/moving_average_function.h"

#include "chart/canvas/assign_if_changed.h"
#include "chart/series/chart_series.h"

#include <algorithm>

TMovingAverageFunction::TMovingAverageFunction(int period) : period_(std::max(1, period)) {}

void TMovingAverageFunction::SetPeriod(int value)
{
    if (!AssignIfChanged(period_, std::max(1, value)))
        return;
    if (TChartSeries* parent = ParentSeries())
        parent->CheckDataSource();
}

void TMovingAverageFunction::CalculateSeries(TChartSeries& target, const std::vector<TChartSeries*>& sources)
{
    if (sources.empty())
        return;
    const TChartSeries& source = *sources.front();
    for (int last = period_ - 1; last < source.PointCount(); ++last) {
        double sum = 0;
        int counted = 0;
        for (int i = last - period_ + 1; i <= last; ++i) {
            if (source.IsNullPoint(i))
                continue;
            sum += source.PointY(i);
            ++counted;
        }
        if (counted > 0)
            target.AddPoint(source.PointX(last), sum / counted);
    }
}

std::unique_ptr<TChartFunction> TMovingAverageFunction::Clone() const
{
    return std::make_unique<TMovingAverageFunction>(period_);
}
