// The year comparison under the pointer: eight years of the bundled
// samples, mode 4, the chart shown at 831 x 553, real Qt mouse moves without
// a button sent to it and the repaint they ask for handled before the clock
// stops.
//
//   BM_HoverMoveNewDay   a move to another day: the box is computed for the
//                        day, the line and box redrawn over the buffer copy
//   BM_HoverMoveSameDay  a move along the line: the box moves, its rows stay
//
// Steps go back and forth, so that every iteration sees the same chart.
// Run with --benchmark_repetitions=9 and read the median.

#include "qt_benchmark_main.h"
#include "bench/year_chart_scene.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

using namespace YearChartScene;

constexpr int Mode = 4;   // "Werte kumulierte"
constexpr int Metric = 1; // distance

std::unique_ptr<TYearViewHost> ShownForm()
{
    auto form = LoadedForm();
    form->Chart()->show();
    // Showing lays the window out; the chart goes back to the benchmark size.
    form->Chart()->resize(ChartWidth, ChartHeight);
    Select(*form, Mode, Metric);
    form->Chart()->Repaint();
    QApplication::processEvents();
    return form;
}

void Move(TChart& chart, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
    QApplication::processEvents();
}

void RunMoves(benchmark::State& state, QPoint a, QPoint b)
{
    auto form = ShownForm();
    TChart& chart = *form->Chart();
    Move(chart, a);
    bool there = false;
    for (auto _ : state) {
        there = !there;
        Move(chart, there ? b : a);
    }
    if (!chart.HoverOverlay().Visible() || chart.HoverOverlay().Content()->Rows.size() != std::size_t(YearCount))
        state.SkipWithError("no box with eight years");
    if (chart.Canvas()->IsDirty())
        state.SkipWithError("the hover repainted the chart");
}

void BM_HoverMoveNewDay(benchmark::State& state) { RunMoves(state, {400, 250}, {410, 250}); }
BENCHMARK(BM_HoverMoveNewDay)->Unit(benchmark::kMicrosecond);

void BM_HoverMoveSameDay(benchmark::State& state) { RunMoves(state, {400, 250}, {400, 260}); }
BENCHMARK(BM_HoverMoveSameDay)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
