// Generated Strava and TrainingPeaks exports: year totals per sport against
// the values the generator wrote, planned rows skipped, and the time-zone
// rule for Strava's UTC dates.
#include "support/import_fixture.h"
#include "support/synthetic_exports.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TTotals
{
    int workouts = 0;
    double seconds = 0.0;
    double km = 0.0;
    double kcal = 0.0;
};

using TBySportAndYear = std::map<std::pair<std::string, int>, TTotals>;

TBySportAndYear TruthTotals(const SyntheticExports::TExport& data)
{
    TBySportAndYear totals;
    for (const auto& row : data.rows) {
        if (row.planned)
            continue;
        TTotals& t = totals[{row.sport, row.year}];
        ++t.workouts;
        t.seconds += double(row.seconds);
        t.km += row.km;
        t.kcal += row.kcal;
    }
    return totals;
}

TBySportAndYear ImportedTotals(const TWorkoutList& list)
{
    TBySportAndYear totals;
    for (const TWorkout& w : list.workouts) {
        TTotals& t = totals[{w.sport.toStdString(), w.year}];
        ++t.workouts;
        t.seconds += w.Value(TQuantity::Duration);
        t.km += w.Value(TQuantity::Distance);
        t.kcal += w.Value(TQuantity::Energy);
    }
    return totals;
}

void ExpectSameTotals(const TBySportAndYear& imported, const TBySportAndYear& truth)
{
    ASSERT_EQ(imported.size(), truth.size());
    for (const auto& [key, t] : truth) {
        SCOPED_TRACE(key.first + " " + std::to_string(key.second));
        const TTotals& i = imported.at(key);
        EXPECT_EQ(i.workouts, t.workouts);
        EXPECT_NEAR(i.seconds, t.seconds, 1e-6 * t.seconds + 1e-6);
        EXPECT_NEAR(i.km, t.km, 1e-9 * t.km + 1e-9);
        EXPECT_NEAR(i.kcal, t.kcal, 1e-9 * t.kcal + 1e-9);
    }
}

struct TSynthetic
{
    const char* name;
    const char* service;
    SyntheticExports::TExport data;
};

TEST(ImportSynthetic, TotalsPerSportAndYearMatchTheRowsWritten)
{
    const TSynthetic cases[] = {
        {"Strava, 94 columns", "Strava", SyntheticExports::Strava(4, 60)},
        {"Strava, 103 columns", "Strava", SyntheticExports::Strava(3, 40, true)},
        {"Strava, re-saved", "Strava", SyntheticExports::Strava(3, 40, false, true)},
        {"TrainingPeaks", "TrainingPeaks", SyntheticExports::TrainingPeaks(4, 60)},
    };
    WithTimeZone("UTC", [&] {
        for (const TSynthetic& c : cases) {
            SCOPED_TRACE(c.name);
            const TExportFile file = TExportFile::FromBytes(c.data.text, QStringLiteral("export.csv"));
            EXPECT_EQ(file.ServiceName(), QLatin1String(c.service));
            const TWorkoutList list = WorkoutReader::Read(file.Table(), file.DefaultMapping());
            EXPECT_EQ(list.report.rowsRead, int(c.data.rows.size()));
            int planned = 0;
            for (const auto& row : c.data.rows)
                planned += row.planned ? 1 : 0;
            EXPECT_EQ(list.report.plannedRows, planned);
            EXPECT_EQ(list.report.unreadableValues + list.report.rowsWithoutDate + list.report.unreadableRows, 0);
            ExpectSameTotals(ImportedTotals(list), TruthTotals(c.data));
        }
    });
}

TEST(ImportSynthetic, YearFilesCarryTheTotalsIntoTheStore)
{
    const auto data = SyntheticExports::Strava(3, 50);
    WithTimeZone("UTC", [&] {
        const TExportFile file = TExportFile::FromBytes(data.text, QStringLiteral("activities.csv"));
        const TWorkoutList list = WorkoutReader::Read(file.Table(), file.DefaultMapping());
        TImportReport report;
        const auto chosen = ImportSelection::Apply(list.workouts, {QStringLiteral("Run")}, {2015, 2016, 2017}, report);
        TImportedStore imported;
        imported.Load(YearTextWriter::YearTexts(chosen.workouts, "Strava"));
        const auto truth = TruthTotals(data);
        ASSERT_EQ(imported.slotOfYear.size(), 3u);
        for (int year = 2015; year <= 2017; ++year) {
            const TTotals& t = truth.at({"Run", year});
            EXPECT_NEAR(imported.Total(year, 0), t.seconds / 3600.0, 1e-3 * t.seconds / 3600.0);
            EXPECT_NEAR(imported.Total(year, 1), t.km, 1e-4 * t.km);
            EXPECT_NEAR(imported.Total(year, 2), t.kcal, 1e-4 * t.kcal + 0.1);
        }
        EXPECT_EQ(report.filteredBySport, int(list.workouts.size() - chosen.workouts.size()));
        // Every loaded column has its kind: the five totals and the means.
        for (int metric = 0; metric < TYearStore::SumMetricCount; ++metric)
            EXPECT_NE(imported.store->SumColumn(metric), TYearStore::NoColumn) << metric;
        EXPECT_EQ(imported.store->KindOfColumn(5), 5);  // heart rate, weighted
        EXPECT_EQ(imported.store->KindOfColumn(6), 14); // power, weighted
        EXPECT_EQ(imported.store->KindOfColumn(8), 13); // mechanical work, its own total
    });
}

