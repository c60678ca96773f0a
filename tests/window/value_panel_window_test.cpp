// Reading values off the chart and hiding years, driven by real mouse events
// on the window's chart (offscreen).
#include "app/window/main_form.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"
#include "support/temp_files.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ValuePanelWindow : public ::testing::Test
{
protected:
    void Load(std::initializer_list<const char*> years)
    {
        form.show();
        QStringList paths;
        for (const char* year : years)
            paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
        form.LoadFiles(paths);
    }
    void Mode(int mode)
    {
        ASSERT_TRUE(form.SelectEvaluation(mode, std::nullopt).isEmpty());
        ASSERT_TRUE(form.Chart()->isVisible());
        form.Chart()->Repaint(); // a running total paints only at the next paint event

    }
    TChart& Chart() const { return *form.Chart(); }
    // The row of the lower end of the left axis.
    int PlotBottom() const { return Chart().LeftAxis()->PixelStart() + Chart().LeftAxis()->PixelLength(); }
    void Press(QPoint p, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(&Chart(), button, {}, p); }
    void Release(QPoint p, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(&Chart(), button, {}, p); }
    // A pixel on the legend's first item, found through the legend's own click test.
    std::optional<QPoint> LegendItemPixel() const
    {
        for (int y = PlotBottom(); y < Chart().height(); ++y)
            for (int x = 0; x < Chart().width(); ++x)
                if (Chart().Legend()->Clicked(x, y) == 0)
                    return QPoint(x, y);
        return std::nullopt;
    }
    // Clicks an entry of the pick list.
    void PickYear(int row)
    {
        QListWidget* box = form.LBox();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
    }

    TForm1 form;
};

} // namespace

TEST_F(ValuePanelWindow, PressShowsTheValueUntilRelease)
{
    Load({"2009", "2010", "2011", "2012"});
    Mode(0);
    const QPoint at(Chart().BottomAxis()->ValueToPixel(58), PlotBottom()); // 27 February under its month
    EXPECT_EQ(Chart().TopAxis()->ValueToPixel(58), at.x()); // where the years' points of that day are drawn
    Press(at);
    QLabel* panel = form.Show_DAT();
    ASSERT_TRUE(panel->isVisible());
    // At the lower end of the left axis the value is the axis minimum.
    const double minimum = Chart().LeftAxis()->Minimum();
    EXPECT_TRUE(panel->text().startsWith(QStringLiteral("Tag   58 "))) << panel->text().toStdString();
    EXPECT_TRUE(panel->text().contains(QString::asprintf(minimum < 10 ? "%8.3f" : "%8.1f", float(minimum))))
        << panel->text().toStdString();
    EXPECT_EQ(panel->pos(), QPoint(at.x(), at.y() - 40));
    Release(at);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(ValuePanelWindow, PressBelowThePlotShowsNothingAndTheRightEdgeKeepsThePanelInside)
{
    Load({"2009", "2010"});
    Mode(2);
    Press(QPoint(200, PlotBottom() + 1));
    EXPECT_FALSE(form.Show_DAT()->isVisible());
    Release(QPoint(200, PlotBottom() + 1));
    const QPoint nearRight(Chart().width() - 20, PlotBottom() - 50);
    Press(nearRight);
    ASSERT_TRUE(form.Show_DAT()->isVisible());
    EXPECT_EQ(form.Show_DAT()->x(), Chart().width() - form.Show_DAT()->width() - 10);
    Release(nearRight);
}

TEST_F(ValuePanelWindow, LegendOpensThePickListAndAPickHidesTheYearAcrossModes)
{
    Load({"2009", "2010", "2011"});
    Mode(3);
    const std::optional<QPoint> item = LegendItemPixel();
    ASSERT_TRUE(item);
    Press(*item);
    Release(*item);
    QListWidget* box = form.LBox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->geometry().bottomLeft() + QPoint(0, 1), *item);
    ASSERT_EQ(box->count(), 3);
    PickYear(1); // 2010
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(form.focusWidget(), &Chart()); // not the editable metric list
    for (int mode : {3, 0}) {
        Mode(mode);
        // 2011 keeps its series and colour.
        EXPECT_FALSE(Chart().SeriesAt(2).ShowInLegend());
        EXPECT_EQ(Chart().SeriesAt(3).Title(), QStringLiteral("2011"));
        EXPECT_EQ(Chart().SeriesAt(3).SeriesColor(), clBlue);
    }
}

