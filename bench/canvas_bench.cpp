// Point markers are the chart's hot path: a year-comparison chart draws
// thousands of small outlined squares. This compares the canvas, which
// fills such squares directly, with the same drawing done by plain
// QPainter calls, and checks that both give the same pixels.

#include "qt_benchmark_main.h"
#include "chart/canvas/chart_canvas3d.h"
#include "chart/canvas/colour.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWidth = 831;
constexpr int kHeight = 553;
constexpr int kMarkers = 3000;
constexpr int kSeries = 8;
constexpr int kHalfSize = 3; // 7 x 7 pixels

constexpr std::array<TColor, kSeries> kColours{clRed, clGreen, clYellow, clBlue, clFuchsia, clTeal, clNavy, clGray};

struct TMarker
{
    int X;
    int Y;
    TColor Colour;
};

// Deterministic positions inside the image, grouped by series as the chart
// draws them (all points of one series, then the next).
std::vector<TMarker> MakeMarkers()
{
    std::vector<TMarker> markers;
    markers.reserve(kMarkers);
    unsigned state = 12345;
    auto next = [&state](int range) {
        state = state * 1103515245u + 12345u;
        return int((state >> 8) % unsigned(range));
    };
    for (int i = 0; i < kMarkers; ++i) {
        const int x = kHalfSize + next(kWidth - 2 * kHalfSize);
        const int y = kHalfSize + next(kHeight - 2 * kHalfSize);
        markers.push_back({x, y, kColours[std::size_t(i * kSeries / kMarkers)]});
    }
    return markers;
}

QImage BlankImage()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void DrawWithCanvas(QImage& image, const std::vector<TMarker>& markers)
{
    TChartCanvas3D canvas;
    canvas.BeginDrawing(&image);
    canvas.Pen() = TCanvasPen{};
    for (const TMarker& m : markers) {
        canvas.Brush().Color = m.Colour;
        canvas.Rectangle(m.X - kHalfSize, m.Y - kHalfSize, m.X + kHalfSize + 1, m.Y + kHalfSize + 1);
    }
    canvas.EndDrawing();
}

void DrawWithQPainter(QImage& image, const std::vector<TMarker>& markers)
{
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    for (const TMarker& m : markers) {
        painter.setBrush(ToQColor(m.Colour));
        painter.drawRect(m.X - kHalfSize, m.Y - kHalfSize, 2 * kHalfSize, 2 * kHalfSize);
    }
}

void BM_CanvasMarkers(benchmark::State& state)
{
    const std::vector<TMarker> markers = MakeMarkers();
    QImage image = BlankImage();
    for (auto _ : state) {
        DrawWithCanvas(image, markers);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kMarkers);
}
BENCHMARK(BM_CanvasMarkers)->Unit(benchmark::kMicrosecond);

void BM_QPainterMarkers(benchmark::State& state)
{
    const std::vector<TMarker> markers = MakeMarkers();
    QImage image = BlankImage();
    for (auto _ : state) {
        DrawWithQPainter(image, markers);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kMarkers);
}
BENCHMARK(BM_QPainterMarkers)->Unit(benchmark::kMicrosecond);

bool SamePixels()
{
    const std::vector<TMarker> markers = MakeMarkers();
    QImage canvas = BlankImage();
    QImage plain = BlankImage();
    DrawWithCanvas(canvas, markers);
    DrawWithQPainter(plain, markers);
    return canvas == plain;
}

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, [] {
        if (!SamePixels()) {
            std::fprintf(stderr, "canvas and QPainter markers differ\n");
            return false;
        }
        std::printf("canvas and QPainter markers: pixel-identical\n");
        return true;
    });
}
