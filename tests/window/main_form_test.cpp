#include "app/view/handler_guard.h"
#include "app/window/application.h"
#include "app/cli/arguments.h"
#include "app/window/main_form.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"
#include "chart/canvas/exception.h"
#include "support/temp_files.h"

#include <stdexcept>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <deque>

namespace {

// Answers the open-file dialog from a queue: a list of paths, or nothing for Cancel.
class ScriptedDialog : public TOpenFileDialog
{
public:
    explicit ScriptedDialog(std::deque<std::optional<QStringList>>& answers) : answers_(answers) {}
    std::optional<QStringList> Execute(QWidget*, const QString& fileName) override
    {
        presets.push_back(fileName);
        auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    std::vector<QString> presets;

private:
    std::deque<std::optional<QStringList>>& answers_;
};

const std::string YearFile = "Datum;Zeit;Dauer;Strecke;HF\r\n-;-;[h];[km];[1/min]\r\nKind;0;1;2;0;3\r\n"
                             "20110315;08:00;01:30:00;45,5;140;\r\n"
    + std::string(230, '#');

class MainFormTest : public ::testing::Test
{
protected:
    MainFormTest()
    {
        auto dialog = std::make_unique<ScriptedDialog>(answers);
        dialogSeen = dialog.get();
        form = std::make_unique<TForm1>(std::move(dialog));
        form->show();
    }

    bool Visible(QWidget* w) const { return w->isVisible(); }

