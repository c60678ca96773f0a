#include "app/window/main_form.h"
#include "app/window/recent_loads.h"
#include "app/window/window_settings.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"
#include "support/temp_files.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

using Kind = TRecentLoad::TKind;

std::unique_ptr<TWindowSettings> SettingsIn(const QString& path)
{
    return std::make_unique<TWindowSettings>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

std::string YearFile(int year)
{
    return "Datum;Zeit;Dauer;Strecke\r\n-;-;[h];[km]\r\nKind;0;1;2;0\r\n" + std::to_string(year)
        + "0315;08:00;01:30:00;45,5;\r\n" + std::to_string(year) + "0320;08:00;00:30:00;10;\r\n";
}

class OneAnswer : public TOpenFileDialog
{
public:
    explicit OneAnswer(QStringList paths) : paths_(std::move(paths)) {}
    std::optional<QStringList> Execute(QWidget*, const QString&) override { return paths_; }

private:
    QStringList paths_;
};

} // namespace

TEST(WindowSettings, ReadsBackWhatItWrote)
{
    TempFiles files;
    const QString path = files.PathOf("settings.ini");
    const TRecentLoads recent({{Kind::Import, {"/a/export.csv", "/a/export(2).csv"}}, {Kind::Load, {"/b/2019.csv"}}});
    {
        const auto written = SettingsIn(path);
        written->SetGeometry(QByteArray("\x01\x00\xff", 3));
        written->SetLastFolder(TDialogFolder::Import, "/a");
        written->SetLastFolder(TDialogFolder::Picture, "/c");
        written->SetEvaluation({3, "Strecke [km]", std::nullopt});
        written->SetHiddenYears({2019, 2012});
        written->SetRecentLoads(recent);
    }
    const auto read = SettingsIn(path);
    EXPECT_EQ(read->Geometry(), QByteArray("\x01\x00\xff", 3));
    EXPECT_EQ(read->LastFolder(TDialogFolder::YearFiles), QString());
    EXPECT_EQ(read->LastFolder(TDialogFolder::Import), "/a");
    EXPECT_EQ(read->LastFolder(TDialogFolder::Picture), "/c");
    EXPECT_EQ(read->Evaluation(), (TRememberedEvaluation{3, "Strecke [km]", std::nullopt}));
    EXPECT_EQ(read->HiddenYears(), (QList<int>{2019, 2012}));
    EXPECT_EQ(read->RecentLoads().Entries(), recent.Entries());
}

TEST(RecentLoads, NewestFirstEachOnceAtMostEight)
{
    const TRecentLoad a{Kind::Load, {"/a.csv"}};
    const TRecentLoad b{Kind::Load, {"/a.csv", "/b.csv"}};
    const TRecentLoad importA{Kind::Import, {"/a.csv"}};
    const struct
    {
        QList<TRecentLoad> added;
        QList<TRecentLoad> expected;
    } cases[] = {
        {{a, b, a}, {a, b}},                   // made again: moves to the front, once
        {{a, importA}, {importA, a}},          // an import of the same file is another entry
        {{a, {Kind::Load, {}}}, {a}},          // a load of nothing is none
    };
    for (const auto& c : cases) {
        TRecentLoads recent;
        for (const TRecentLoad& load : c.added)
            recent.Add(load);
        EXPECT_EQ(recent.Entries(), c.expected);
    }
    TRecentLoads recent;
    for (int i = 0; i < 10; ++i)
        recent.Add({Kind::Load, {QString("/%1.csv").arg(i)}});
    ASSERT_EQ(recent.Entries().size(), TRecentLoads::MaxEntries);
    EXPECT_EQ(recent.Entries().front().files, QStringList{"/9.csv"});
    EXPECT_EQ(recent.Entries().back().files, QStringList{"/2.csv"});
    // A stored list read back follows the same rules.
    EXPECT_EQ(TRecentLoads({a, b, a}).Entries(), (QList<TRecentLoad>{a, b}));
}

TEST(WindowSettings, ASecondWindowRestoresTheFirstAndReloadsItsLoad)
{
    TempFiles files;
    const QString path = files.PathOf("settings.ini");
    const QStringList years{files.Write("2011.csv", YearFile(2011)), files.Write("2012.csv", YearFile(2012))};
    QString metric;
    {
        TForm1 first(std::make_unique<OneAnswer>(years));
        first.UseSettings(SettingsIn(path));
        first.show();
        first.resize(first.minimumWidth(), 700);
        first.LOAD_JData()->click();
        first.CB_Art()->setCurrentIndex(3);
        first.CB_Wahl()->setCurrentIndex(1);
        metric = first.CB_Wahl()->currentText();
        first.LBox()->setCurrentRow(1); // hides 2012
        first.LBoxClick();
        first.close();
    }
    TForm1 second;
    second.UseSettings(SettingsIn(path));
    EXPECT_EQ(second.height(), 700);
    EXPECT_EQ(second.CB_Art()->currentIndex(), 3);
    QMenu* menu = second.RecentButton()->menu();
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 1);
    menu->actions().front()->trigger();
    EXPECT_EQ(second.MemoLines(), years);
    EXPECT_EQ(second.CB_Wahl()->currentText(), metric);
    EXPECT_TRUE(second.DrawnYears().IsDrawn(0));
    EXPECT_FALSE(second.DrawnYears().IsDrawn(1));
}

// The season list: a common start picked, another day typed, 29 February
// refused; the start comes back in the next window.
TEST(WindowSettings, SeasonStartPickedTypedRefusedAndRemembered)
{
    TempFiles files;
    const QString path = files.PathOf("settings.ini");
    const QStringList years{files.Write("2011.csv", YearFile(2011)), files.Write("2012.csv", YearFile(2012))};
    {
        TForm1 form;
        form.UseSettings(SettingsIn(path));
        form.LoadFiles(years);
        QComboBox* season = form.CB_Saison();
        season->setCurrentIndex(2);
        emit season->activated(2);
        EXPECT_EQ(form.LBox()->count(), 3); // 2010/11, 2011/12, 2012/13
        EXPECT_EQ(form.Chart()->SeriesAt(2).Title(), QStringLiteral("2011/12"));
        season->setEditText(QStringLiteral("29.02."));
        form.SeasonEdited();
        EXPECT_EQ(form.View().SeasonStart(), (TSeasonStart{10, 1}));
        EXPECT_TRUE(form.PaneStatus()->text().contains(QStringLiteral("29.02.")));
        season->setEditText(QStringLiteral("15.3."));
        form.SeasonEdited();
        EXPECT_EQ(form.Chart()->SeriesAt(1).Title(), QStringLiteral("2010/11"));
        EXPECT_EQ(season->currentText(), QStringLiteral("15. März"));
    }
    TForm1 second;
    second.UseSettings(SettingsIn(path));
    EXPECT_EQ(second.View().SeasonStart(), (TSeasonStart{3, 15}));
}
