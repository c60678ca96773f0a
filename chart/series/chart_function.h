#pragma once

#include <memory>
#include <vector>

class TChartSeries;

// A calculation that derives the points of a series from its data sources
// (sums, averages and the like). The series owns its function.
class TChartFunction
{
public:
    virtual ~TChartFunction() = default;

    // Adds the computed points to target, which has just been cleared.
    virtual void CalculateSeries(TChartSeries& target,
                                 const std::vector<TChartSeries*>& sources) = 0;
    virtual std::unique_ptr<TChartFunction> Clone() const = 0;

    TChartSeries* ParentSeries() const { return parentSeries_; }
    void SetParentSeries(TChartSeries* series) { parentSeries_ = series; }

protected:
    TChartFunction() = default;
    TChartFunction(const TChartFunction&) = default;
    TChartFunction& operator=(const TChartFunction&) = default;

private:
    TChartSeries* parentSeries_ = nullptr;
};
