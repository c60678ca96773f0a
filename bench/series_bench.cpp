// Speed of the series' point store: adding points in order and out of
// order, the visible range and the statistics the axes read every paint.

#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"
#include "chart/series/series_host.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace {

// A linear horizontal or vertical axis over [min, max] on pixels 0..1000.
class BenchAxis : public TSeriesAxis
{
public:
    BenchAxis(bool horizontal, double min, double max) : horizontal_(horizontal), min_(min), max_(max) {}
    bool Horizontal() const override { return horizontal_; }
    bool Inverted() const override { return false; }
    bool Logarithmic() const override { return false; }
    int ValueToPixel(double v) const override { return int((v - min_) * 1000 / (max_ - min_)); }
    double PixelToValue(int p) const override { return min_ + p * (max_ - min_) / 1000; }
    int PixelStart() const override { return 0; }
    int PixelEnd() const override { return 1000; }
    QString LabelValue(double value) const override { return QString::number(value); }

private:
    bool horizontal_;
    double min_, max_;
};

class BenchHost : public TSeriesHost
{
public:
    BenchHost(double xMin, double xMax)
        : bottom_(std::make_unique<BenchAxis>(true, xMin, xMax)),
          left_(std::make_unique<BenchAxis>(false, 0, 1))
    {
    }
    void Invalidate() override {}
    bool IsDestroying() const override { return false; }
    TRect ChartRect() const override { return {0, 0, 1000, 1000}; }
    TSeriesAxis* BottomAxis() const override { return bottom_.get(); }
    TSeriesAxis* TopAxis() const override { return bottom_.get(); }
    TSeriesAxis* LeftAxis() const override { return left_.get(); }
    TSeriesAxis* RightAxis() const override { return left_.get(); }
    TCanvas3D* Canvas() const override { return nullptr; }
    void AddSeries(TChartSeries& s) override { list_.Add(s); }
    void RemoveSeries(TChartSeries& s) override { list_.Remove(s); }
    const TChartSeriesList& SeriesList() const override { return list_; }
    void RefreshFromSource(TChartSeries&) override {}
    void CheckDataSource(const TChartSeries&, const TChartSeries&) const override {}
    QString FormatValue(const QString&, double value) const override { return QString::number(value); }
    TColor ChartColor() const override { return clWhite; }
    bool MouseConsumed() const override { return false; }
    void SetMouseConsumed(bool) override {}
    bool View3D() const override { return false; }
    void SetView3D(bool) override {}
    void SetClipPoints(bool) override {}
    bool DepthOrdering() const override { return false; }
    int HighestDepthOrder() const override { return 0; }
    void SetHighestDepthOrder(int) override {}

private:
    std::unique_ptr<BenchAxis> bottom_;
    std::unique_ptr<BenchAxis> left_;
    TChartSeriesList list_{this};
};

void SetPerPoint(benchmark::State& state, std::int64_t points)
{
    state.SetItemsProcessed(state.iterations() * points);
    // Seconds per point (shown with an SI prefix, e.g. "12n" = 12 ns).
    state.counters["per_point"] = benchmark::Counter(double(points),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_AddPointsAscending(benchmark::State& state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        TChartSeries series;
        for (int i = 0; i < n; ++i)
            series.AddPoint(i, i % 97, QString(), clDefault);
        benchmark::DoNotOptimize(series.PointCount());
    }
    SetPerPoint(state, n);
}
BENCHMARK(BM_AddPointsAscending)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_AddPointsRandomOrder(benchmark::State& state)
{
    const int n = int(state.range(0));
    std::vector<int> xs(static_cast<std::size_t>(n));
    std::iota(xs.begin(), xs.end(), 0);
    std::shuffle(xs.begin(), xs.end(), std::mt19937(7));
    for (auto _ : state) {
        TChartSeries series;
        for (int x : xs)
            series.AddPoint(x, x % 97, QString(), clDefault);
        benchmark::DoNotOptimize(series.PointCount());
    }
    SetPerPoint(state, n);
}
BENCHMARK(BM_AddPointsRandomOrder)->Arg(1'000)->Arg(10'000)->Arg(30'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

constexpr int kBigSeries = 1'000'000;

std::unique_ptr<TChartSeries> MakeBigSeries()
{
    auto series = std::make_unique<TChartSeries>();
    for (int i = 0; i < kBigSeries; ++i)
        series->AddPoint(i, double((std::int64_t(i) * 7919) % 1000), QString(), clDefault);
    return series;
}

// The visible window covers the middle half of the X range.
void BM_CalcVisibleRange(benchmark::State& state)
{
    BenchHost host(kBigSeries * 0.25, kBigSeries * 0.75);
    auto series = MakeBigSeries();
    series->SetParentChart(&host);
    for (auto _ : state) {
        series->CalcVisibleRange();
        benchmark::DoNotOptimize(series->LastVisible());
    }
    SetPerPoint(state, kBigSeries);
    series->SetParentChart(nullptr);
}
BENCHMARK(BM_CalcVisibleRange)->Unit(benchmark::kMillisecond);

// What an axis pays after a change: X and Y statistics recomputed.
void BM_RecalcStatistics(benchmark::State& state)
{
    auto series = MakeBigSeries();
    series->YValues().SetMultiplier(state.range(0) ? 1.5 : 1.0);
    for (auto _ : state) {
        series->XValues().RecalcStatistics();
        series->YValues().RecalcStatistics();
        benchmark::DoNotOptimize(series->LowestX() + series->HighestX() + series->LowestY() + series->HighestY());
    }
    SetPerPoint(state, kBigSeries);
}
BENCHMARK(BM_RecalcStatistics)->ArgName("scaled")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What an axis pays on every further read without a change: the cache.
void BM_CachedExtremes(benchmark::State& state)
{
    auto series = MakeBigSeries();
    for (auto _ : state)
        benchmark::DoNotOptimize(series->LowestX() + series->HighestX() + series->LowestY() + series->HighestY());
}
BENCHMARK(BM_CachedExtremes);

} // namespace

BENCHMARK_MAIN();