    TempFiles files;
    std::deque<std::optional<QStringList>> answers;
    ScriptedDialog* dialogSeen = nullptr;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainFormTest, StartsWithTheDesignedControls)
{
    // The title's version is the one --version prints.
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Kaldoro     (V %1)").arg(TCommandLine::Version().section(' ', 1)));
    EXPECT_EQ(form->LOAD_JData()->geometry(), QRect(8, 8, 161, 30));
    EXPECT_EQ(form->LOAD_JData()->text(), QStringLiteral("LOAD Jahres Daten"));
    EXPECT_EQ(form->CB_Wahl()->geometry().topLeft(), QPoint(176, 8));
    EXPECT_EQ(form->CB_Art()->geometry().topLeft(), QPoint(392, 8));
    EXPECT_EQ(form->CB_Kum()->geometry().topLeft(), QPoint(600, 8));
    EXPECT_EQ(form->CB_Wahl()->currentText(), QStringLiteral("Jahreswerte "));
    EXPECT_EQ(form->CB_Art()->count(), 6);
    EXPECT_EQ(form->CB_Art()->itemText(1), QStringLiteral("Wertemäßig sortiert "));
    EXPECT_EQ(form->CB_Art()->currentIndex(), 0);
    EXPECT_EQ(form->CB_Kum()->itemText(2), QStringLiteral("Arbeit     [kcal]"));
    EXPECT_EQ(form->CB_Kum()->currentIndex(), 0);
    EXPECT_EQ(form->CB_Wahl()->font().pixelSize(), 15);
    EXPECT_EQ(form->Memo()->font().pixelSize(), 11);
    EXPECT_TRUE(form->Memo()->font().bold());
    EXPECT_EQ(form->Show_DAT()->geometry(), QRect(320, 392, 217, 41));
    EXPECT_EQ(form->LBox()->geometry(), QRect(544, 408, 105, 89));
    EXPECT_EQ(form->Memo1()->toPlainText(), QStringLiteral("Memo1"));
    EXPECT_EQ(form->E_SKA()->text(), QStringLiteral("E_SKA"));
    EXPECT_EQ(form->E_SKA()->palette().color(QPalette::Base), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
    // The file pane keeps the light base colour of text panes, not the form's gray.
    EXPECT_NE(form->Memo()->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(form->Chart()->objectName(), QStringLiteral("Chart"));
    for (QWidget* child : std::initializer_list<QWidget*>{form->E_SKA(), form->Memo1(), form->Show_DAT(), form->LBox()})
        EXPECT_EQ(child->parentWidget(), form->Chart());

    EXPECT_TRUE(Visible(form->LOAD_JData()));
    EXPECT_TRUE(Visible(form->Memo()));
    for (QWidget* hidden : std::initializer_list<QWidget*>{form->CB_Wahl(), form->CB_Kum(), form->CB_Art(),
                                                           form->Chart(), form->Sortlist()})
        EXPECT_FALSE(Visible(hidden));
}

TEST_F(MainFormTest, ResizeKeepsTheMargins)
{
    form->resize(1000, 600);
    // The file pane below the chart, its status line between them.
    EXPECT_EQ(form->Chart()->geometry(), QRect(5, 45, 990, 456));
    EXPECT_EQ(form->PaneStatus()->geometry(), QRect(8, 501, 985, 18));
    EXPECT_EQ(form->Memo()->geometry(), QRect(8, 519, 985, 76));
    // At the smallest size every control of the top row is whole.
    form->resize(400, 200);
    for (const QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->y() < form->Chart()->y())
            EXPECT_TRUE(form->rect().contains(child->geometry())) << child->objectName().toStdString();
    EXPECT_GE(form->Chart()->height(), TForm1::MinChartHeight);
    EXPECT_EQ(form->Memo()->geometry().bottom(), form->height() - 6);
}

TEST_F(MainFormTest, LoadShowsTheListsAndCancelHidesThem)
{
    const QString year = files.Write("2011.csv", YearFile);
    answers = {QStringList{year, year}, std::nullopt};

    form->LOAD_JData()->click();
    EXPECT_EQ(dialogSeen->presets.front(), QStringLiteral("*.csv"));
    EXPECT_EQ(form->MemoLines(), QStringList({year, year}));
    EXPECT_TRUE(Visible(form->CB_Wahl()));
    EXPECT_TRUE(Visible(form->CB_Kum()));
    EXPECT_TRUE(Visible(form->CB_Art()));
    EXPECT_TRUE(Visible(form->Chart()));
    EXPECT_EQ(form->CB_Kum()->x(), form->CB_Wahl()->x());
    // The same file twice fills two slots.
    EXPECT_EQ(form->YearStore().Year(1), 2011.0f);
    EXPECT_EQ(form->YearStore().Year(2), 2011.0f);
    EXPECT_EQ(form->CB_Wahl()->count(), 4);
    EXPECT_EQ(form->CB_Wahl()->itemText(0), QStringLiteral("Strecke [km]"));
    EXPECT_EQ(form->CB_Wahl()->itemText(3), QStringLiteral("Torque [Nm]"));

    form->LOAD_JData()->click(); // cancelled
    EXPECT_TRUE(form->MemoLines().isEmpty());
    EXPECT_FALSE(Visible(form->CB_Wahl()));
    EXPECT_FALSE(Visible(form->CB_Kum()));
    EXPECT_FALSE(Visible(form->CB_Art()));
    EXPECT_FALSE(form->YearStore().IsSlotLoaded(1));
    EXPECT_TRUE(Visible(form->LOAD_JData()));
}

TEST_F(MainFormTest, SecondLoadReplacesTheFirst)
{
    const QString a = files.Write("2011.csv", YearFile);
    std::string other = YearFile;
    other.replace(other.find("2011"), 4, "2012");
    const QString b = files.Write("2012.csv", other);
    answers = {QStringList{a, a}, QStringList{b}};
    form->LOAD_JData()->click();
    form->LOAD_JData()->click();
    EXPECT_EQ(form->MemoLines(), QStringList({b}));
    EXPECT_EQ(form->YearStore().Year(1), 2012.0f);
    EXPECT_FALSE(form->YearStore().IsSlotLoaded(2));
}

TEST_F(MainFormTest, FilePaneSaysWhatWasSkipped)
{
    const QString good = files.Write("2011.csv", YearFile);
    const QString missing = files.PathOf("fehlt.csv");
    QStringList passedOn; // what a run without a window writes to stderr
    form->OnFilePaneLine = [&](const QString& line) { passedOn << line; };
    form->LoadFiles({missing, good});
    const QStringList lines = form->MemoLines();
    EXPECT_EQ(passedOn, lines);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], missing);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("nicht geöffnet"))) << lines[1].toStdString();
    EXPECT_EQ(lines[2], good);
    EXPECT_EQ(form->YearStore().Year(1), 2011.0f);
}

