// The window in English: no German word left but the user's data, and the
// numbers a person reads in the English form; German again afterwards.
#include "app/import/export_set.h"
#include "app/import/import_sources.h"
#include "app/import/imported_years.h"
#include "app/window/help_window.h"
#include "app/window/import_dialog.h"
#include "app/window/main_form.h"
#include "app/window/season_start_text.h"
#include "app/window/ui_language.h"
#include "app/year/year_goal.h"
#include "chart/axes/number_format.h"
#include "chart/panel/chart.h"
#include "chart/series/custom_series.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "support/import_fixture.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

namespace {

// Every text a person can read on the window's controls.
QStringList ShownTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle(), window.toolTip()};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        texts << child->toolTip() << child->windowTitle();
        if (const auto* button = qobject_cast<const QAbstractButton*>(child))
            texts << button->text();
        if (const auto* label = qobject_cast<const QLabel*>(child))
            texts << label->text();
        if (const auto* edit = qobject_cast<const QLineEdit*>(child))
            texts << edit->placeholderText();
        if (const auto* box = qobject_cast<const QComboBox*>(child); box && child->objectName() != "CB_Language")
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
    }
    return texts;
}

const QRegularExpression GermanWord(QStringLiteral(
    "[äöüÄÖÜß]|\\b(und|oder|nicht|keine?|Jahre?|Jahres|Dateien?|laden|Ziel|Werte|Diagramm|Hilfe|Strg|Summe|Tag|Januar|Saisonbeginn)\\b"));

class EnglishWindow : public ::testing::Test
{
protected:
    EnglishWindow() { UiLanguage::Install(TUiLanguage::English); }
    ~EnglishWindow() override { UiLanguage::Install(TUiLanguage::German); }
};

TEST_F(EnglishWindow, ShowsNoGermanWord)
{
    const TForm1 form;
    THelpWindow help(nullptr);
    QStringList texts = ShownTexts(form) + ShownTexts(help);
    texts << help.Text();
    for (const QString& text : texts)
        EXPECT_FALSE(GermanWord.match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Running total")));
}

// What an import says about a broken export and in its dialog, once English is chosen.
TEST_F(EnglishWindow, SaysWhatAnImportSkippedInEnglish)
{
    TempFiles temp;
    const QStringList paths = {TestData("garmin/Activities.csv"), TestData("fit/garmin-fenix-5-run.fit"),
                               TestData("fit/activity-unexpected-eof.fit"), TestData("fit/MonitoringFile.fit"),
                               temp.Write(QStringLiteral("broken.zip"), std::string("PK\3\4broken"))};
    TExportSet exports;
    QStringList lines;
    for (const TSourceFailure& failure :
         ImportSources::Open(paths, [](const TExportFile& f) { return f.DefaultMapping(); }, exports))
        lines << failure.why;
    const TImportedYears imported = TImportedYears::Build(exports, {QStringLiteral("Treadmill Running")}, {2026});
    lines << imported.notes << imported.YearLine(2026) << ShownTexts(TImportDialog(exports));
    for (const QString& line : lines)
        EXPECT_FALSE(GermanWord.match(line).hasMatch()) << line.toStdString();
    for (const char* english : {"FIT file cut off", "archive damaged", "1 workout read", "2 workouts)"})
        EXPECT_TRUE(lines.join(QLatin1Char('\n')).contains(QLatin1String(english))) << english;
}

// The chart's refusals reach a person through the exception display.
TEST_F(EnglishWindow, ChartRefusesInEnglish)
{
    const TForm1 form;
    TChart& chart = *form.Chart();
    const auto messageOf = [](const auto& refused) {
        try { refused(); } catch (const Exception& error) { return error.Message(); }
        return QString();
    };
    EXPECT_EQ(messageOf([&] { chart.LeftAxis()->SetMinimum(chart.LeftAxis()->Maximum() + 1); }),
              "An axis' minimum must be <= its maximum");
    EXPECT_EQ(messageOf([&] { chart.LeftAxis()->SetLabelsAngle(400); }),
              "The axis label angle must be between 0 and 359 degrees");
    EXPECT_EQ(messageOf([&] { dynamic_cast<TCustomSeries&>(chart.SeriesAt(1)).Pointer().SetHorizSize(0); }),
              "The pointer size must be > 0.");
}

TEST_F(EnglishWindow, WritesNumbersAndDaysTheLanguagesWay)
{
    const struct
    {
        TUiLanguage language;
        const char* goal;
        const char* axisLabel;
        double typed; // ParseYearGoal of goal
        const char* seasonStart; // 1 October
    } cases[] = {
        {TUiLanguage::English, "1,234.5", "2,500", 1234.5, "October 1"},
        {TUiLanguage::German, "1.234,5", "2.500", 1234.5, "1. Oktober"},
    };
    for (const auto& c : cases) {
        UiLanguage::Install(c.language);
        EXPECT_EQ(GoalText(1234.5), QString::fromUtf8(c.goal));
        EXPECT_EQ(ParseYearGoal(QString::fromUtf8(c.goal)), c.typed);
        EXPECT_EQ(FormatNumber(QStringLiteral("#,##0.###"), 2500), QString::fromUtf8(c.axisLabel));
        EXPECT_EQ(SeasonStartText::Of({10, 1}), QString::fromUtf8(c.seasonStart));
        EXPECT_EQ(SeasonStartText::Parse(QString::fromUtf8(c.seasonStart)), (TSeasonStart{10, 1}));
    }
}

} // namespace
