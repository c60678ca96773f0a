// Which columns an export is read through, and what reading them keeps:
// guessed, remembered and named columns, translated and shifted headers,
// numbers in the other decimal convention, and exports split into files.
#include "app/import/export_set.h"
#include "app/import/mapping_memory.h"
#include "app/cli/import_run.h"
#include "app/window/user_settings.h"
#include "support/import_fixture.h"
#include "support/temp_files.h"
#include "support/synthetic_exports.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TExportFile FromText(const std::string& text) { return TExportFile::FromBytes(text, QStringLiteral("log.csv")); }

double Total(const TWorkoutList& list, TQuantity q)
{
    double sum = 0.0;
    for (const TWorkout& w : list.workouts)
        sum += w.Value(q);
    return sum;
}

TEST(ImportColumns, GuessesOnlyByNamesThatMeanTheQuantity)
{
    const struct
    {
        const char* text;
        int duration, distance;
    } cases[] = {
        {"Date,Start Time,Duration,Pace (min/km),Distance (km)\n2024-01-02,07:15,1:00:00,5:00,12\n", 2, 4},
        {"Date,Start Time,Pace (min/km)\n2024-01-02,07:15,5:00\n", -1, -1},
        {"Datum;Uhrzeit;Dauer [h];Ø Tempo;Strecke\n02.01.2024;07:15;1,5;5:00;12\n", 2, 4},
        {"Date,Time,km,Avg Speed (km/h)\n2024-01-02,7:15 PM,12,20\n", -1, 2},
        {"When,Time,Total Distance (mi)\n2024-01-02,2024-01-02 07:15,7\n", -1, 2},
    };
    for (const auto& c : cases) {
        const TColumnMapping mapping = FromText(c.text).DefaultMapping();
        EXPECT_EQ(mapping.dateColumn, 0) << c.text;
        EXPECT_EQ(mapping[TQuantity::Duration].column, c.duration) << c.text;
        EXPECT_EQ(mapping[TQuantity::Distance].column, c.distance) << c.text;
    }
}

TEST(ImportColumns, CommandLineUsesTheRememberedAndTheNamedColumns)
{
    // The test main keeps the settings in a temporary folder.
    TempFiles files;
    const QString path = files.Write("log.csv", std::string("Day,Sport,Length,Effort\n2024-05-01,Run,01:00:00,12\n"));
    TColumnMapping chosen = TExportFile::Open(path).DefaultMapping();
    ASSERT_EQ(chosen[TQuantity::Duration].column, -1);
    chosen[TQuantity::Duration] = {2, 1.0};
    const auto settings = UserSettings::Open();
    MappingMemory::Remember(TExportFile::Open(path), chosen, *settings);

    const auto runWith = [&](std::vector<TColumnOverride> columns, QSettings* remembered) {
        TImportCommand command;
        command.files = {path};
        command.columns = std::move(columns);
        TImportedYears imported;
        EXPECT_FALSE(ImportRun::Prepare(command, {}, imported, remembered));
        return imported.texts.count(2024) ? imported.texts.at(2024) : std::string();
    };
    const auto run = [&](std::vector<TColumnOverride> columns) { return runWith(std::move(columns), settings.get()); };
    EXPECT_NE(run({}).find("20240501;00:00;1:00:00;0;"), std::string::npos);
    // Without a remembered choice, the export's own guess.
    EXPECT_NE(runWith({}, nullptr).find("20240501;00:00;0:00:00;0;"), std::string::npos);
    EXPECT_NE(run({{"distance", "Effort"}}).find("20240501;00:00;1:00:00;12.000;"), std::string::npos);
    EXPECT_NE(run({{"duration", ""}}).find("20240501;00:00;0:00:00;0;"), std::string::npos);
}

// A Strava export of an Italian account: translated names, Italian months.
std::string ItalianStrava(int columns, bool trailingComma)
{
    std::string header = SyntheticExports::Strava(1, 1).text;
    QStringList names = QString::fromStdString(header.substr(0, header.find('\n'))).split(QLatin1Char(','));
    names[0] = QStringLiteral("ID attività");
    names[1] = QStringLiteral("Data dell’attività");
    names[3] = QStringLiteral("Tipo attività");
    std::string text = names.mid(0, columns).join(QLatin1Char(',')).toStdString() + (trailingComma ? ",\n" : "\n");
    for (const char* date : {"14 lug 2020, 22:36:55", "3 dic 2021, 07:00:00", "1 gen 2022, 08:15:00"}) {
        std::vector<std::string> cells(std::size_t(columns), "");
        cells[1] = std::string("\"") + date + "\"";
        cells[3] = "Corsa";
        cells[16] = "3600.0";
        cells[17] = "10000.0";
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += (i ? "," : "") + cells[i];
        text += "\n";
    }
    return text;
}