TEST_F(MainFormTest, ATotalTheFilesLackIsZeroAndNamed)
{
    // The reload has no distance column: "Strecke" used to show the first load's column 1.
    form->LoadFiles({files.Write("2011.csv", YearFile)});
    const QString reload = files.Write("2012.csv", std::string("D;Z;Dauer;HF\r\n-;-;[h];[1/min]\r\nKind;0;1;0;0;2\r\n"
                                                               "20120315;08:00;01:30:00;140;\r\n"));
    form->LoadFiles({reload});
    for (int run = 1; run <= 2; ++run) { // one line per evaluation
        ASSERT_TRUE(form->SelectEvaluation(4, 1).isEmpty());
        EXPECT_EQ(form->Chart()->SeriesAt(1).HighestY(), 0.0);
        EXPECT_EQ(form->MemoLines().size(), 1 + run);
        EXPECT_EQ(form->MemoLines().last(), QStringLiteral("Die geladenen Dateien haben keine Spalte für Strecke."));
    }
}

TEST_F(MainFormTest, MoreThanEightYearsAreAnnouncedOnce)
{
    QStringList paths;
    for (int i = 0; i < 9; ++i)
        paths << files.Write(QStringLiteral("y%1.csv").arg(i), YearFile);
    form->LoadFiles(paths);
    const QStringList lines = form->MemoLines();
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.last(), QStringLiteral("9 Jahre geladen: die letzten 8 werden gezeigt, die übrigen über die Legende."));
    form->LoadFiles(paths.mid(0, 8));
    EXPECT_EQ(form->MemoLines().size(), 8);
}

// The window after the samples are loaded; the lists are then changed as a user would.
class EvaluationWindowTest : public MainFormTest
{
protected:
    EvaluationWindowTest()
    {
        QStringList paths;
        for (const char* year : {"2009", "2010", "2011", "2012"})
            paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
        form->LoadFiles(paths);
    }
    TChartSeries& Series(int i) const { return form->Chart()->SeriesAt(i); }
    // Later children are in front of earlier ones.
    bool InFront(QWidget* a, QWidget* b) const
    {
        const auto& order = form->children();
        return order.indexOf(a) > order.indexOf(b);
    }
};

TEST_F(EvaluationWindowTest, MonthlyMeanFillsTheChartAndTightensTheLeftAxis)
{
    form->CB_Wahl()->setCurrentIndex(1); // "Arbeit [kcal]"
    form->CB_Art()->setCurrentIndex(3);  // "Monatsmittel"
    EXPECT_TRUE(form->Chart()->isVisible());
    EXPECT_EQ(form->Chart()->Title().Text(), QStringList({"Arbeit [kcal]"}));
    EXPECT_EQ(form->Chart()->LeftAxis()->Title().Caption(), QStringLiteral("Arbeit [kcal]"));
    EXPECT_EQ(form->Chart()->BottomAxis()->Title().Caption(), QStringLiteral(" "));
    EXPECT_EQ(form->EvaluationState().EvalMode, 3);
    EXPECT_EQ(form->EvaluationState().SelectedColumn, 2);
    EXPECT_EQ(form->EvaluationState().UnitText, QStringLiteral("[kcal]"));
    EXPECT_EQ(Series(0).PointCount(), 13);
    double smallest = 1e300;
    for (int s = 1; s <= 4; ++s) {
        EXPECT_GT(Series(s).PointCount(), 100);
        EXPECT_TRUE(Series(s).ShowInLegend());
        for (int i = 0; i < Series(s).PointCount(); ++i)
            smallest = std::min(smallest, Series(s).PointY(i));
    }
    EXPECT_EQ(Series(1).Title(), QStringLiteral("2009"));
    EXPECT_EQ(Series(5).PointCount(), 0);
    EXPECT_FALSE(Series(5).ShowInLegend());
    EXPECT_EQ(Series(2).SeriesColor(), clLime);
    EXPECT_EQ(form->LBox()->count(), 4);
    EXPECT_EQ(form->LBox()->item(3)->text(), QStringLiteral("2012"));
    EXPECT_TRUE(form->Memo1()->toPlainText().contains(QStringLiteral("\n1;")));

    const TChartAxis& left = *form->Chart()->LeftAxis();
    EXPECT_FALSE(left.Automatic());
    EXPECT_FLOAT_EQ(float(left.Minimum()), float(smallest) * 0.99f);
    EXPECT_GT(left.Maximum(), smallest);
    EXPECT_TRUE(InFront(form->CB_Wahl(), form->CB_Kum()));
    // A reload leaves the entry shown, without its index: it is the one drawn.
    form->LoadFiles({QStringLiteral(KALDORO_SOURCE_DIR "/samples/2011.csv")});
    form->CB_Art()->setCurrentIndex(2);
    EXPECT_EQ(std::pair(form->EvaluationState().EvalMode, form->EvaluationState().SelectedColumn), std::pair(2, 2));
}