TEST_F(ValuePanelWindow, EveryYearIsInThePickListAndANinthIsRefusedUntilOneIsHidden)
{
    Load({"2009", "2010", "2011", "2012", "2009", "2010", "2011", "2012", "2011", "2012"});
    QListWidget* box = form.LBox();
    form.ChartClickLegend(mbLeft, 0, 100, 300);
    ASSERT_EQ(box->count(), 10);
    // The latest eight are drawn: both 2009s wait unchecked.
    EXPECT_EQ(box->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(box->item(1)->checkState(), Qt::Checked);
    PickYear(0);
    EXPECT_EQ(form.PaneStatus()->text(), QStringLiteral("Es werden höchstens 8 Jahre gezeigt: erst ein Jahr ausblenden."));
    EXPECT_EQ(Chart().SeriesAt(1).Title(), QStringLiteral("2010"));
    form.ChartClickLegend(mbLeft, 0, 100, 300);
    PickYear(1); // 2010 out ...
    form.ChartClickLegend(mbLeft, 0, 100, 300);
    PickYear(0); // ... 2009 in, in the colour 2010 left
    EXPECT_EQ(Chart().SeriesAt(1).Title(), QStringLiteral("2009"));
    EXPECT_EQ(Chart().SeriesAt(1).SeriesColor(), clRed);
    EXPECT_EQ(form.DrawnYears().HiddenYears(), std::vector<int>({2010, 2009}));
}

TEST_F(ValuePanelWindow, NoEntryTogglesTheLabelSeriesAndTheLastYearStaysVisible)
{
    Load({"2011"});
    Mode(0);
    form.ChartClickLegend(mbLeft, 0, 100, 300);
    // The list is as tall as its rows: only Return without a current row picks no entry.
    form.LBox()->setCurrentRow(-1);
    QTest::keyClick(form.LBox(), Qt::Key_Return);
    EXPECT_FALSE(Chart().SeriesAt(0).Active());
    form.ChartClickLegend(mbLeft, 0, 100, 300);
    PickYear(0); // the only year: refused
    EXPECT_FALSE(form.LBox()->isVisible());
    EXPECT_TRUE(Chart().SeriesAt(1).Active());
}

TEST_F(ValuePanelWindow, PickListShowsEveryRowAndClosesOnAPressElsewhereOrAListChange)
{
    Load({"2009", "2010", "2011", "2012", "2009", "2010", "2011", "2012"}); // eight years
    Mode(4);
    QListWidget* box = form.LBox();
    for (const bool byList : {false, true}) {
        form.ChartClickLegend(mbLeft, 0, 100, Chart().height() - 10);
        ASSERT_TRUE(box->isVisible());
        for (int row = 0; row < 8; ++row) {
            EXPECT_TRUE(box->viewport()->rect().contains(box->visualItemRect(box->item(row)))) << row;
            EXPECT_EQ(box->item(row)->checkState(), Qt::Checked);
        }
        byList ? Mode(0) : QTest::mouseClick(form.CB_Art()->lineEdit(), Qt::LeftButton);
        EXPECT_FALSE(box->isVisible());
    }
}

// A pan saves the scales; a new evaluation must drop them, or the undo of a
// later zoom brings back the limits of the evaluation before.
TEST_F(ValuePanelWindow, UndoAfterPanAndNewEvaluationKeepsTheNewLimits)
{
    Load({"2009", "2010"});
    Mode(0);
    const QPoint centre(Chart().width() / 2, PlotBottom() - 100);
    Press(centre, Qt::RightButton);
    QTest::mouseMove(&Chart(), centre + QPoint(40, 30));
    Release(centre + QPoint(40, 30), Qt::RightButton);
    Mode(4);
    const double minimum = Chart().LeftAxis()->Minimum();
    const double maximum = Chart().LeftAxis()->Maximum();
    Press(centre);
    QTest::mouseMove(&Chart(), centre + QPoint(60, 60));
    Release(centre + QPoint(60, 60));
    ASSERT_TRUE(Chart().Zoomed());
    Chart().UndoZoom();
    Chart().Repaint();
    EXPECT_DOUBLE_EQ(Chart().LeftAxis()->Minimum(), minimum);
    EXPECT_DOUBLE_EQ(Chart().LeftAxis()->Maximum(), maximum);
}

// A year of a few weeks (1 and 27 February, 15 April): its days sit under their months, also zoomed.
TEST_F(ValuePanelWindow, APartYearsDaysSitUnderTheirMonths)
{
    TempFiles files;
    form.show();
    form.LoadFiles({files.Write("2011.csv", "Datum;Zeit;Dauer;Strecke\r\n-;-;[h];[km]\r\nKind;0;1;2;0;3\r\n"
                                            "20110201;08:00;1:00:00;20;\r\n20110227;08:00;1:00:00;30;\r\n"
                                            "20110415;08:00;1:00:00;40;\r\n" + std::string(230, '#'))});
    for (int mode : {0, 4}) {
        Mode(mode);
        const QPoint at(Chart().BottomAxis()->ValueToPixel(58), PlotBottom() - 60);
        EXPECT_EQ(Chart().TopAxis()->ValueToPixel(58), at.x()) << mode;
        Press(at - QPoint(50, 50));
        QTest::mouseMove(&Chart(), at + QPoint(50, 40));
        Release(at + QPoint(50, 40));
        Chart().Repaint();
        EXPECT_EQ(Chart().TopAxis()->ValueToPixel(58), Chart().BottomAxis()->ValueToPixel(58)) << mode;
    }
}
