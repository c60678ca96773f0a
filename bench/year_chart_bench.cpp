// Paint and evaluation times of the main window's year-comparison chart:
// eight years of the bundled samples, 831 x 553.
//
//   BM_YearChartFullPaint       lay out and draw everything (Repaint)
//   BM_YearChartDrawToImage     the same drawing into a caller's image
//   BM_YearChartBufferedRepaint a paint event with nothing changed: the
//                               widget's paint path copies its buffer
//   BM_YearChartBufferCopy      the buffer copy alone, onto an image
//   BM_CB_WahlChange/<mode>     the list change handler, as it runs
//   BM_CB_WahlChangeAndPaint/<mode>
//                               the handler and the paint that follows it
//                               when the chart is left changed
//
// The counter "paints" is the number of full chart paints per iteration.

#include "qt_benchmark_main.h"
#include "bench/year_chart_scene.h"

#include "chart/canvas/chart_canvas3d.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace YearChartScene;

constexpr int LastMode = 5;
// Metric 1 of each mode's list: the second column of the year files for
// modes 0-3, the second sum for the cumulative modes.
constexpr int Metric = 1;

// Counts the chart's full paints while it lives.
class TPaintCounter
{
public:
    explicit TPaintCounter(TChart& chart) : chart_(chart)
    {
        chart_.OnAfterDraw = [this](TCustomChartPanel&) { ++count_; };
    }
    ~TPaintCounter() { chart_.OnAfterDraw = nullptr; }
    TPaintCounter(const TPaintCounter&) = delete;
    TPaintCounter& operator=(const TPaintCounter&) = delete;

    long Count() const { return count_; }

private:
    TChart& chart_;
    long count_ = 0;
};

std::unique_ptr<TYearViewHost> EvaluatedForm(int mode)
{
    auto form = LoadedForm();
    Select(*form, mode, Metric);
    form->Chart()->Repaint();
    return form;
}

void SetPaintCounters(benchmark::State& state, const TPaintCounter& paints, const TYearViewHost& form)
{
    state.counters["paints"] = benchmark::Counter(double(paints.Count()), benchmark::Counter::kAvgIterations);
    state.counters["points"] = double(CaptureScene(*form.Chart()).PointCount());
}

void BM_YearChartFullPaint(benchmark::State& state)
{
    auto form = EvaluatedForm(0);
    TChart& chart = *form->Chart();
    const TPaintCounter paints(chart);
    for (auto _ : state)
        chart.Repaint();
    SetPaintCounters(state, paints, *form);
    SavePicture(static_cast<TChartCanvas3D*>(chart.Canvas())->Buffer(), QStringLiteral("year_chart_mode0"));
}
BENCHMARK(BM_YearChartFullPaint)->Unit(benchmark::kMillisecond);

void BM_YearChartDrawToImage(benchmark::State& state)
{
    auto form = EvaluatedForm(0);
    TChart& chart = *form->Chart();
    QImage image(ChartWidth, ChartHeight, QImage::Format_RGB32);
    for (auto _ : state)
        chart.DrawToImage(image);
}
BENCHMARK(BM_YearChartDrawToImage)->Unit(benchmark::kMillisecond);

// QWidget::render sends the chart a real paint event, redirected to the
// image; with a clean buffer the chart only copies it.
void BM_YearChartBufferedRepaint(benchmark::State& state)
{
    auto form = EvaluatedForm(0);
    TChart& chart = *form->Chart();
    QImage image(ChartWidth, ChartHeight, QImage::Format_RGB32);
    // The first render delivers the hidden chart's pending resize event,
    // which drops the buffer, and paints it anew.
    chart.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    const TPaintCounter paints(chart);
    for (auto _ : state)
        chart.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    if (paints.Count() != 0)
        state.SkipWithError("the paint event drew the chart instead of copying its buffer");
    SetPaintCounters(state, paints, *form);
}
BENCHMARK(BM_YearChartBufferedRepaint)->Unit(benchmark::kMillisecond);

void BM_YearChartBufferCopy(benchmark::State& state)
{
    auto form = EvaluatedForm(0);
    TChart& chart = *form->Chart();
    auto& canvas = static_cast<TChartCanvas3D&>(*chart.Canvas());
    QImage window(ChartWidth, ChartHeight, QImage::Format_RGB32);
    QPaintDevice* const widget = canvas.Window();
    canvas.SetWindow(&window);
    for (auto _ : state) {
        if (!canvas.RepaintFromBuffer(window.rect())) {
            state.SkipWithError("buffer not valid");
            break;
        }
    }
    canvas.SetWindow(widget);
}
BENCHMARK(BM_YearChartBufferCopy)->Unit(benchmark::kMillisecond);

// One list change: the same choice again, evaluated and bound anew.
void BM_ListChange(benchmark::State& state)
{
    const int mode = int(state.range(0));
    auto form = EvaluatedForm(mode);
    const TPaintCounter paints(*form->Chart());
    for (auto _ : state)
        Select(*form, mode, Metric);
    SetPaintCounters(state, paints, *form);
}
BENCHMARK(BM_ListChange)->DenseRange(0, LastMode)->Unit(benchmark::kMillisecond);

// On screen the event loop paints a chart the change left changed; the
// chart here is hidden, so that paint is made explicitly.
void BM_ListChangeAndPaint(benchmark::State& state)
{
    const int mode = int(state.range(0));
    auto form = EvaluatedForm(mode);
    TChart& chart = *form->Chart();
    const TPaintCounter paints(chart);
    for (auto _ : state) {
        Select(*form, mode, Metric);
        if (chart.Canvas()->IsDirty())
            chart.Repaint();
    }
    SetPaintCounters(state, paints, *form);
}
BENCHMARK(BM_ListChangeAndPaint)->DenseRange(0, LastMode)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