TEST(ImportSynthetic, WorkoutsWithoutMeansLeaveEachDaysMeanToTheOthers)
{
    auto workout = [](int day, int hour, double heartRate, double power) {
        TWorkout w{2021, 3, day, hour * 60, QStringLiteral("Run"), {}};
        w.SetValue(TQuantity::Duration, 3600);
        w.SetValue(TQuantity::HeartRate, heartRate);
        w.SetValue(TQuantity::Power, power);
        return w;
    };
    // Day 10: a run with a heart rate, then a session without; day 11 has none at all.
    TImportedStore imported;
    imported.Load(YearTextWriter::YearTexts({workout(10, 8, 150, 0), workout(10, 18, 0, 200), workout(11, 9, 0, 0)},
                                            "test"));
    EXPECT_NEAR(imported.Total(2021, 5), 150.0, 0.01); // not 75
    EXPECT_NEAR(imported.Total(2021, 6), 200.0, 0.01);
}

TEST(ImportSynthetic, NewYearsEveInUtcMinusThreeBelongsToTheOldYear)
{
    std::string text = SyntheticExports::Strava(1, 1).text;
    text = text.substr(0, text.find('\n') + 1);
    std::vector<std::string> cells(94);
    cells[0] = "1";
    cells[1] = "\"Jan 1, 2021, 1:30:00 AM\"";
    cells[2] = "Silvesterlauf";
    cells[3] = "Run";
    cells[16] = "3600.0";
    cells[17] = "10000.0";
    for (std::size_t i = 0; i < cells.size(); ++i)
        text += (i ? "," : "") + cells[i];
    text += "\n";
    const TExportFile file = TExportFile::FromBytes(text, QStringLiteral("activities.csv"));
    const auto yearIn = [&](const char* zone) {
        int year = 0;
        WithTimeZone(zone, [&] {
            const TWorkoutList list = WorkoutReader::Read(file.Table(), file.DefaultMapping());
            ASSERT_EQ(list.workouts.size(), 1u);
            year = list.workouts[0].year * 10000 + list.workouts[0].month * 100 + list.workouts[0].day;
        });
        return year;
    };
    EXPECT_EQ(yearIn("America/Sao_Paulo"), 20201231);
    EXPECT_EQ(yearIn("UTC"), 20210101);
    EXPECT_EQ(yearIn("Asia/Tokyo"), 20210101);
}

TEST(ImportSelection, DefaultsToTheLatestEightYearsOfTheMostFrequentSport)
{
    std::vector<TWorkout> workouts;
    for (int year = 2005; year <= 2025; ++year)
        for (int i = 0; i < 3; ++i)
            workouts.push_back(TWorkout{year, 5, 1 + i, 600, i == 2 ? QStringLiteral("Ride") : QStringLiteral("Run"), {}});
    const QStringList sports = ImportSelection::DefaultSports(workouts);
    EXPECT_EQ(sports, QStringList{QStringLiteral("Run")});
    EXPECT_EQ(ImportSelection::DefaultYears(workouts, sports), (QList<int>{2018, 2019, 2020, 2021, 2022, 2023, 2024, 2025}));

    QList<int> all;
    for (int year = 2000; year <= 2025; ++year)
        all << year;
    TImportReport report;
    const auto chosen = ImportSelection::Apply(workouts, {QStringLiteral("Run"), QStringLiteral("Ride")}, all, report);
    EXPECT_EQ(chosen.leftOutYears, (QList<int>{2005, 2006}));
    EXPECT_EQ(report.yearsBeyondLimit, 6);
    EXPECT_EQ(chosen.workouts.size(), 19u * 3u);
}

} // namespace

TEST(ExportFile, AStrayByteCostsOnlyItsField)
{
    // One byte of a title is no UTF-8: the column names stay as they are.
    const std::string garmin = "\"Tipo de atividade\",\"Data\",\"T\xC3\xADtulo\",\"Dist\xC3\xA2ncia\",\"Tempo\"\n"
                               "\"Corrida\",\"2024-03-01 07:00:00\",\"Caf\xE9\",\"10.5\",\"01:00:00\"\n";
    const TExportFile file = TExportFile::FromBytes(garmin, QStringLiteral("Activities.csv"));
    const TWorkoutList list = WorkoutReader::Read(file.Table(), file.DefaultMapping());
    ASSERT_EQ(list.workouts.size(), 1u);
    EXPECT_EQ(list.workouts[0].Value(TQuantity::Distance), 10.5);
    EXPECT_EQ(file.Table().rows[0].Field(2), "Caf\xC3\xA9");
    EXPECT_EQ(list.report.latin1Fields, 1);
    EXPECT_TRUE(DescribeImportReport(list.report).join(' ').contains(QStringLiteral("als Latin-1 gelesen")));
}

TEST(ExportFile, ReadsBytesThatAreNoUtf8AsLatin1)
{
    const std::string latin1 = "Activity ID,Activity Date,Activity Name,Activity Type\n"
                               "1,\"Jan 1, 2020, 10:00:00 AM\",Lauf am M\xFChlbach,Run\n";
    const TExportFile file = TExportFile::FromBytes(latin1, QStringLiteral("activities.csv"));
    ASSERT_EQ(file.Table().rows.size(), 1u);
    EXPECT_EQ(file.Table().rows[0].Field(2), "Lauf am M\xC3\xBChlbach");
    // Valid UTF-8 stays as it is.
    const TExportFile utf8 = TExportFile::FromBytes(
        "a,b\n\xC3\xA4,\xF0\x9F\x8F\x83\n", QStringLiteral("x.csv"));
    EXPECT_EQ(utf8.Table().rows.at(0).Field(1), "\xF0\x9F\x8F\x83");
}
