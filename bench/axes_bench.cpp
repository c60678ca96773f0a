// Label computation runs on every paint: the label step, then the tick list
// with every label text. This measures both for a numeric and a date-time
// axis of 1,000 pixels, with the real font metrics of the chart canvas.

#include "qt_benchmark_main.h"
#include "chart/axes/axis_host.h"
#include "chart/axes/chart_axis_list.h"
#include "chart/axes/date_time_format.h"
#include "chart/axes/number_format.h"
#include "chart/canvas/chart_canvas3d.h"
#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"
#include "chart/series/series_host.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A chart of 1,000 by 1,000 plot pixels with one series.
class BenchHost : public TSeriesHost, public TAxisHost
{
public:
    void Invalidate() override {}
    TRect ChartRect() const override { return {40, 40, 1040, 1040}; }
    TCanvas3D* Canvas() const override { return canvas.get(); }
    const TChartSeriesList& SeriesList() const override { return list; }
    bool View3D() const override { return false; }
    int HighestDepthOrder() const override { return 0; }
    bool IsDestroying() const override { return false; }
    TSeriesAxis* BottomAxis() const override { return &axes.Bottom(); }
    TSeriesAxis* TopAxis() const override { return &axes.Top(); }
    TSeriesAxis* LeftAxis() const override { return &axes.Left(); }
    TSeriesAxis* RightAxis() const override { return &axes.Right(); }
    void AddSeries(TChartSeries& series) override
    {
        list.Add(series);
        series.SetParentChart(this);
    }
    void RemoveSeries(TChartSeries& series) override
    {
        list.Remove(series);
        series.SetParentChart(nullptr);
    }
    void RefreshFromSource(TChartSeries&) override {}
    void CheckDataSource(const TChartSeries&, const TChartSeries&) const override {}
    QString FormatValue(const QString& picture, double value) const override { return FormatNumber(picture, value); }
    bool MouseConsumed() const override { return false; }
    void SetMouseConsumed(bool) override {}
    void SetView3D(bool) override {}
    void SetClipPoints(bool) override {}
    bool DepthOrdering() const override { return false; }
    void SetHighestDepthOrder(int) override {}
    bool AxisShown(const TCustomChartAxis& axis) const override { return axis.Visible(); }
    bool IsLoading() const override { return false; }
    bool IsPrinting() const override { return false; }
    int MaxPointsPerPage() const override { return 0; }
    int Page() const override { return 1; }
    bool ScaleLastPage() const override { return true; }
    TColor ChartColor() const override { return clWhite; }
    int WallSize(TAxisSide) const override { return 0; }
    int DepthWidth() const override { return 0; }
    void CheckAngle(int, const QString&) const override {}
    int WidestPointLabel() const override { return 0; }
    int WidestMarkOfChart() const override { return 0; }
    QString SeriesMarkText(const TChartSeries&, int) const override { return {}; }
    QString LegendSeriesTitle(int) const override { return {}; }
    const TAxisOnGetLabel& GetAxisLabelEvent() const override { return onLabel; }
    const TAxisOnGetNextLabel& GetNextAxisLabelEvent() const override { return onNextLabel; }

    std::unique_ptr<TChartCanvas3D> canvas = std::make_unique<TChartCanvas3D>();
    TChartSeriesList list{this};
    TAxisOnGetLabel onLabel;
    TAxisOnGetNextLabel onNextLabel;
    TChartAxisList axes{this};
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
