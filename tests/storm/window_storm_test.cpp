// The main window under a storm of random input. KALDORO_STORM_EVENTS and
// KALDORO_STORM_START choose the length and the start value of the random
// numbers (tests/storm.sh runs a long one); the start value is printed so
// that a failing storm can be replayed.
#include "app/window/application.h"
#include "app/window/main_form.h"
#include "app/view/series_csv.h"
#include "chart/panel/chart.h"
#include "storm/storm_dialog.h"
#include "storm/storm_files.h"
#include "storm/window_storm.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

unsigned EnvNumber(const char* name, unsigned fallback)
{
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

const QStringList Samples = {
    QStringLiteral(KALDORO_SOURCE_DIR "/samples/2009.csv"), QStringLiteral(KALDORO_SOURCE_DIR "/samples/2010.csv"),
    QStringLiteral(KALDORO_SOURCE_DIR "/samples/2011.csv"), QStringLiteral(KALDORO_SOURCE_DIR "/samples/2012.csv")};

// The series of every mode and of the first metrics, after a load of the samples.
std::vector<QByteArray> EvaluationsOf(TForm1& form)
{
    form.LoadFiles(Samples);
    std::vector<QByteArray> charts;
    for (int mode = 0; mode < form.CB_Art()->count(); ++mode)
        for (int metric = 0; metric < 3; ++metric) {
            EXPECT_TRUE(form.SelectEvaluation(mode, metric).isEmpty());
            std::vector<const TChartSeries*> series;
            for (int s = 0; s < form.Chart()->SeriesTotal(); ++s)
                series.push_back(&form.Chart()->SeriesAt(s));
            charts.push_back(SeriesCsv(series));
        }
    return charts;
}

} // namespace

TEST(WindowStorm, RandomInputLeavesTheWindowSound)
{
    const int events = int(EnvNumber("KALDORO_STORM_EVENTS", 2000));
    const unsigned start = EnvNumber("KALDORO_STORM_START", 20261208);
    std::printf("storm: %d events, start %u (KALDORO_STORM_EVENTS, KALDORO_STORM_START)\n", events, start);
    std::fflush(stdout);

    // The import remembers column choices; not in the user's settings.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    std::vector<QString> reports;
    auto* app = static_cast<TApplication*>(QCoreApplication::instance());
    app->OnShowException = [&reports](const QString& message) { reports.push_back(message); };

    std::mt19937 random(start);
    const TStormFiles files(random);
    auto dialog = std::make_unique<TStormDialog>(files, random);
    TStormDialog& answers = *dialog;
    TForm1 form(std::move(dialog));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TWindowStorm storm(form, answers, random);
    QElapsedTimer clock;
    clock.start();
    storm.Run(events);
    std::printf("storm: %lld ms, %d dialog answers, %zu reports\n", clock.elapsed(), answers.Answers(),
                reports.size());
    for (const auto& [kind, count] : storm.Counts())
        std::printf("  %-18s %d\n", qPrintable(kind), count);
    for (const auto& [effect, count] : storm.Effects())
        std::printf("  -> %-18s %d\n", qPrintable(effect), count);
    for (const QString& report : reports)
        std::printf("  report: \"%s\"\n", qPrintable(report));
    app->OnShowException = nullptr;
    EXPECT_TRUE(reports.empty());

    // The window still answers, exactly as a new one does.
    form.resize(TForm1::DesignWidth, TForm1::DesignHeight);
    const std::vector<QByteArray> afterStorm = EvaluationsOf(form);
    // Years hidden in the storm stay hidden whenever they are loaded again.
    TForm1 fresh;
    for (const int year : form.HiddenYears())
        fresh.RememberYearHidden(year, true);
    fresh.show();
    const std::vector<QByteArray> expected = EvaluationsOf(fresh);
    ASSERT_EQ(afterStorm.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(afterStorm[i], expected[i]) << "mode " << i / 3 << ", metric " << i % 3;
}
