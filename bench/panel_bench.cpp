// Paint times of the chart control: a chart of the main window's size with
// eight series of one year each, painted in full and repainted from its
// buffer.

#include "qt_benchmark_main.h"
#include "chart/canvas/chart_canvas3d.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

// Each point a filled 3 x 3 square in the series' colour.
class TSquareSeries : public TChartSeries
{
public:
    void HorizontalMargins(int& left, int& right) const override { left = right = 2; }
    void VerticalMargins(int& top, int& bottom) const override { top = bottom = 2; }
    void DrawPoint(const TSeriesPaint& paint, int index) override
    {
        TCanvas3D& canvas = paint.Canvas;
        canvas.Brush().Color = SeriesColor();
        canvas.Brush().Style = bsSolid;
        const auto [x, y] = PointPixelIn(paint, index);
        canvas.FillRect({x - 1, y - 1, x + 2, y + 2});
    }
};

// The program's chart: 831 x 553, 2D, grey, title, black grid, 8 x 365 points.
std::unique_ptr<TChart> YearChart()
{
    auto chart = std::make_unique<TChart>();
    chart->resize(831, 553);
    chart->SetView3D(false);
    chart->SetColor(clGray);
    chart->Title().SetText({QStringLiteral("Dauer    [Std]")});
    chart->LeftAxis()->Grid().SetColor(clBlack);
    chart->BottomAxis()->Grid().SetColor(clBlack);
    chart->TopAxis()->SetVisible(false);
    chart->RightAxis()->SetVisible(false);
    for (int year = 0; year < 8; ++year) {
        auto series = std::make_unique<TSquareSeries>();
        for (int day = 0; day < 365; ++day)
            series->AddPoint(day + 1, 2 + std::sin(day * 0.05 + year) + year * 0.3);
        chart->AddSeries(std::move(series));
    }
    return chart;
}

void BM_FullPaint(benchmark::State& state)
{
    auto chart = YearChart();
    for (auto _ : state) {
        chart->Canvas()->Invalidate();
        chart->Draw(nullptr, chart->GetRectangle());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMillisecond);

void BM_BufferedRepaint(benchmark::State& state)
{
    auto chart = YearChart();
    QImage window(831, 553, QImage::Format_RGB32);
    auto* canvas = static_cast<TChartCanvas3D*>(chart->Canvas());
    canvas->SetWindow(&window);
    chart->Draw(nullptr, chart->GetRectangle());
    for (auto _ : state) {
        if (!canvas->RepaintFromBuffer(window.rect()))
            state.SkipWithError("buffer not valid");
    }
    canvas->SetWindow(chart.get());
}
BENCHMARK(BM_BufferedRepaint)->Unit(benchmark::kMillisecond);

void BM_DrawToImage(benchmark::State& state)
{
    auto chart = YearChart();
    QImage image(831, 553, QImage::Format_RGB32);
    for (auto _ : state)
        chart->DrawToImage(image);
}
BENCHMARK(BM_DrawToImage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
