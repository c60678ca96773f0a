// Real training logs and the bundled samples: every workout row is read, and
// the daily totals add up to the yearly totals the files carry in their
// trailer lines.
#include "app/year/string_items.h"
#include "app/year/year_evaluation.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"
#include "support/year_files.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct TTrailerTotals
{
    int workouts = -1;
    double sums[5] = {}; // Dauer, Strecke, Arbeit, Hoehe, TSS
};

TTrailerTotals ReadTrailer(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    TTrailerTotals totals;
    if (const auto m = QRegularExpression(QStringLiteral("workouts=(\\d+)")).match(text); m.hasMatch())
        totals.workouts = m.captured(1).toInt();
    const char* names[5] = {"Dauer", "Strecke", "Arbeit", "Hoehe", "TSS"};
    for (int i = 0; i < 5; ++i) {
        const auto m = QRegularExpression(QStringLiteral("%1=(-?[0-9.]+)").arg(QLatin1String(names[i]))).match(text);
        totals.sums[i] = m.hasMatch() ? m.captured(1).toDouble() : 0.0;
    }
    return totals;
}

// Loads a folder as one load and checks every year against its trailer.
void CheckFolder(const QString& folder, int cumulativeMetrics)
{
    const QStringList paths = YearFilesIn(folder);
    ASSERT_FALSE(paths.isEmpty()) << folder.toStdString();
    ASSERT_LE(paths.size(), 19);

    TYearStore store;
    TStringListItems metrics;
    TYearFileLoader loader(store, metrics);
    loader.BeginLoad();
    for (int i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i].toStdString());
        const TFileLoadReport report = loader.ReadYearFile(paths[i]);
        EXPECT_FALSE(report.HasFindings());
        ASSERT_EQ(report.slot, i + 1);

        const TTrailerTotals expected = ReadTrailer(paths[i]);
        EXPECT_EQ(report.acceptedRows, expected.workouts);
        EXPECT_EQ(store.Year(report.slot), QFileInfo(paths[i]).baseName().toFloat());
        for (int metric = 0; metric < cumulativeMetrics; ++metric) {
            double sum = 0.0;
            for (int day = 1; day <= TYearStore::MaxDayIndex; ++day)
                sum += store.Cell(report.slot, day, store.SumColumn(metric));
            // The trailer adds the source's unrounded values; rows carry rounded ones.
            EXPECT_NEAR(sum, expected.sums[metric], 0.01 + 1e-4 * std::abs(expected.sums[metric])) << metric;
        }
    }
    // Six titles (fields 3 to 8), then Power/HR and torque.
    EXPECT_EQ(metrics.Count(), 8);
}

TEST(RealData, GoldenCheetahOpenData) { CheckFolder(QStringLiteral(KALDORO_REALDATA_DIR "/goldencheetah-opendata"), 5); }
TEST(RealData, GarminExport) { CheckFolder(QStringLiteral(KALDORO_REALDATA_DIR "/garmin-grunt"), 5); }
TEST(RealData, RunkeeperExport) { CheckFolder(QStringLiteral(KALDORO_REALDATA_DIR "/runkeeper-runningdata-eda"), 5); }

TEST(Samples, BundledYearsLoadCompletely)
{
    const QString folder = QStringLiteral(KALDORO_SOURCE_DIR "/samples");
    const QStringList paths = YearFilesIn(folder);
    ASSERT_EQ(paths.size(), 4);
    TYearStore store;
    TStringListItems metrics;
    TYearFileLoader loader(store, metrics);
    loader.BeginLoad();
    for (int i = 0; i < paths.size(); ++i) {
        const TFileLoadReport report = loader.ReadYearFile(paths[i]);
        EXPECT_FALSE(report.HasFindings());
        const TTrailerTotals expected = ReadTrailer(paths[i]);
        EXPECT_EQ(report.acceptedRows, expected.workouts);
        EXPECT_GE(expected.workouts, 150);
        EXPECT_LE(expected.workouts, 300);
        for (int metric = 0; metric < 5; ++metric) {
            double sum = 0.0;
            for (int day = 1; day <= TYearStore::MaxDayIndex; ++day)
                sum += store.Cell(report.slot, day, store.SumColumn(metric));
            EXPECT_NEAR(sum, expected.sums[metric], 1e-6 * std::abs(expected.sums[metric]) + 1e-3) << metric;
            EXPECT_GT(sum, 0.0) << metric;
            // The running total ends at the same sum: 31 December of 2012 counts.
            const TEvaluation total = EvaluateCumulative(store, store.SumColumn(metric));
            EXPECT_NEAR(total.series[std::size_t(report.slot)].points.back().y, expected.sums[metric],
                        1e-5 * expected.sums[metric]) << metric;
        }
    }
    EXPECT_EQ(metrics.Items(),
              QStringList({"Strecke [km]", "Arbeit [kcal]", "Höhe [m]", "TSS -", "HF [1/min]", "Leistung [W]",
                           "Kadenz [1/min]", "Power/HR", "Torque [Nm]"}));
    // Power/HR and torque land on the last two entries' columns.
    EXPECT_EQ(store.KindOfColumn(5), 5);
    bool anyPowerPerHeartRate = false, anyTorque = false;
    for (int day = 1; day <= 366; ++day) {
        anyPowerPerHeartRate |= store.Cell(1, day, 8) > 0.5f;
        anyTorque |= store.Cell(1, day, 9) != 0.0f;
    }
    EXPECT_TRUE(anyPowerPerHeartRate);
    EXPECT_FALSE(anyTorque); // no torque column (kind 4) in the samples
}

} // namespace
