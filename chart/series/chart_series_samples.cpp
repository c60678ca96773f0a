// Random sample points, as a chart designer shows them for a new series.

#include "chart/canvas/chart_exception.h"
#include "chart/series/chart_series.h"

#include <QDate>
#include <QScopeGuard>

#include <algorithm>
#include <random>

namespace {

struct TSampleRange
{
    double Low = 0;
    double High = 1000;
};

// The Y range of the chart's other series with points, so the samples sit
// among them; 0..1000 when there are none or their values are all equal.
TSampleRange SampleRange(const TChartSeries& series)
{
    const TSeriesHost* chart = series.ParentChart();
    if (!chart)
        return {};
    bool found = false;
    TSampleRange range;
    for (TChartSeries* other : chart->SeriesList()) {
        if (other == &series || other->PointCount() == 0)
            continue;
        range.Low = found ? std::min(range.Low, other->LowestY()) : other->LowestY();
        range.High = found ? std::max(range.High, other->HighestY()) : other->HighestY();
        found = true;
    }
    if (!found || !(range.High > range.Low))
        return {};
    return range;
}

// Today as a date-time value: days since 30 December 1899.
double Today()
{
    return double(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
}

std::mt19937& SampleGenerator()
{
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

} // namespace

void TChartSeries::FillSampleValues(int count)
{
    if (count <= 0)
        throw ChartException::SampleCountNotPositive();
    const TSampleRange range = SampleRange(*this);
    std::uniform_real_distribution<double> y(range.Low, range.High);
    const double firstX = xValues_->DateTime() ? Today() : 0;
    {
        // One repaint for the whole fill instead of one per point.
        ++repaintPauses_;
        const auto resume = qScopeGuard([this] { --repaintPauses_; });
        ClearPoints();
        for (int i = 0; i < count; ++i)
            AddPoint(firstX + i, y(SampleGenerator()));
    }
    RequestRepaint();
}