TEST(ImportColumns, TranslatedAndShiftedHeadersKeepEveryRow)
{
    QFile runkeeperFile(TestData("runkeeper/cardioActivities.csv"));
    ASSERT_TRUE(runkeeperFile.open(QIODevice::ReadOnly));
    const std::string runkeeper = runkeeperFile.readAll().toStdString();
    const auto headerPlus = [&](const char* extra) {
        std::string text = runkeeper;
        return text.insert(text.find('\n') - (text[text.find('\n') - 1] == '\r' ? 1 : 0), extra);
    };
    const struct
    {
        const char* name;
        std::string text;
        std::size_t workouts;
    } cases[] = {
        {"Strava, Italian, 92 columns", ItalianStrava(92, false), 3},
        {"Strava, Italian, 94 columns", ItalianStrava(94, false), 3},
        {"Strava, Italian, header ends in a comma", ItalianStrava(94, true), 3},
        {"Runkeeper, header ends in a delimiter", headerPlus(";"), 871},
        {"Runkeeper, re-saved with an unnamed column", headerPlus(";Unnamed: 14"), 871},
    };
    WithTimeZone("UTC", [&] {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            const TExportFile file = FromText(c.text);
            const TWorkoutList list = WorkoutReader::Read(file.Table(), file.DefaultMapping());
            ASSERT_EQ(list.workouts.size(), c.workouts);
            EXPECT_EQ(list.report.shortRows + list.report.unreadableRows + list.report.rowsWithoutDate, 0);
            if (c.workouts == 3)
                EXPECT_EQ((std::array<int, 3>{list.workouts[0].month, list.workouts[1].month, list.workouts[2].year}),
                          (std::array<int, 3>{7, 12, 2022}));
        }
    });
    // A row without a cell the mapping reads is counted, not read as empty.
    const TExportFile cut = FromText("Date,Type,Duration,Distance (km)\n2024-01-02,Running,1:00:00\n");
    EXPECT_EQ(WorkoutReader::Read(cut.Table(), cut.DefaultMapping()).report.shortRows, 1);
}

TEST(ImportColumns, NumbersAreReadAsWrittenOrCounted)
{
    // Decimal points, one decimal comma, and negative amounts.
    const TExportFile file = FromText("Date,Duration,Distance (km),Calories,Climb (m)\n"
                                      "2024-01-01,1:00:00,10.25,500,100\n"
                                      "2024-01-02,0:30:00,\"3,5\",250.5,50\n"
                                      "2024-01-03,-1:00:00,-4.0,-5,-10\n");
    const TWorkoutList list = WorkoutReader::Read(file.Table(), file.DefaultMapping());
    ASSERT_EQ(list.workouts.size(), 3u);
    EXPECT_DOUBLE_EQ(Total(list, TQuantity::Distance), 13.75);
    EXPECT_DOUBLE_EQ(Total(list, TQuantity::Duration), 5400.0);
    EXPECT_DOUBLE_EQ(Total(list, TQuantity::Energy), 750.5);
    EXPECT_DOUBLE_EQ(Total(list, TQuantity::Climb), 150.0);
    EXPECT_EQ(list.report.unreadableValues, 4);
}

TEST(ImportColumns, AWorkoutInTwoFilesOfOneExportCountsOnce)
{
    const std::string header = "Date,Type,Duration,Distance (km)\n";
    TExportSet exports;
    for (const char* rows : {"2024-01-01 07:00:00,Running,1:00:00,10\n2024-01-02 07:00:00,Running,1:00:00,10\n",
                             "2024-01-02 07:00:00,Running,1:00:00,10\n2024-01-02 07:00:00,Cycling,1:00:00,30\n"}) {
        TExportFile file = FromText(header + rows);
        const TColumnMapping mapping = file.DefaultMapping();
        exports.Add(std::move(file), mapping);
    }
    const TWorkoutList list = exports.Read();
    EXPECT_EQ(list.workouts.size(), 3u);
    EXPECT_EQ(list.report.duplicates, 1);
    EXPECT_DOUBLE_EQ(Total(list, TQuantity::Distance), 50.0);
}

} // namespace