TEST_F(EvaluationWindowTest, CumulativeModesBringTheirListForward)
{
    form->CB_Art()->setCurrentIndex(4);
    form->CB_Kum()->setCurrentIndex(0); // the load showed the distance
    EXPECT_TRUE(InFront(form->CB_Kum(), form->CB_Wahl()));
    EXPECT_EQ(form->Chart()->BottomAxis()->Title().Caption(), QStringLiteral("TAGE"));
    EXPECT_TRUE(form->EvaluationState().DurationMetric);
    for (int s = 1; s <= 4; ++s)
        EXPECT_EQ(Series(s).PointCount(), s == 4 ? 366 : 365); // 2012 runs to its 31 December
    EXPECT_TRUE(form->Chart()->LeftAxis()->Automatic());

    // A typed text in the cumulative list names no column: the chart stays.
    form->CB_Kum()->setEditText(QStringLiteral("Watt"));
    EXPECT_EQ(form->EvaluationState().EvalMode, -1);
    EXPECT_EQ(Series(1).PointCount(), 365);
    EXPECT_EQ(form->Chart()->BottomAxis()->Title().Caption(), QStringLiteral(" "));
    form->LoadFiles({QStringLiteral(KALDORO_SOURCE_DIR "/samples/2011.csv")}); // as an import does, too
    EXPECT_TRUE(InFront(form->CB_Kum(), form->CB_Wahl()));
}

TEST_F(EvaluationWindowTest, ReloadHidesTheChartAgain)
{
    form->CB_Art()->setCurrentIndex(1);
    EXPECT_TRUE(form->Chart()->isVisible());
    answers = {std::nullopt};
    form->LOAD_JData()->click();
    EXPECT_FALSE(form->Chart()->isVisible());
    EXPECT_FALSE(form->CB_Art()->isVisible());
}

TEST(CommandLine, FilesOptionsAndErrors)
{
    const auto parsed = TArguments::Parse(
        {"--metric", "2", "a.csv", "--mode", "5", "--export-png", "p.png", "--export-csv", "c.csv", "b.csv"});
    const TCommandLine& full = parsed.commandLine;
    EXPECT_TRUE(parsed.error.isEmpty());
    EXPECT_EQ(full.files, QStringList({"a.csv", "b.csv"}));
    EXPECT_EQ(full.mode, 5);
    EXPECT_EQ(full.metric, 2);
    EXPECT_EQ(full.exportPng, QStringLiteral("p.png"));
    EXPECT_EQ(full.exportCsv, QStringLiteral("c.csv"));
    EXPECT_TRUE(full.Exports());

    EXPECT_FALSE(TArguments::Parse({"a.csv"}).commandLine.Exports());
    EXPECT_EQ(TArguments::Parse({"--", "-odd.csv"}).commandLine.files, QStringList({"-odd.csv"}));
    EXPECT_EQ(TArguments::Parse({"--today", "2024-02-29"}).commandLine.today, QDate(2024, 2, 29));
    for (const QStringList& bad : {QStringList{"--frobnicate"}, QStringList{"--mode", "6"}, QStringList{"--mode", "x"},
                                   QStringList{"--metric", "-1"}, QStringList{"a.csv", "--export-png"},
                                   QStringList{"--export-csv", ""}, QStringList{"--export-png", ""},
                                   QStringList{"--export-svg", "-"},
                                   QStringList{"--today", "2023-02-29"}, QStringList{"--today", "2024-2-9"}})
        EXPECT_FALSE(TArguments::Parse(bad).error.isEmpty()) << bad.join(' ').toStdString();
}

