#include "mouse_test_support.h"

#include "chart/canvas/exception.h"
#include "chart/panel/chart_cursor.h"
#include "chart/panel/qt_mouse_input.h"

#include <gtest/gtest.h>

namespace {

QPoint PixelOf(const TChartSeries& s, int i) { return {s.PointPixelX(i), s.PointPixelY(i)}; }

} // namespace

TEST(ChartClicks, TitleClickFiresOnlyTheBackgroundEvent)
{
    TMouseChart m;
    m.chart.Title().SetText({QStringLiteral("Jahre")});
    m.chart.Repaint();
    TClicks clicks(m.chart);
    const TRect box = m.chart.Title().TitleBox();
    const QPoint at{(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2};
    EXPECT_EQ(m.chart.FindClickedPart(at.x(), at.y()).Part, cpTitle);
    m.Press(Qt::LeftButton, at);
    EXPECT_EQ(clicks.background, 1);
    EXPECT_FALSE(m.chart.ZoomRecord().Active);
    m.Release(Qt::LeftButton, at);
}

TEST(ChartClicks, LastSeriesInTheListAnswersFirst)
{
    TMouseChart m;
    auto s = std::make_unique<THitSeries>();
    s->AddPoint(50, 500);
    THitSeries& top = m.chart.AddSeries(std::move(s));
    m.chart.Repaint();
    TClicks clicks(m.chart);
    const QPoint at = PixelOf(top, 0);
    ASSERT_EQ(m.series->PointAt(at.x(), at.y()), 1);
    const TChartClickedPart part = m.chart.FindClickedPart(at.x(), at.y());
    EXPECT_EQ(part.Part, cpSeries);
    EXPECT_EQ(part.ASeries, &top);
    m.Press(Qt::LeftButton, at);
    EXPECT_EQ(clicks.series, &top);
    EXPECT_EQ(clicks.index, 0);
    EXPECT_EQ(clicks.background, 0);
    EXPECT_FALSE(m.chart.ZoomRecord().Active); // the click event kept the click
    m.Release(Qt::LeftButton, at);
}

TEST(ChartClicks, PartsOutsideThePlotAndAxes)
{
    TMouseChart m;
    const TRect plot = m.chart.ChartRect();
    const TChartAxis& left = m.Left();
    const TChartClickedPart axis = m.chart.FindClickedPart(left.AxisLinePos() - 2, (plot.Top + plot.Bottom) / 2);
    EXPECT_EQ(axis.Part, cpAxis);
    EXPECT_EQ(axis.AAxis, &left);
    EXPECT_EQ(m.chart.FindClickedPart(plot.Left + 10, plot.Top).Part, cpChartRect);
    EXPECT_EQ(m.chart.FindClickedPart(plot.Right, plot.Top + 5).Part, cpNone);
    EXPECT_EQ(m.chart.FindClickedPart(2, 2).Part, cpNone);
    m.series->SetActive(false);
    EXPECT_EQ(m.chart.FindClickedPart(plot.Left + 5, plot.Top + 5).Part, cpNone);
}

TEST(ChartMouseEvents, PlainEventsComeFirstInTheChartsTerms)
{
    TMouseChart m;
    std::vector<QString> seen;
    m.chart.OnMouseDown = [&](TCustomChartPanel&, TMouseButton b, TShiftState s, int x, int y) {
        seen.push_back(QStringLiteral("down %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y));
    };
    m.chart.OnMouseMove = [&](TCustomChartPanel&, TShiftState s, int x, int y) {
        seen.push_back(QStringLiteral("move %1 %2 %3").arg(s).arg(x).arg(y));
    };
    m.chart.OnMouseUp = [&](TCustomChartPanel&, TMouseButton b, TShiftState s, int x, int y) {
        seen.push_back(QStringLiteral("up %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y));
    };
    m.chart.OnClickBackground = [&](TCustomChartPanel&, TMouseButton, TShiftState, int, int) {
        seen.push_back(QStringLiteral("background"));
    };
    m.Press(Qt::RightButton, {150, 100}, Qt::ShiftModifier);
    m.Move({160, 100});
    m.Release(Qt::RightButton, {160, 100});
    const std::vector<QString> expected{
        QStringLiteral("down %1 %2 150 100").arg(mbRight).arg(ssShift | ssRight), QStringLiteral("background"),
        QStringLiteral("move %1 160 100").arg(ssRight), QStringLiteral("up %1 0 160 100").arg(mbRight)};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(m.series->releases, 1);
}

TEST(ChartMouseEvents, ExceptionInAHandlerIsReportedAndStopsAtTheWidget)
{
    TMouseChart m;
    m.chart.OnClickBackground = [](TCustomChartPanel&, TMouseButton, TShiftState, int, int) {
        throw Exception(QStringLiteral("Achse verweigert"));
    };
    QString reported;
    m.chart.OnException = [&](std::exception_ptr e) {
        try {
            std::rethrow_exception(e);
        } catch (const Exception& error) {
            reported = error.Message();
        }
    };
    EXPECT_NO_THROW(m.Press(Qt::LeftButton, {150, 100}));
    EXPECT_EQ(reported, QStringLiteral("Achse verweigert"));
    EXPECT_FALSE(m.chart.MouseConsumed());
    m.Release(Qt::LeftButton, {150, 100});
}

TEST(ChartMouseEvents, SeriesCursorWhileOverItsPointsAndSavedCursorElsewhere)
{
    TMouseChart m;
    m.series->SetCursor(crHandPoint);
    m.chart.Repaint();
    m.Move(PixelOf(*m.series, 1));
    EXPECT_EQ(m.chart.cursor().shape(), Qt::PointingHandCursor);
    const int moves = m.series->moves;
    m.Move(PixelOf(*m.series, 1) + QPoint(20, 0));
    EXPECT_EQ(m.chart.cursor().shape(), m.chart.SavedCursor().shape());
    EXPECT_EQ(m.series->moves, moves + 1);
}

TEST(ChartWheel, EachNotchScrollsTheVerticalAxesByThreePercent)
{
    TMouseChart m;
    m.FixAxes(0, 100, 0, 1000);
    m.Wheel(-120); // towards the user: a notch down
    EXPECT_DOUBLE_EQ(m.Left().Minimum(), 30);
    EXPECT_DOUBLE_EQ(m.Left().Maximum(), 1030);
    m.Wheel(240);
    EXPECT_DOUBLE_EQ(m.Left().Minimum(), 30 - 2 * 30);
    EXPECT_DOUBLE_EQ(m.Bottom().Minimum(), 0);
    // A touchpad's small steps add up to whole notches.
    for (int i = 0; i < 3; ++i)
        m.Wheel(40);
    EXPECT_DOUBLE_EQ(m.Left().Minimum(), -60);
    EXPECT_FALSE(m.chart.Zoomed());
    m.Drag(Qt::LeftButton, {100, 100}, {300, 200}); // undone to the scales before the first turn
    m.chart.UndoZoom();
    EXPECT_DOUBLE_EQ(m.Left().Minimum(), 0);
}

TEST(WheelNotches, AddUpAndRestartOnATurnTheOtherWay)
{
    TWheelNotches notches;
    EXPECT_EQ(notches.Add(60), 0);
    EXPECT_EQ(notches.Add(200), 2);
    EXPECT_EQ(notches.Add(-100), 0); // the leftover 20 does not delay the turn
    EXPECT_EQ(notches.Add(-20), -1);
    EXPECT_EQ(notches.Add(-360), -3);
}
