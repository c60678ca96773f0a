// The years compared under the pointer in the window's chart, driven by
// real mouse and key events (offscreen).
#include "app/window/main_form.h"
#include "app/view/year_comparison.h"
#include "chart/canvas/chart_canvas3d.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ComparisonHover : public ::testing::Test
{
protected:
    ComparisonHover()
    {
        form.show();
        QStringList paths;
        for (const char* year : {"2009", "2010", "2011", "2012"})
            paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
        form.LoadFiles(paths);
    }
    void Mode(int mode)
    {
        ASSERT_TRUE(form.SelectEvaluation(mode, 1).isEmpty());
        Chart().Repaint();
        QApplication::processEvents();
    }
    TChart& Chart() const { return *form.Chart(); }
    THoverOverlay& Overlay() const { return Chart().HoverOverlay(); }
    TRect Plot() const { return Chart().LastFrame().Plot; }
    QPoint PlotPoint(int dx, int dy) const { return {Plot().Left + dx, Plot().Top + dy}; }
    void Move(QPoint p) { QTest::mouseMove(&Chart(), p); }
    // The day in the box' heading.
    int ShownDay() const { return Overlay().Content()->Heading.mid(4).toInt(); }

    TForm1 form;
};

} // namespace

TEST_F(ComparisonHover, BoxListsTheYearsAtTheDayOfTheirPointsAndLeavesNoTrace)
{
    Mode(4);
    const auto& canvas = dynamic_cast<const TChartCanvas3D&>(*Chart().Canvas());
    const QImage before = Chart().grab().toImage();
    const QImage buffer = canvas.Buffer().copy();
    const QPoint at = PlotPoint(Plot().Width() / 3, Plot().Height() / 2);
    Move(at);
    ASSERT_TRUE(Overlay().Visible());
    const int day = ShownDay();
    ASSERT_GE(day, 1);
    const THoverContent& content = *Overlay().Content();
    ASSERT_EQ(content.Rows.size(), 4u);
    // The box writes numbers as the German window does: "2.036,5 [km]".
    const auto expected = CompareYearsAt(YearSeriesOf(Chart()), form.EvaluationState(), day, QLocale());
    for (std::size_t i = 0; i < 4; ++i) {
        const TComparisonRow& row = expected->Rows[i];
        EXPECT_EQ(content.Rows[i].Cells, QStringList({row.Year, row.ValueText, row.DifferenceText}));
        EXPECT_EQ(content.Rows[i].Swatch, Chart().SeriesAt(int(i) + 1).SeriesColor());
    }
    // The line runs through the day's points (mode 4 has one per day) and
    // near the pointer; the box keeps clear of it.
    EXPECT_EQ(content.LineX, Chart().SeriesAt(1).PointPixelX(day - 1));
    EXPECT_LE(std::abs(content.LineX - at.x()), 2);
    EXPECT_FALSE(Overlay().Layout().Box.contains(at));
    EXPECT_TRUE(Chart().rect().contains(Overlay().Layout().Box));
    const QImage during = Chart().grab().toImage();
    EXPECT_EQ(during.pixel(content.LineX, Plot().Top + 5) & 0xFFFFFF, ToQColor(Overlay().LineColour).rgb() & 0xFFFFFF);
    EXPECT_FALSE(Chart().Canvas()->IsDirty());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&Chart(), &leave);
    EXPECT_FALSE(Overlay().Visible());
    EXPECT_EQ(canvas.Buffer(), buffer);
    EXPECT_EQ(Chart().grab().toImage(), before);
}

TEST_F(ComparisonHover, RightEdgeKeepsTheBoxInsideOnTheLeft)
{
    Mode(0);
    const QPoint at = PlotPoint(Plot().Width() - 1, 10);
    Move(at);
    ASSERT_TRUE(Overlay().Visible());
    const QRect box = Overlay().Layout().Box;
    EXPECT_TRUE(Chart().rect().contains(box));
    EXPECT_LT(box.right(), at.x());
    EXPECT_FALSE(box.contains(at));
}

TEST_F(ComparisonHover, PressPanelTakesOverAndDragsShowNoBox)
{
    Mode(2);
    const QPoint at = PlotPoint(200, 100);
    Move(at);
    ASSERT_TRUE(Overlay().Visible());
    QTest::mousePress(&Chart(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(Overlay().Visible());
    EXPECT_TRUE(form.Show_DAT()->isVisible());
    // Dragging the zoom rectangle with the button held.
    Move(at + QPoint(40, 40));
    EXPECT_FALSE(Overlay().Visible());
    QTest::mouseRelease(&Chart(), Qt::LeftButton, {}, at + QPoint(40, 40));
    EXPECT_FALSE(form.Show_DAT()->isVisible());
    EXPECT_TRUE(Chart().Zoomed());
    // After the zoom the next move marks the day under the pointer again.
    Chart().Repaint();
    QApplication::processEvents();
    EXPECT_FALSE(Chart().Canvas()->IsDirty());
    // (A move to the pointer's last place without a button would not be sent.)
    Move(at + QPoint(10, 10));
    EXPECT_TRUE(Overlay().Visible());
}

TEST_F(ComparisonHover, SortedModeHasNoBox)
{
    Mode(1);
    Move(PlotPoint(200, 100));
    EXPECT_FALSE(Overlay().Visible());
}

TEST_F(ComparisonHover, ArrowKeysMoveTheMarkedDay)
{
    Mode(4);
    Move(PlotPoint(200, 100));
    ASSERT_TRUE(Overlay().Visible());
    const int day = ShownDay();
    Chart().setFocus();
    QTest::keyClick(&Chart(), Qt::Key_Right);
    EXPECT_EQ(ShownDay(), day + 1);
    EXPECT_EQ(Overlay().Content()->LineX, Chart().SeriesAt(1).PointPixelX(day));
    QTest::keyClick(&Chart(), Qt::Key_Left);
    QTest::keyClick(&Chart(), Qt::Key_Left);
    EXPECT_EQ(ShownDay(), day - 1);
    // Without the mouse: the keys alone mark a day, from the plot's middle.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&Chart(), &leave);
    Mode(0);
    QTest::keyClick(&Chart(), Qt::Key_Right);
    EXPECT_TRUE(Overlay().Visible());
}
