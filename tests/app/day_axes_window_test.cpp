// A year that covers a few weeks only, in the window's chart: its days sit
// under their months in every mode whose x is a day, the hover and the
// press name the day under the pointer, and no view change or picture
// takes the months off the days.
#include "app/chart_picture.h"
#include "app/main_form.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"
#include "support/temp_files.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

// 1 and 27 February, 15 April: days 32, 58 and 105; then the trailer.
const std::string FebruaryToApril = "Datum;Zeit;Dauer;Strecke\r\n-;-;[h];[km]\r\nKind;0;1;2;0;3\r\n"
                                    "20110201;08:00;01:00:00;20;\r\n20110227;08:00;01:30:00;30;\r\n"
                                    "20110415;08:00;02:00:00;40;\r\n"
    + std::string(230, '#');
constexpr int Day = 58;

class DayAxesWindow : public ::testing::Test
{
protected:
    DayAxesWindow()
    {
        form.show();
        form.LoadFiles({files.Write("2011.csv", FebruaryToApril)});
        // Every paint, the window's and a picture's, draws the years along the month labels.
        Chart().OnAfterDraw = [this](TCustomChartPanel&) {
            const TAxisMapping& top = Chart().TopAxis()->Mapping();
            const TAxisMapping& bottom = Chart().BottomAxis()->Mapping();
            apart += top.RangeMin != bottom.RangeMin || top.RangeMax != bottom.RangeMax
                || top.PixelStart != bottom.PixelStart || top.PixelEnd != bottom.PixelEnd;
        };
    }
    TChart& Chart() const { return *form.Chart(); }
    // Where the month labels put the day, halfway down the plot.
    QPoint DayPixel() const
    {
        const TRect& plot = Chart().MouseFrame().Plot;
        return {Chart().BottomAxis()->ValueToPixel(Day), (plot.Top + plot.Bottom) / 2};
    }
    // Where the year's point of the day is drawn.
    int PointPixel() const
    {
        const TChartSeries& year = Chart().SeriesAt(1);
        for (int i = 0; i < year.PointCount(); ++i)
            if (year.XValues().ValueAt(i) == Day)
                return year.PointPixelX(i);
        return -1;
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(&Chart(), button, {}, from);
        QTest::mouseMove(&Chart(), to);
        QTest::mouseRelease(&Chart(), button, {}, to);
    }
    void Wheel(int delta)
    {
        const QPoint at = DayPixel();
        QWheelEvent event(at, Chart().mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Chart(), &event);
    }

    TempFiles files;
    TForm1 form;
    int apart = 0;
};

} // namespace

TEST_F(DayAxesWindow, DaysStayUnderTheirMonthsThroughEveryViewChange)
{
    const std::pair<const char*, std::function<void()>> views[] = {
        {"evaluated", [] {}},
        {"zoomed", [this] { Drag(Qt::LeftButton, DayPixel() - QPoint(60, 60), DayPixel() + QPoint(60, 60)); }},
        {"panned", [this] { Drag(Qt::RightButton, DayPixel(), DayPixel() + QPoint(25, 10)); }},
        {"wheeled", [this] { Wheel(-240); }},
        {"undone", [this] { form.UndoChartZoom(); }},
        {"saved", [this] { ASSERT_EQ(ChartPicture::WriteSvg(Chart(), files.PathOf("chart.svg")), QString()); }},
    };
    for (int mode : {0, 2, 3, 4, 5}) {
        ASSERT_TRUE(form.SelectEvaluation(mode, 0).isEmpty());
        for (const auto& [name, change] : views) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << name);
            change();
            Chart().Repaint();
            const QPoint at = DayPixel();
            EXPECT_EQ(PointPixel(), at.x());
            QTest::mouseMove(&Chart(), {0, 0}); // from outside the plot, as a wheel turn moves nothing
            QTest::mouseMove(&Chart(), at);
            ASSERT_TRUE(Chart().HoverOverlay().Visible());
            EXPECT_EQ(Chart().HoverOverlay().Content()->Heading, QStringLiteral("Tag %1").arg(Day));
            form.ChartMouseDown(mbLeft, 0, at.x(), at.y());
            if (mode != 3 && mode != 5) // their panel names no day
                EXPECT_TRUE(form.Show_DAT()->text().startsWith(QStringLiteral("Tag   %1 ").arg(Day)))
                    << form.Show_DAT()->text().toStdString();
            form.ChartMouseUp(mbLeft, 0, at.x(), at.y());
        }
    }
    EXPECT_EQ(apart, 0);
}
