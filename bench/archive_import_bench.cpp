// Importing whole account exports, each beside the floor of any import of
// the same bytes:
// - a Garmin export of 4,300 workouts on 5 JSON pages inside a ZIP, against
//   libarchive inflating the pages plus QJsonDocument parsing them;
// - a folder of 400 FIT files (70 activities, 330 monitoring files), against
//   reading the files' bytes.
#include "app/import/archive_reader.h"
#include "app/import/import_sources.h"
#include "support/zip_builder.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr int Pages = 5;
constexpr int WorkoutsPerPage = 860;

std::string Page(int page)
{
    std::string text = R"([{"summarizedActivitiesExport":[)";
    for (int i = 0; i < WorkoutsPerPage; ++i) {
        const long long start = 1262304000000LL + (page * WorkoutsPerPage + i) * 86400000LL;
        text += (i ? "," : "") + std::string(R"({"activityId":)") + std::to_string(page * WorkoutsPerPage + i)
            + R"(,"name":"Morning Run","activityType":{"typeKey":"running","typeId":1},"sportType":"RUNNING",)"
            + R"("startTimeLocal":)" + std::to_string(start) + R"(,"beginTimestamp":)" + std::to_string(start - 3600000)
            + R"(,"startTimeGmt":)" + std::to_string(start - 3600000)
            + R"(,"duration":3612345.6,"elapsedDuration":3700000.0,"movingDuration":3600000.0,"distance":1012345.6,)"
            + R"("elevationGain":12300.0,"elevationLoss":12200.0,"avgSpeed":0.28,"maxSpeed":0.4,"avgHr":148.0,)"
            + R"("maxHr":172.0,"calories":2900.5,"avgRunCadence":84.0,"steps":9800,"lapCount":10,)"
            + R"("locationName":"Somewhere","deviceId":3912345678,"manufacturer":"GARMIN"})";
    }
    return text + "]}]";
}

QString WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw std::runtime_error("cannot write bench data");
    return path;
}

struct TBenchData
{
    QTemporaryDir folder;
    QString garminZip;
    QString fitFolder;
    std::string zipBytes;

    TBenchData()
    {
        std::vector<ZipBuilder::TMember> members;
        for (int p = 0; p < Pages; ++p)
            members.push_back({"DI_CONNECT/DI-Connect-Fitness/a_" + std::to_string(p * 1001) + "_summarizedActivities.json",
                               Page(p)});
        zipBytes = ZipBuilder::Zip(members);
        garminZip = WriteFile(folder.filePath(QStringLiteral("export.zip")), zipBytes);
        fitFolder = folder.filePath(QStringLiteral("fit"));
        QDir().mkpath(fitFolder);
        const QString data = QStringLiteral(KALDORO_SOURCE_DIR "/tests/data/import/fit/");
        const QStringList activities = {"2013-02-06-12-11-14.fit", "2015-10-13-08-43-15.fit", "garmin-fenix-5-run.fit",
                                        "garmin-edge-820-bike.fit", "sample_mulitple_header.fit"};
        for (int i = 0; i < 400; ++i) {
            const QString source = data + (i < 70 ? activities[i % activities.size()] : QStringLiteral("MonitoringFile.fit"));
            QFile::copy(source, fitFolder + QStringLiteral("/%1.fit").arg(i));
        }
    }
};

const TBenchData& Data()
{
    static const TBenchData data;
    return data;
}

std::size_t Import(const QString& path)
{
    TExportSet exports;
    ImportSources::Open({path}, [](const TExportFile& f) { return f.DefaultMapping(); }, exports);
    return exports.Read().workouts.size();
}

void BM_GarminExportImport(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Import(Data().garminZip));
}
BENCHMARK(BM_GarminExportImport)->Unit(benchmark::kMillisecond);

void BM_GarminExportInflateAndParse(benchmark::State& state)
{
    for (auto _ : state) {
        TArchiveReader reader(Data().zipBytes, TArchiveReader::TFormat::Zip);
        QString why;
        while (reader.Next() == TArchiveReader::TStep::Member) {
            const auto bytes = reader.Read(why);
            benchmark::DoNotOptimize(QJsonDocument::fromJson(QByteArray::fromStdString(*bytes)).isArray());
        }
    }
}
BENCHMARK(BM_GarminExportInflateAndParse)->Unit(benchmark::kMillisecond);

void BM_FitFolderImport(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Import(Data().fitFolder));
}
BENCHMARK(BM_FitFolderImport)->Unit(benchmark::kMillisecond);

void BM_FitFolderReadBytes(benchmark::State& state)
{
    for (auto _ : state) {
        qint64 total = 0;
        for (const QFileInfo& info : QDir(Data().fitFolder).entryInfoList(QDir::Files)) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                total += file.readAll().size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_FitFolderReadBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
