// Label computation runs on every paint: the label step, then the tick list
// with every label text. This measures both for a numeric and a date-time
// axis of 1,000 pixels, with the real font metrics of the chart canvas.

#include "qt_benchmark_main.h"
#include "support/chart_test_host.h"
#include "chart/axes/date_time_format.h"
#include "chart/axes/number_format.h"
#include "chart/canvas/chart_canvas3d.h"
#include "chart/series/chart_series.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The shared test chart on its real axes: 1,000 by 1,000 plot pixels and
// the chart's own canvas.
struct BenchHost : TChartTestHost
{
    BenchHost()
    {
        plot = {40, 40, 1040, 1040};
        canvas = chartCanvas.get();
        UseRealAxes();
    }
    std::unique_ptr<TChartCanvas3D> chartCanvas = std::make_unique<TChartCanvas3D>();
};

struct TAxisFixture
{
    BenchHost host;
    TChartSeries series;

    TAxisFixture(double from, double to, bool dateTime)
    {
        series.XValues().SetDateTime(dateTime);
        series.SetParentChart(&host);
        for (int i = 0; i <= 365; ++i)
            series.AddPoint(from + (to - from) * i / 365, i);
        for (const auto& axis : host.axes) {
            axis->SettleRange();
            axis->PlaceOnPlot();
        }
    }
};

void RunLabels(benchmark::State& state, TCustomChartAxis& axis)
{
    size_t labels = 0;
    for (auto _ : state) {
        const TAxisTickList ticks = axis.CalcTicks(axis.LabelScale());
        labels = ticks.Ticks.size();
        benchmark::DoNotOptimize(ticks.Ticks.data());
    }
    state.counters["labels"] = double(labels);
}

void BM_NumericAxisLabels(benchmark::State& state)
{
    TAxisFixture f(0, 36500, false);
    RunLabels(state, f.host.axes.Bottom());
}
BENCHMARK(BM_NumericAxisLabels);

void BM_NumericVerticalAxisLabels(benchmark::State& state)
{
    TAxisFixture f(0, 36500, false);
    RunLabels(state, f.host.axes.Left());
}
BENCHMARK(BM_NumericVerticalAxisLabels);

void BM_DateTimeAxisLabels(benchmark::State& state)
{
    TAxisFixture f(DaysOfDate(QDate(2011, 1, 1)), DaysOfDate(QDate(2011, 12, 31)), true);
    f.host.axes.Bottom().SetDateTimeFormat(QStringLiteral("dd.MM.yyyy"));
    RunLabels(state, f.host.axes.Bottom());
}
BENCHMARK(BM_DateTimeAxisLabels);

void BM_DateTimeAxisMonthLabels(benchmark::State& state)
{
    TAxisFixture f(DaysOfDate(QDate(2011, 1, 1)), DaysOfDate(QDate(2011, 12, 31)), true);
    TChartAxis& axis = f.host.axes.Bottom();
    axis.SetDateTimeFormat(QStringLiteral("dd.MM.yyyy"));
    axis.SetIncrement(30); // calendar months
    RunLabels(state, axis);
}
BENCHMARK(BM_DateTimeAxisMonthLabels);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
