// The year chart painted for sharp screens and pictures: eight years of the
// bundled samples, 831 x 553 logical pixels, drawn into an image with 1 or 2
// device pixels per pixel (a screen at 100 % or 200 %, --scale 1 or 2), and
// written as the three picture files.
//
//   BM_YearChartPaintAtRatio/<ratio>  lay out and draw everything, then copy
//                                      the buffer into the image
//   BM_WritePicture/<format>           0 PNG, 1 SVG, 2 PDF, into memory-backed
//                                      temporary files

#include "qt_benchmark_main.h"
#include "bench/year_chart_scene.h"

#include "app/view/chart_picture.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace YearChartScene;

void BM_YearChartPaintAtRatio(benchmark::State& state)
{
    auto form = LoadedForm();
    Select(*form, 0, 1);
    TChart& chart = *form->Chart();
    const int ratio = int(state.range(0));
    QImage image(ChartWidth * ratio, ChartHeight * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state)
        chart.DrawToImage(image);
    state.counters["device_pixels"] = double(image.width()) * image.height();
    SavePicture(image, QStringLiteral("year_chart_ratio%1").arg(ratio));
}
BENCHMARK(BM_YearChartPaintAtRatio)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_WritePicture(benchmark::State& state)
{
    auto form = LoadedForm();
    Select(*form, 0, 1);
    TChart& chart = *form->Chart();
    const QTemporaryDir dir;
    static const char* const names[] = {"chart.png", "chart.svg", "chart.pdf"};
    const QString path = dir.filePath(QString::fromLatin1(names[state.range(0)]));
    for (auto _ : state)
        if (!ChartPicture::Write(chart, path).isEmpty())
            state.SkipWithError("cannot write the picture");
}
BENCHMARK(BM_WritePicture)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
