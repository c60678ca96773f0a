// Speed of the series' point store: adding points in order and out of
// order, the visible range and the statistics the axes read every paint.

#include "chart/series/chart_series.h"
#include "support/chart_test_host.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace {

// The shared test chart with its axes on pixels 0..1000: the bottom one
// over [xMin, xMax], the left one over [0, 1].
struct BenchHost : TChartTestHost
{
    BenchHost(double xMin, double xMax)
    {
        plot = {0, 0, 1000, 1000};
        for (FakeAxis* axis : {bottom.get(), left.get()})
            axis->end = 1000;
        bottom->min = xMin;
        bottom->max = xMax;
        left->max = 1;
    }
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
        series->CalcVisibleRange(host.plot);
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
