// A change of the season start against a change of the mode list, with 19
// loaded years: each re-evaluates every year and paints the chart.
//
//   BM_SeasonStartChange   1 January <-> 1 October, running total shown
//   BM_ModeListChange      running total <-> monthly running total
//
// The 19 years are the bundled samples with their dates moved to 2005-2023.

#include "qt_benchmark_main.h"
#include "bench/year_chart_scene.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace YearChartScene;

constexpr int Years = 19;
constexpr int FirstYear = 2005;
constexpr int RunningTotal = 4;
constexpr int MonthlyTotal = 5;

// Sample i % 4 with every row of its year dated in FirstYear + i.
QStringList NineteenYearFiles(const QTemporaryDir& folder)
{
    const QStringList samples = EightYearFiles().mid(0, 4);
    QStringList paths;
    for (int i = 0; i < Years; ++i) {
        QFile in(samples[i % samples.size()]);
        if (!in.open(QIODevice::ReadOnly))
            return {};
        const QByteArray from = QFileInfo(in).baseName().toLatin1();
        QByteArray text = in.readAll();
        text.replace("\n" + from, "\n" + QByteArray::number(FirstYear + i));
        const QString path = folder.filePath(QStringLiteral("%1.csv").arg(FirstYear + i));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
            return {};
        paths << path;
    }
    return paths;
}

std::unique_ptr<TYearViewHost> NineteenYearForm(const QTemporaryDir& folder)
{
    auto form = std::make_unique<TYearViewHost>();
    form->LoadFiles(NineteenYearFiles(folder));
    form->Chart()->resize(ChartWidth, ChartHeight);
    Select(*form, RunningTotal, 1);
    form->Chart()->Repaint();
    return form;
}

void BM_SeasonStartChange(benchmark::State& state)
{
    QTemporaryDir folder;
    auto form = NineteenYearForm(folder);
    if (form->View().YearStore().Year(Years) <= 0)
        state.SkipWithError("the 19 years did not load");
    bool october = false;
    for (auto _ : state) {
        october = !october;
        // As the season list does: a new cut of the years, then the chart again.
        form->View().SetSeasonStart(october ? TSeasonStart{10, 1} : TSeasonStart{});
        Select(*form, RunningTotal, 1);
        form->Chart()->Repaint();
    }
}
BENCHMARK(BM_SeasonStartChange)->Unit(benchmark::kMillisecond);

void BM_ModeListChange(benchmark::State& state)
{
    QTemporaryDir folder;
    auto form = NineteenYearForm(folder);
    bool monthly = false;
    for (auto _ : state) {
        monthly = !monthly;
        Select(*form, monthly ? MonthlyTotal : RunningTotal, 1);
        form->Chart()->Repaint();
    }
}
BENCHMARK(BM_ModeListChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
