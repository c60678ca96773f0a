// Mouse handling of the main window's year chart: eight years of the
// bundled samples, 831 x 553, real Qt events sent to the shown chart and
// the repaint they ask for handled before the clock stops.
//
//   BM_RubberBandMove   a mouse move while a zoom rectangle is dragged:
//                       the band's outline is repainted from the buffer
//   BM_PanningStep      a right-button drag step: new limits and a paint
//   BM_WheelNotch       one wheel notch: new limits and a paint
//   BM_ZoomRelease      releasing a zoom rectangle: the zoom and its paint
//
// Steps go back and forth, so that every iteration sees the same chart.

#include "qt_benchmark_main.h"
#include "bench/year_chart_scene.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

namespace {

using namespace YearChartScene;

// "Wertemäßig sortiert", the second metric.
constexpr int Mode = 1;
constexpr int Metric = 1;

std::unique_ptr<TYearViewHost> ShownForm()
{
    auto form = LoadedForm();
    form->Chart()->show();
    Select(*form, Mode, Metric);
    QApplication::processEvents();
    return form;
}

void Send(TChart& chart, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
{
    QMouseEvent event(type, at, chart.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
    // Handles the update the event asked for: the paint and the copy to
    // the window.
    QApplication::processEvents();
}

void Wheel(TChart& chart, int delta, QPoint at)
{
    QWheelEvent event(at, chart.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(&chart, &event);
    QApplication::processEvents();
}

void BM_RubberBandMove(benchmark::State& state)
{
    auto form = ShownForm();
    TChart& chart = *form->Chart();
    Send(chart, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {200, 150});
    bool out = false;
    for (auto _ : state) {
        out = !out;
        Send(chart, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {out ? 420 : 400, 350});
    }
    Send(chart, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {200, 150});
}
BENCHMARK(BM_RubberBandMove)->Unit(benchmark::kMicrosecond);

void BM_PanningStep(benchmark::State& state)
{
    auto form = ShownForm();
    TChart& chart = *form->Chart();
    Send(chart, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {400, 300});
    bool out = false;
    for (auto _ : state) {
        out = !out;
        Send(chart, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, out ? QPoint(420, 290) : QPoint(400, 300));
    }
    Send(chart, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {400, 300});
}
BENCHMARK(BM_PanningStep)->Unit(benchmark::kMicrosecond);

void BM_WheelNotch(benchmark::State& state)
{
    auto form = ShownForm();
    TChart& chart = *form->Chart();
    bool down = false;
    for (auto _ : state) {
        down = !down;
        Wheel(chart, down ? -120 : 120, {400, 300});
    }
}
BENCHMARK(BM_WheelNotch)->Unit(benchmark::kMicrosecond);

void BM_ZoomRelease(benchmark::State& state)
{
    auto form = ShownForm();
    TChart& chart = *form->Chart();
    for (auto _ : state) {
        state.PauseTiming();
        chart.UndoZoom();
        chart.Repaint();
        Send(chart, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {200, 150});
        Send(chart, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {500, 400});
        state.ResumeTiming();
        Send(chart, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {500, 400});
    }
    if (!chart.Zoomed())
        state.SkipWithError("the release did not zoom");
}
BENCHMARK(BM_ZoomRelease)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
