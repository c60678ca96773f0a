// A run that writes files without the window loads, tells and picks as
// the window does: for every load and every --mode/--metric combination,
// the same pane lines, refusals, titles, points and evaluation state.
#include "app/cli/windowless_chart.h"
#include "app/import/imported_years.h"
#include "app/view/chart_export.h"
#include "app/view/load_pane.h"
#include "app/window/main_form.h"
#include "support/temp_files.h"
#include "support/year_files.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

struct TRecordingPane : TLoadPane
{
    void Line(const QString& text) override { lines << text; }
    QStringList lines;
};

struct TOutcome
{
    QStringList lines;
    QString error;
    QStringList title;
    QString leftTitle;
    QString bottomTitle;
    QByteArray points;
    int mode = 0;
    int column = 0;
    bool goal = false;
    bool operator==(const TOutcome&) const = default;
};

TOutcome OutcomeOf(const TChart& chart, const TEvaluationState& state, QStringList lines, QString error)
{
    return {std::move(lines), std::move(error), chart.Title().Text(), chart.LeftAxis()->Title().Caption(),
            chart.BottomAxis()->Title().Caption(), ChartExport::Csv(chart), state.EvalMode, state.SelectedColumn,
            state.Goal.has_value()};
}

QStringList Samples(const char* folder)
{
    return YearFilesIn(QStringLiteral(KALDORO_SOURCE_DIR "/") + QLatin1String(folder));
}

// Two years of the samples as an import's years, with a note of each kind.
TImportedYears Imported()
{
    TImportedYears imported;
    imported.source = QStringLiteral("export.csv");
    for (const int year : {2010, 2011}) {
        QFile file(QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(year));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        imported.texts[year] = file.readAll().toStdString();
    }
    imported.notes << QStringLiteral("skipped.csv") << QStringLiteral("    -> no workouts.");
    return imported;
}

using TPick = std::pair<std::optional<int>, std::optional<int>>;

} // namespace

TEST(WindowlessChart, LoadsTellsAndPicksAsTheWindow)
{
    const QDate today(2011, 6, 1);
    const std::optional<double> goal = 700.0;
    QStringList withBroken = Samples("samples");
    withBroken << QStringLiteral(KALDORO_SOURCE_DIR "/tests/data/bad/mixed.csv") << QStringLiteral("/no/such.csv");
    // No column of any total: the first chart is the duration's, and a note says it is missing.
    TempFiles files;
    const QString noTotals = files.Write(QStringLiteral("2010.csv"), std::string("Datum;Zeit;Dauer;Strecke\n"
                                                                                 "20100103;12:15;01:21:00;31.2;\n"));
    const std::vector<std::optional<QStringList>> loads = {withBroken, Samples("samples/real/goldencheetah-opendata"),
                                                           QStringList{noTotals}, QStringList(),
                                                           std::nullopt /* the import */};
    const std::vector<TPick> picks = {{{}, {}},  {0, {}}, {1, {}}, {3, {}}, {5, {}}, {{}, 0}, {{}, 3}, {{}, 9},
                                      {0, 1},    {1, 2},  {2, 0},  {4, 2},  {5, 4}, {2, 99}, {7, 0}, {-1, {}}};
    for (const auto& paths : loads)
        for (const auto& [mode, metric] : picks) {
            SCOPED_TRACE(paths ? paths->join(u' ').toStdString() : "import");
            SCOPED_TRACE(testing::Message() << mode.value_or(-9) << " " << metric.value_or(-9));
            TForm1 form;
            QStringList formLines;
            form.OnFilePaneLine = [&](const QString& line) { formLines << line; };
            form.SetToday(today);
            form.SetGoalForRun(goal);
            paths ? form.LoadFiles(*paths) : form.LoadImportedYears(Imported());
            QString error = form.SelectEvaluation(mode, metric);
            const TOutcome expected = OutcomeOf(*form.Chart(), form.EvaluationState(), formLines, error);

            TRecordingPane pane;
            TWindowlessChart chart(pane, today, {}, goal);
            paths ? chart.LoadFiles(*paths) : chart.LoadImportedYears(Imported());
            error = chart.SelectEvaluation(mode, metric);
            EXPECT_EQ(OutcomeOf(chart.Chart(), chart.EvaluationState(), pane.lines, error), expected);
        }
}
