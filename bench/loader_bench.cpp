// Loading 19 year files (the bundled samples repeated) through the loader,
// next to a bare line-by-line read of the same files with no parsing.
#include "app/year/line_reader.h"
#include "app/year/string_items.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>

namespace {

QStringList NineteenFiles()
{
    const QDir samples(QStringLiteral(KALDORO_SOURCE_DIR "/samples"));
    const QStringList names = samples.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    QStringList paths;
    for (int i = 0; i < 19 && !names.isEmpty(); ++i)
        paths << samples.filePath(names[i % names.size()]);
    return paths;
}

std::int64_t TotalBytes(const QStringList& paths)
{
    std::int64_t total = 0;
    for (const QString& path : paths)
        total += QFileInfo(path).size();
    return total;
}

void BM_LoadNineteenYears(benchmark::State& state)
{
    const QStringList paths = NineteenFiles();
    TYearStore store;
    TStringListItems metrics;
    TYearFileLoader loader(store, metrics);
    for (auto _ : state) {
        store.ClearYearStore();
        loader.BeginLoad();
        for (const QString& path : paths)
            benchmark::DoNotOptimize(loader.ReadYearFile(path));
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes(paths));
}
BENCHMARK(BM_LoadNineteenYears)->Unit(benchmark::kMicrosecond);

// Reads every file with readFile(path, line), clearing the store as the
// load does, so the baselines differ from the load only in parsing.
template <typename ReadFile>
void ReadNineteenFiles(benchmark::State& state, ReadFile&& readFile)
{
    const QStringList paths = NineteenFiles();
    TYearStore store;
    std::string line;
    for (auto _ : state) {
        store.ClearYearStore();
        for (const QString& path : paths)
            readFile(QFile::encodeName(path), line);
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes(paths));
}

void BM_ReadLinesOnly(benchmark::State& state)
{
    ReadNineteenFiles(state, [](const QByteArray& path, std::string& line) {
        std::FILE* file = std::fopen(path.constData(), "rb");
        if (!file)
            return;
        TLineReader reader(file);
        while (reader.ReadLine(line) != TLineReader::TStatus::End)
            benchmark::DoNotOptimize(line.data());
        std::fclose(file);
    });
}
BENCHMARK(BM_ReadLinesOnly)->Unit(benchmark::kMicrosecond);

// For context: the same read through the standard library's line reader.
void BM_ReadLinesStdGetline(benchmark::State& state)
{
    ReadNineteenFiles(state, [](const QByteArray& path, std::string& line) {
        std::ifstream file(path.toStdString(), std::ios::binary);
        while (std::getline(file, line))
            benchmark::DoNotOptimize(line.data());
    });
}
BENCHMARK(BM_ReadLinesStdGetline)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
