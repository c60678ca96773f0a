// What a yearly goal adds to a full paint of the running total: eight
// years of the bundled samples, the newest cut at the end of May so that it
// is not over and gets a projection, 831 x 553.
//
//   BM_RunningTotalPaint/0   without a goal
//   BM_RunningTotalPaint/1   with the goal line and the projection

#include "qt_benchmark_main.h"

#include "app/view/year_view.h"
#include "app/year/string_items.h"
#include "chart/panel/chart.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

// A sample year's bytes; `lastMonth` keeps its rows up to that month only.
QByteArray SampleYear(const QString& name, int lastMonth = 12)
{
    QFile file(QDir(QStringLiteral(KALDORO_SOURCE_DIR "/samples")).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray kept;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const bool row = line.size() > 8 && line.at(4) != '0' && QByteArray("0123456789").contains(line.at(0));
        if (!row || line.mid(4, 2).toInt() <= lastMonth)
            kept += line + '\n';
    }
    return kept;
}

struct TScene
{
    TChart chart;
    TStringListItems metrics;
    TYearView view{chart, metrics};

    explicit TScene(bool goal)
    {
        chart.resize(831, 553);
        view.SetToday(QDate(2012, 6, 15));
        view.BeginLoad();
        const QStringList names = {"2009.csv", "2010.csv", "2011.csv", "2009.csv", "2010.csv", "2011.csv", "2011.csv"};
        for (const QString& name : names)
            view.ReadYearText(name, SampleYear(name));
        view.ReadYearText(QStringLiteral("2012.csv"), SampleYear(QStringLiteral("2012.csv"), 5));
        view.FinishLoad();
        view.SetGoal(goal ? std::optional<double>(15000) : std::nullopt);
        view.Select(4, 1);
    }
};

void BM_RunningTotalPaint(benchmark::State& state)
{
    TScene scene(state.range(0) != 0);
    for (auto _ : state)
        scene.chart.Repaint();
    state.counters["goalPoints"] = scene.chart.SeriesAt(9).PointCount();
}
BENCHMARK(BM_RunningTotalPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
