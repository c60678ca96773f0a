// Every mode on the bundled samples and on real training logs, through the
// window as a user would drive it: the chart is drawn, shows every loaded
// year, and the tightened left axis keeps every plotted value in view.
#include "support/year_view_host.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"
#include "support/year_files.h"

#include <QComboBox>
#include <QDir>

#include <gtest/gtest.h>

namespace {

struct TDataSet
{
    const char* name;
    QString folder;
};

class AllModes : public ::testing::TestWithParam<TDataSet>
{
};

void CheckMode(TYearViewHost& host, int mode, int metric, int years)
{
    SCOPED_TRACE(::testing::Message() << "mode " << mode << ", metric " << metric);
    ASSERT_TRUE(host.SelectEvaluation(mode, metric).isEmpty());
    TChart& chart = *host.Chart();
    chart.Repaint();
    const TChartAxis& left = *chart.LeftAxis();
    for (int s = 1; s <= 8; ++s) {
        const TChartSeries& series = chart.SeriesAt(s);
        EXPECT_EQ(series.ShowInLegend(), s <= years);
        for (int i = 0; i < series.PointCount(); ++i) {
            const double y = series.PointY(i);
            if (mode != 4)
                EXPECT_GT(y, 0.0);
            EXPECT_GE(y, left.Minimum() - 1e-9 * std::abs(y));
            EXPECT_LE(y, left.Maximum() + 1e-9 * std::abs(y));
            if (mode == 1 && i > 0)
                EXPECT_LE(y, series.PointY(i - 1));
        }
        if (mode == 4 && s <= years)
            EXPECT_EQ(series.PointCount(), series.Title().toInt() % 4 == 0 ? 366 : 365);
    }
}

TEST_P(AllModes, DrawEveryYearWithTheValuesInView)
{
    const QStringList files = YearFilesIn(GetParam().folder);
    ASSERT_FALSE(files.isEmpty());
    TYearViewHost host;
    host.SetToday(QDate(2100, 1, 1)); // every year of the logs is over: its total runs to 31 December
    host.LoadFiles(files);
    const int years = std::min<int>(8, static_cast<int>(files.size()));
    for (int mode = 0; mode <= 5; ++mode) {
        const int metrics = UsesTotals(TEvalMode(mode)) ? int(TotalsListEntries().size()) : int(host.Metrics().size());
        for (int metric = 0; metric < metrics; ++metric)
            CheckMode(host, mode, metric, years);
    }
}

INSTANTIATE_TEST_SUITE_P(
    YearFiles, AllModes,
    ::testing::Values(TDataSet{"Samples", QStringLiteral(KALDORO_SOURCE_DIR "/samples")},
                      TDataSet{"GoldenCheetah", QStringLiteral(KALDORO_REALDATA_DIR "/goldencheetah-opendata")},
                      TDataSet{"Garmin", QStringLiteral(KALDORO_REALDATA_DIR "/garmin-grunt")},
                      TDataSet{"Runkeeper", QStringLiteral(KALDORO_REALDATA_DIR "/runkeeper-runningdata-eda")}),
    [](const ::testing::TestParamInfo<TDataSet>& info) { return std::string(info.param.name); });

} // namespace
