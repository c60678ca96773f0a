// The year chart in the window with the sample years loaded: what a user
// sees of the bottom axis, and picking entries from the lists.
#include "app/window/main_form.h"
#include "chart/canvas/colour.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

class YearChartWindow : public ::testing::Test
{
protected:
    YearChartWindow()
    {
        form.show();
        QStringList paths;
        for (const char* year : {"2009", "2010", "2011", "2012"})
            paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
        form.LoadFiles(paths);
    }

    // Painted in the window first: the checks read the window's layout,
    // which the picture of the same size shares.
    QImage ChartPicture() const
    {
        form.Chart()->Repaint();
        QImage image(form.Chart()->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        form.Chart()->DrawToImage(image);
        return image;
    }

    TForm1 form;
};

} // namespace

// Month words are centred on their day and overlap their neighbours' boxes:
// drawn on opaque white boxes, each cut the end of the one before and left
// white bars on the gray panel. The band must show only panel and ink.
TEST_F(YearChartWindow, MonthLabelsLeaveThePanelBetweenThem)
{
    form.CB_Wahl()->setCurrentIndex(1);
    form.CB_Art()->setCurrentIndex(3); // "Monatsmittel", month words as labels, blank bottom title
    const QImage image = ChartPicture();
    const TChartAxis& bottom = *form.Chart()->BottomAxis();
    const TRect plot = form.Chart()->ChartRect();
    const QRgb white = 0xFFFFFF;
    const QRgb panel = ResolveColour(form.Chart()->Color()) ;
    int panelPixels = 0;
    // From the label band down to the blank title's band below it.
    for (int y = bottom.LabelBandPos(); y < std::min(image.height() - 3, bottom.LabelBandPos() + 30); ++y) {
        for (int x = plot.Left; x < plot.Right; ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            ASSERT_NE(p, white) << "white box at " << x << "," << y;
            panelPixels += (p == (panel & 0xFFFFFF)) ? 1 : 0;
        }
    }
    // Most of the band is panel: the gaps between and around the words.
    EXPECT_GT(panelPixels, (plot.Right - plot.Left) * 15);
}

// A load draws the running total of distance at once, and both lists say so.
TEST_F(YearChartWindow, ALoadDrawsTheRunningDistanceAtOnce)
{
    ASSERT_TRUE(form.Chart()->isVisible());
    EXPECT_EQ(form.CB_Art()->currentText(), QStringLiteral("Werte kumulierte"));
    EXPECT_EQ(form.CB_Kum()->currentText(), QStringLiteral("Strecke  [km]"));
    EXPECT_EQ(form.EvaluationState().SelectedColumn, form.YearStore().SumColumn(DistanceTotal));
    EXPECT_EQ(form.Chart()->SeriesAt(1).PointCount(), 365);
}

// A pick that changes the text reports the change and then the pick, in one
// event: the chart is filled once, not twice, and painted once as later.
TEST_F(YearChartWindow, PickingAnotherEntryRunsTheHandlerOnce)
{
    QComboBox* modes = form.CB_Art();
    int clears = 0, paints = 0;
    form.Chart()->SeriesAt(1).OnClearValues = [&clears](TChartSeries&) { ++clears; };
    form.Chart()->OnAfterDraw = [&paints](TCustomChartPanel&) { ++paints; };
    modes->setCurrentIndex(3);
    emit modes->activated(3);
    EXPECT_EQ(clears, 1);
    form.Chart()->Repaint(); // the chart's first paint, as the event loop makes it
    const TRect plot = form.Chart()->ChartRect();
    form.Chart()->Repaint();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(form.Chart()->ChartRect(), plot);
    // Once the event of that pick is over, the same entry picked again redraws.
    QCoreApplication::processEvents();
    emit modes->activated(3);
    EXPECT_EQ(clears, 2);
}
