#pragma once

#include "chart/series/chart_function.h"

// Each point of the series is the mean Y of the last Period points of its
// first source, at the X of the newest of them. Null points of the source
// are left out of the means; a window of null points only gives no point.
class TMovingAverageFunction : public TChartFunction
{
public:
    // Periods below 1 count as 1 (a plain copy of the Y values).
    explicit TMovingAverageFunction(int period = 2);

    int Period() const { return period_; }
    // Recomputes the parent series when the period changes.
    void SetPeriod(int value);

    void CalculateSeries(TChartSeries& target, const std::vector<TChartSeries*>& sources) override;
    std::unique_ptr<TChartFunction> Clone() const override;

private:
    int period_;
};
