// Which chosen files go to the import instead of the year-file loader.
#include "app/import/export_detection.h"

#include "support/synthetic_exports.h"

#include <QDirIterator>

#include <gtest/gtest.h>

using namespace ExportDetection;

namespace {

const QString Source = QStringLiteral(KALDORO_SOURCE_DIR "/");

// A year file whose titles a service's recogniser would accept.
const std::string YearFileWithExportTitles = "Datum;Zeit;Aktivitätstyp;Dauer;Strecke\n-;-;-;[h];[km]\nKind;0;2;3\n"
                                             "20110315;08:00;Lauf;01:30:00;12,5;\n";

} // namespace

TEST(ExportDetection, TellsExportsFromYearFilesByTheirStart)
{
    const struct { const char* what; std::string head; const char* service; } cases[] = {
        {"Strava", SyntheticExports::Strava(1, 5).text, "Strava"},
        {"TrainingPeaks", SyntheticExports::TrainingPeaks(1, 5).text, "TrainingPeaks"},
        {"Runkeeper, semicolons", "Activity Id;Date;Type;Distance (km);Duration\nx1;27.08.2019 19:00;Run;5;00:30:00\n",
         "Runkeeper"},
        {"year file with such titles", YearFileWithExportTitles, ""},
        {"the same, lone CR line ends",
         QByteArray::fromStdString(YearFileWithExportTitles).replace('\n', '\r').toStdString(), ""},
        {"CSV of no known service", "Date,Sport,Km\n2020-01-01,Run,5\n", ""},
        {"binary", std::string("Activity Type,Date,Time\n\0\0\0", 27), ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServiceOf(c.head), QString::fromUtf8(c.service)) << c.what;
}

// Every bundled year file and every broken one stays with the loader; the
// real exports, longer than the part read, go to the import.
TEST(ExportDetection, SplitsALoadIntoYearFilesAndExports)
{
    QStringList yearFiles;
    for (const char* folder : {"samples", "tests/data/bad"}) {
        QDirIterator files(Source + QLatin1String(folder), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            yearFiles << files.next();
    }
    ASSERT_GT(yearFiles.size(), 40);
    const QString garmin = Source + QStringLiteral("tests/data/import/garmin/Activities.csv");
    const QString runkeeper = Source + QStringLiteral("tests/data/import/runkeeper/cardioActivities.csv");
    const QString missing = Source + QStringLiteral("no-such-file.csv");
    const TLoadSplit split = TLoadSplit::Of(QStringList{garmin} + yearFiles + QStringList{missing, runkeeper});
    EXPECT_EQ(split.yearFiles, yearFiles + QStringList{missing});
    ASSERT_EQ(split.exports.size(), 2u);
    EXPECT_EQ(split.exports[0].path, garmin);
    EXPECT_EQ(split.exports[0].service, QStringLiteral("Garmin Connect"));
    EXPECT_EQ(split.exports[1].service, QStringLiteral("Runkeeper"));
}
