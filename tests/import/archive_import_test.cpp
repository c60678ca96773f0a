// Account exports as downloaded: Garmin archives of several summary pages
// with their original files in nested ZIPs, Strava archives of both layouts,
// FIT files beside summaries, and the broken archives and files that must
// each cost one pane line and nothing else.
#include "app/import/fit_workouts.h"
#include "app/import/garmin_summary_page.h"
#include "app/import/import_sources.h"
#include "support/import_fixture.h"
#include "support/temp_files.h"
#include "support/zip_builder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

using ZipBuilder::TMember;

const std::string Fitness = "DI_CONNECT/DI-Connect-Fitness/athlete_";

// 2024-01-01 00:30 local, 23:30 UTC the day before; a road ride given as a
// float; a multisport parent and its swim leg.
const std::string Page0 = R"([{"summarizedActivitiesExport":[
 {"activityId":1,"activityType":"running","startTimeLocal":1704069000000,"beginTimestamp":1704065400000,
  "duration":3600000.0,"distance":1000000.0,"elevationGain":10000.0,"calories":4184.0},
 {"activityId":2,"activityType":{"typeKey":"road_biking"},"startTimeLocal":1.7041E12,"duration":7200000,"distance":5.0E6},
 {"activityId":3,"activityType":"multi_sport","parent":true,"duration":9000000,"distance":9.0E9},
 {"activityId":4,"parentId":3,"activityType":"lap_swimming","startTimeLocal":1704200000000,"duration":1800000,"distance":150000}
]}])";
// Repeats the ride, adds a run in 2023.
const std::string Page1 = R"([{"summarizedActivitiesExport":[
 {"activityId":2,"activityType":{"typeKey":"road_biking"},"startTimeLocal":1.7041E12,"duration":7200000,"distance":5.0E6},
 {"activityId":5,"activityType":"running","startTimeLocal":1690000000000,"duration":1500000,"distance":500000}
]}])";

