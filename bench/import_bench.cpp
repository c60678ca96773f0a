// Importing a generated Strava export of 10 years and 5,000 workouts (about
// 5 MB, rows of a kilobyte as real exports have) to year texts, as the
// command line does: read and recognise the file, read the workouts, keep
// every sport and year, write the year texts. Next to it a bare
// line-by-line read of the same bytes, and the CSV library's own parse of
// them with nothing kept, the floor of any import that splits with it.
#include "app/import/export_set.h"
#include "app/import/import_selection.h"
#include "app/import/imported_years.h"
#include "app/import/workout_reader.h"
#include "app/year/line_reader.h"
#include "support/synthetic_exports.h"

#include <QFile>
#include <csv.h>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

constexpr int Years = 10;
constexpr int WorkoutsPerYear = 500;

// The export written once to a private folder, kept for the whole run.
class TStravaExportFile
{
public:
    TStravaExportFile()
    {
        if (!folder_.isValid())
            throw std::runtime_error("no temporary folder");
        path_ = folder_.filePath(QStringLiteral("activities.csv"));
        const std::string text = SyntheticExports::Strava(Years, WorkoutsPerYear).text;
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(text.data(), qint64(text.size())) != qint64(text.size()))
            throw std::runtime_error("cannot write the export");
        bytes_ = std::int64_t(text.size());
    }

    const QString& Path() const { return path_; }
    std::int64_t Bytes() const { return bytes_; }

private:
    QTemporaryDir folder_;
    QString path_;
    std::int64_t bytes_ = 0;
};

const TStravaExportFile& StravaExport()
{
    static const TStravaExportFile file;
    return file;
}

void BM_ImportStravaExport(benchmark::State& state)
{
    const TStravaExportFile& source = StravaExport();
    std::size_t workouts = 0;
    for (auto _ : state) {
        TExportSet exports;
        TExportFile file = TExportFile::Open(source.Path());
        const TColumnMapping mapping = file.DefaultMapping();
        exports.Add(std::move(file), mapping);
        // Every sport and every year of the export: all rows become year rows.
        TWorkoutList list = exports.Read();
        QStringList sports;
        for (const auto& [sport, count] : ImportSelection::SportCounts(list.workouts))
            sports << sport;
        QList<int> years;
        for (const auto& [year, count] : ImportSelection::YearCounts(list.workouts, sports))
            years << year;
        workouts = list.workouts.size();
        const TImportedYears imported = TImportedYears::Build(exports, std::move(list), sports, years);
        benchmark::DoNotOptimize(imported.texts.size());
    }
    if (workouts != std::size_t(Years * WorkoutsPerYear))
        state.SkipWithError(("read " + std::to_string(workouts) + " workouts").c_str());
    state.counters["workouts"] = double(workouts);
    state.counters["export_bytes"] = double(source.Bytes());
    state.SetBytesProcessed(state.iterations() * source.Bytes());
}
BENCHMARK(BM_ImportStravaExport)->Unit(benchmark::kMillisecond);

// The same bytes read line by line with the program's line reader, no parsing.
void BM_ReadExportLinesOnly(benchmark::State& state)
{
    const TStravaExportFile& source = StravaExport();
    const QByteArray path = QFile::encodeName(source.Path());
    std::string line;
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.constData(), "rb");
        if (!file) {
            state.SkipWithError("cannot open the export");
            break;
        }
        TLineReader reader(file);
        while (reader.ReadLine(line) != TLineReader::TStatus::End)
            benchmark::DoNotOptimize(line.data());
        std::fclose(file);
    }
    state.SetBytesProcessed(state.iterations() * source.Bytes());
}
BENCHMARK(BM_ReadExportLinesOnly)->Unit(benchmark::kMillisecond);

// The CSV library alone over the same bytes: callbacks that only count.
void BM_LibcsvParseOnly(benchmark::State& state)
{
    const std::string text = SyntheticExports::Strava(Years, WorkoutsPerYear).text;
    std::size_t rows = 0;
    for (auto _ : state) {
        csv_parser parser{};
        if (csv_init(&parser, 0) != 0) {
            state.SkipWithError("no parser");
            break;
        }
        rows = 0;
        csv_parse(&parser, text.data(), text.size(), [](void*, std::size_t, void*) {},
                  [](int, void* count) { ++*static_cast<std::size_t*>(count); }, &rows);
        csv_fini(&parser, nullptr, nullptr, &rows);
        csv_free(&parser);
    }
    benchmark::DoNotOptimize(rows);
    state.SetBytesProcessed(state.iterations() * std::int64_t(text.size()));
}
BENCHMARK(BM_LibcsvParseOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
