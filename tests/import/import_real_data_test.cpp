// The real Garmin Connect and Runkeeper exports: every workout is imported,
// and the yearly totals match sums made independently of the importer
// (the workout counts of a plain line split, and the totals another tool
// wrote into the trailer lines of the converted year files in samples/real).
#include "support/import_fixture.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct TTrailer
{
    int workouts = -1;
    double hours = 0, km = 0, kcal = 0, climb = 0;
};

TTrailer ReadTrailer(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const auto number = [&](const char* pattern) {
        const auto match = QRegularExpression(QLatin1String(pattern)).match(text);
        return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
    };
    return {int(number("workouts=(\\d+)")), number("Dauer=([0-9.]+)h"), number("Strecke=([0-9.]+)km"),
            number("Arbeit=([0-9.]+)kcal"), number("Hoehe=([0-9.]+)m")};
}

// Workouts per year and sport by a plain split of each line: the sport and
// the date are the first fields and hold no quotes or delimiters.
std::map<std::pair<int, QString>, int> CountLines(const QString& path, char delimiter, int sportField, int dateField,
                                                  bool dayFirst)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::map<std::pair<int, QString>, int> counts;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split(delimiter);
        if (fields.size() <= std::max(sportField, dateField))
            continue;
        const QByteArray date = fields[dateField];
        const int year = (dayFirst ? date.mid(6, 4) : date.left(4)).toInt();
        ++counts[{year, QString::fromUtf8(fields[sportField])}];
    }
    return counts;
}

struct TRealExport
{
    const char* file;
    const char* service;
    const char* converted; // folder below samples/real
    char delimiter;
    int sportField, dateField;
    bool dayFirst;
    int workouts;
    const char* defaultSports; // comma-separated
};

class ImportRealData : public ::testing::TestWithParam<TRealExport>
{
};

TEST_P(ImportRealData, YearTotalsMatchIndependentSums)
{
    const TRealExport& e = GetParam();
    const TExportFile file = TExportFile::Open(TestData(e.file));
    EXPECT_EQ(file.ServiceName(), QLatin1String(e.service));
    const TWorkoutList list = WorkoutReader::Read(file.Table(), file.DefaultMapping());
    ASSERT_EQ(int(list.workouts.size()), e.workouts);
    EXPECT_EQ(list.report.rowsWithoutDate + list.report.unreadableRows + list.report.unreadableValues, 0);

    std::map<std::pair<int, QString>, int> counts;
    for (const TWorkout& w : list.workouts)
        ++counts[{w.year, w.sport}];
    EXPECT_EQ(counts, CountLines(TestData(e.file), e.delimiter, e.sportField, e.dateField, e.dayFirst));
    EXPECT_EQ(ImportSelection::DefaultSports(list.workouts), QString::fromUtf8(e.defaultSports).split(QLatin1Char(',')));

    TImportedStore imported;
    imported.Load(YearTextWriter::YearTexts(list.workouts, "test"));
    for (const auto& [year, slot] : imported.slotOfYear) {
        SCOPED_TRACE(year);
        ASSERT_GT(slot, 0);
        const TTrailer truth =
            ReadTrailer(QStringLiteral(KALDORO_REALDATA_DIR "/%1/%2.csv").arg(QLatin1String(e.converted)).arg(year));
        int workouts = 0;
        for (const auto& [key, n] : counts)
            workouts += key.first == year ? n : 0;
        EXPECT_EQ(workouts, truth.workouts);
        EXPECT_NEAR(imported.Total(year, 0), truth.hours, 0.002 + truth.hours * 1e-5);
        EXPECT_NEAR(imported.Total(year, 1), truth.km, 0.01 + truth.km * 1e-5);
        EXPECT_NEAR(imported.Total(year, 2), truth.kcal, 0.5 + truth.kcal * 1e-5);
        EXPECT_NEAR(imported.Total(year, 3), truth.climb, 0.5 + truth.climb * 1e-5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Exports, ImportRealData,
    ::testing::Values(TRealExport{"garmin/Activities.csv", "Garmin Connect", "garmin-grunt", ',', 0, 1, false, 1131,
                                  "Running,Treadmill Running,Trail Running,Ultra Running"},
                      TRealExport{"runkeeper/cardioActivities.csv", "Runkeeper", "runkeeper-runningdata-eda", ';',
                                  2, 1, true, 871, "Running"}));

} // namespace