TEST_F(EvaluationWindowTest, CommandLineSelectionRunsTheHandlerOnce)
{
    EXPECT_FALSE(form->SelectEvaluation(6, std::nullopt).isEmpty());
    EXPECT_FALSE(form->SelectEvaluation(4, 5).isEmpty()); // the cumulative list has five entries
    EXPECT_TRUE(form->SelectEvaluation(4, 4).isEmpty());
    EXPECT_EQ(form->CB_Kum()->currentText(), QStringLiteral("TSS"));
    EXPECT_EQ(form->EvaluationState().EvalMode, 4);
    EXPECT_EQ(form->Memo1()->toPlainText(), QStringLiteral("Memo1")); // one run, no report lines in mode 4
    EXPECT_TRUE(form->SelectEvaluation(1, std::nullopt).isEmpty());
    EXPECT_EQ(form->Memo1()->toPlainText().count(QLatin1Char('\n')), 1); // the sorted mode's count line
}

// The goal field is there in the running total only; what it takes is drawn,
// what it refuses is said in the status line and changes nothing.
TEST_F(MainFormTest, GoalFieldDrawsTheGoalOfTheTotalShown)
{
    form->LoadFiles({files.Write("2011.csv", YearFile)});
    ASSERT_EQ(form->CB_Art()->currentIndex(), 4); // a load shows the running total
    ASSERT_TRUE(form->E_Ziel()->isVisible());
    const TChartSeries& goal = form->Chart()->SeriesAt(9);
    for (const char* typed : {"5.000", "abc", "0"}) {
        form->E_Ziel()->setText(QString::fromLatin1(typed));
        form->GoalEdited();
        ASSERT_EQ(goal.PointCount(), 2) << typed;
        EXPECT_EQ(goal.YValues().ValueAt(1), 5000) << typed;
    }
    EXPECT_TRUE(form->PaneStatus()->text().contains(QStringLiteral("\u201E0\u201C"))) << form->PaneStatus()->text().toStdString();
    form->E_Ziel()->clear();
    form->GoalEdited();
    EXPECT_EQ(goal.PointCount(), 0);
    ASSERT_TRUE(form->SelectEvaluation(5, std::nullopt).isEmpty());
    EXPECT_FALSE(form->E_Ziel()->isVisible());
}

// An object whose event handler fails like a handler of the program may.
class Failing : public QObject
{
public:
    int kind = 0;
    bool event(QEvent*) override
    {
        if (kind == 0)
            throw Exception(QStringLiteral("Die Achse ist kaputt"));
        if (kind == 1)
            throw std::runtime_error("disk full");
        throw 42;
    }
};

TEST(Application, EscapingExceptionsAreShownAndTheLoopGoesOn)
{
    auto* app = static_cast<TApplication*>(QCoreApplication::instance());
    std::vector<QString> shown;
    app->OnShowException = [&](const QString& message) { shown.push_back(message); };
    Failing target;
    QEvent event(QEvent::User);
    for (target.kind = 0; target.kind < 3; ++target.kind)
        QCoreApplication::sendEvent(&target, &event);
    // A start that fails is no success: the exit code says so.
    EXPECT_EQ(app->RunGuarded([]() -> int { throw Exception(QStringLiteral("Start")); }), 1);
    // A guarded handler of the window reports the same way.
    GuardHandler([] { throw Exception(QStringLiteral("Griff")); });
    app->OnShowException = nullptr;
    EXPECT_EQ(shown, std::vector<QString>({QStringLiteral("Die Achse ist kaputt"), QStringLiteral("disk full"), QString(),
                                           QStringLiteral("Start"), QStringLiteral("Griff")}));
}

} // namespace