std::string Data(const char* name)
{
    QFile file(TestData(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

struct TOpened
{
    TExportSet exports;
    std::vector<TSourceFailure> failures;
    TWorkoutList list;
};

TOpened Import(const std::vector<std::pair<QString, std::string>>& files)
{
    TempFiles temp;
    QStringList paths;
    for (const auto& [name, bytes] : files)
        paths << temp.Write(name, bytes);
    TOpened opened;
    opened.failures = ImportSources::Open(paths, [](const TExportFile& f) { return f.DefaultMapping(); },
                                          opened.exports);
    opened.list = opened.exports.Read();
    return opened;
}

double Total(const TWorkoutList& list, TQuantity q)
{
    double sum = 0.0;
    for (const TWorkout& w : list.workouts)
        sum += w.Value(q);
    return sum;
}

TEST(ArchiveImport, CountsEveryGarminPageOnceAndSkipsTheOriginals)
{
    const std::string uploads = ZipBuilder::Zip({{"12345.fit", Data("fit/garmin-fenix-5-run.fit")}});
    const auto opened = Import({{"export.zip", ZipBuilder::Zip({
        {Fitness + "1001_summarizedActivities.json", Page1},
        {"DI_CONNECT/DI-Connect-Uploaded-Files/UploadedFiles_0-_Part1.zip", uploads},
        {Fitness + "0_summarizedActivities.json", Page0},
        {"DI_CONNECT/DI-Connect-Wellness/athlete_sleepData.json", "[]"},
    })}});
    ASSERT_TRUE(opened.failures.empty());
    ASSERT_EQ(opened.list.workouts.size(), 4U);
    EXPECT_DOUBLE_EQ(Total(opened.list, TQuantity::Distance), 10.0 + 50.0 + 1.5 + 5.0);
    EXPECT_DOUBLE_EQ(Total(opened.list, TQuantity::Duration), 3600.0 + 7200.0 + 1800.0 + 1500.0);
    const auto first = std::find_if(opened.list.workouts.begin(), opened.list.workouts.end(),
                                    [](const TWorkout& w) { return w.sport == QStringLiteral("running") && w.year == 2024; });
    ASSERT_NE(first, opened.list.workouts.end());
    EXPECT_EQ(std::tie(first->month, first->day, first->minuteOfDay), std::make_tuple(1, 1, 30));
    EXPECT_DOUBLE_EQ(first->Value(TQuantity::Energy), 1000.0);
    EXPECT_DOUBLE_EQ(first->Value(TQuantity::Climb), 100.0);
    const QString line = opened.list.sourceLines.join(QLatin1Char('\n'));
    for (const char* part : {"(Garmin-Kontoexport): 4 Einheiten gelesen", "1 Einheit auf zwei Seiten",
                             "1 Mehrsport-Einheit über ihre Teile", "1 Originaldatei nicht gezählt"})
        EXPECT_TRUE(line.contains(QString::fromUtf8(part))) << line.toStdString() << " lacks " << part;
}

TEST(ArchiveImport, ReadsBothStravaLayoutsAndNotTheirOriginals)
{
    WithTimeZone("UTC", [] {
        const auto opened = Import({
            {"export_1.zip", ZipBuilder::Zip({
                {"export_1/activities.csv", "id,date,name,type,description,elapsed_time,distance,commute,gear,filename\n"
                                            "7,2014-09-12 16:54:28,Lunch,Ride,,3600,20000.5,false,,activities/7.gpx\n"},
                {"export_1/activities/7.gpx", "<gpx/>"},
            })},
        });
        ASSERT_EQ(opened.list.workouts.size(), 1U);
        const TWorkout& ride = opened.list.workouts[0];
        EXPECT_EQ(std::tie(ride.year, ride.month, ride.day), std::make_tuple(2014, 9, 12));
        EXPECT_DOUBLE_EQ(ride.Value(TQuantity::Duration), 3600.0);
        EXPECT_DOUBLE_EQ(ride.Value(TQuantity::Distance), 20.0005);
        EXPECT_TRUE(opened.list.sourceLines.join(' ').contains(QStringLiteral("1 Originaldatei")));
    });
    const auto real = Import({{"real.zip", Data("strava/export_12345.zip")}});
    EXPECT_EQ(real.list.workouts.size(), 308U);
}

// Unpacked, the same exports are folders: a Strava folder counts its CSV,
// not its originals; a folder of FIT files counts activity sessions only.
TEST(ArchiveImport, ReadsFoldersAsTheirArchives)
{
    TempFiles temp;
    const QString root = QFileInfo(temp.Write(QStringLiteral("note.txt"), std::string("-"))).path();
    QDir(root).mkpath(QStringLiteral("strava/activities"));
    QDir(root).mkpath(QStringLiteral("fit"));
    temp.Write(QStringLiteral("strava/activities/1.fit.gz"), ZipBuilder::Gzip(Data("fit/garmin-fenix-5-run.fit")));
    temp.Write(QStringLiteral("fit/a.fit.gz"), ZipBuilder::Gzip(Data("fit/garmin-fenix-5-run.fit")));
    temp.Write(QStringLiteral("fit/b.fit"), Data("fit/sample_mulitple_header.fit"));
    temp.Write(QStringLiteral("fit/c.fit"), Data("fit/MonitoringFile.fit"));
    temp.Write(QStringLiteral("strava/activities.csv"),
               std::string("id,date,name,type,description,elapsed_time,distance,commute,gear,filename\n"
               "7,2014-09-12 16:54:28,Lunch,Ride,,3600,20000.5,false,,activities/1.fit.gz\n"));
    TExportSet exports;
    const auto failures = ImportSources::Open({root + QStringLiteral("/strava"), root + QStringLiteral("/fit")},
                                              [](const TExportFile& f) { return f.DefaultMapping(); }, exports);
    EXPECT_TRUE(failures.empty());
    const TWorkoutList list = exports.Read();
    EXPECT_EQ(list.workouts.size(), 1U + 1U + 5U);
    const QString lines = list.sourceLines.join(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("1 Originaldatei"))) << lines.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("1 FIT-Datei ohne Einheit"))) << lines.toStdString();
}

TEST(ArchiveImport, AnIdBeyondSixtyFourBitsIsNoId)
{
    const TGarminPage page = GarminSummaryPage::Read(R"([{"summarizedActivitiesExport":[
 {"activityId":4.2E34,"activityType":"running","startTimeLocal":1704069000000},
 {"activityId":-1E19,"activityType":"running","startTimeLocal":1704169000000}]}])");
    ASSERT_EQ(page.entries.size(), 2U);
    for (const TGarminPage::TEntry& entry : page.entries)
        EXPECT_TRUE(!entry.hasId && entry.id == 0);
}

// The FIT file's run is the summary's run 30 s later: counted once, as the
// summary has it; a ride at the same time is another workout.
TEST(ArchiveImport, CountsAWorkoutInAFitFileAndASummaryOnce)
{
    const std::string fit = Data("fit/garmin-fenix-5-run.fit");
    const auto page = [](const TWorkout& w, const char* type) {
        const QDateTime local(QDate(w.year, w.month, w.day), QTime(0, 0).addSecs(w.minuteOfDay * 60 + w.second + 30),
                              QTimeZone::utc());
        return QStringLiteral(R"([{"summarizedActivitiesExport":[{"activityId":9,"activityType":"%1",)"
                              R"("startTimeLocal":%2,"duration":60000,"distance":99900}]}])")
            .arg(QLatin1String(type)).arg(local.toMSecsSinceEpoch()).toStdString();
    };
    WithTimeZone("Europe/Berlin", [&] {
        const TWorkout run = FitWorkouts::Of(FitDecoder::Decode(fit).front()).front();
        const auto same = Import({{"run.fit", fit}, {"a_summarizedActivities.json", page(run, "trail_running")}});
        ASSERT_EQ(same.list.workouts.size(), 1U);
        EXPECT_DOUBLE_EQ(same.list.workouts[0].Value(TQuantity::Distance), 0.999);
        EXPECT_EQ(same.list.report.duplicates, 1);
        const auto other = Import({{"run.fit", fit}, {"a_summarizedActivities.json", page(run, "cycling")}});
        EXPECT_EQ(other.list.workouts.size(), 2U);
    });
}

TEST(ArchiveImport, EachBadThingCostsOneLineAndNothingElse)
{
    std::string wrongCrc = Data("fit/garmin-fenix-5-bike.fit");
    wrongCrc[300] = static_cast<char>(wrongCrc[300] ^ 1);
    const std::string good = ZipBuilder::Zip({{"edge.fit", Data("fit/garmin-edge-820-bike.fit")}});
    std::string noise;
    for (unsigned x = 1; noise.size() < 200000; x = x * 1103515245U + 12345U)
        noise += static_cast<char>('a' + (x >> 16) % 26);
    const std::string bigPage = Page1.substr(0, Page1.size() - 4) + R"(,{"name":")" + noise + "\"}]}]";
    const std::string cut = ZipBuilder::Zip({{Fitness + "0_summarizedActivities.json", Page0},
                                             {Fitness + "1001_summarizedActivities.json", bigPage}});
    struct TCase
    {
        const char* what;
        std::string bytes;
        std::size_t workouts;
        const char* line;
    };
    const TCase cases[] = {
        {"bomb", ZipBuilder::Zip({{Fitness + "0_summarizedActivities.json", Page0},
                                  {Fitness + "1_summarizedActivities.json", std::string(20 << 20, '\0')}}),
         3, "ZIP-Bombe"},
        {"dots", ZipBuilder::Zip({{Fitness + "0_summarizedActivities.json", Page0},
                                  {"../" + Fitness + "1_summarizedActivities.json", Page1}}),
         3, "'..'"},
        {"crc", ZipBuilder::Zip({{"a.fit.gz", ZipBuilder::Gzip(Data("fit/garmin-fenix-5-run.fit"))}, {"b.fit", wrongCrc}}),
         1, "Prüfsumme"},
        {"cut", cut.substr(0, cut.size() / 2), 3, "abgeschnitten"},
        {"encrypted", ZipBuilder::Zip({{Fitness + "0_summarizedActivities.json", Page0}}, "secret"), 0,
         "verschlüsselt"},
        {"no export", R"({"summarizedActivities": []})", 0, "keine Garmin-Zusammenfassung"},
    };
    for (const TCase& c : cases) {
        const auto opened = Import({{"good.zip", good}, {QString::fromLatin1(c.what) + QStringLiteral(".zip"), c.bytes}});
        EXPECT_EQ(opened.list.workouts.size(), 1U + c.workouts) << c.what;
        QStringList lines;
        for (const TSourceFailure& failure : opened.failures)
            lines << failure.why;
        for (const QString& line : opened.list.sourceLines)
            if (line.startsWith(QStringLiteral("    ->")))
                lines << line;
        ASSERT_EQ(lines.size(), 1) << c.what << ": " << lines.join('|').toStdString();
        EXPECT_TRUE(lines[0].contains(QString::fromUtf8(c.line))) << lines[0].toStdString();
    }
}

} // namespace
