#include "mouse_test_support.h"

#include "chart/panel/rubber_band.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct TLimits
{
    double min, max;
    bool automatic;
};

TLimits LimitsOf(const TChartAxis& axis) { return {axis.Minimum(), axis.Maximum(), axis.Automatic()}; }

void ExpectLimits(const TChartAxis& axis, const TLimits& expected)
{
    EXPECT_DOUBLE_EQ(axis.Minimum(), expected.min);
    EXPECT_DOUBLE_EQ(axis.Maximum(), expected.max);
    EXPECT_EQ(axis.Automatic(), expected.automatic);
}

} // namespace

TEST(ChartZoom, DragOfMoreThanSixteenPixelsBothWaysZoomsToTheRectangle)
{
    struct TCase
    {
        QPoint to;
        bool zooms;
    };
    for (const TCase& c : {TCase{{117, 117}, true}, TCase{{116, 200}, false}, TCase{{200, 116}, false}}) {
        TMouseChart m;
        int zooms = 0;
        m.chart.OnZoom = [&](TCustomChartPanel&) { ++zooms; };
        const TAxisMapping bottom = m.Bottom().Mapping();
        const TAxisMapping left = m.Left().Mapping();
        const TLimits before = LimitsOf(m.Bottom());
        m.Drag(Qt::LeftButton, {100, 100}, c.to);
        EXPECT_EQ(m.chart.Zoomed(), c.zooms) << c.to.x() << "," << c.to.y();
        EXPECT_EQ(zooms, c.zooms ? 1 : 0);
        EXPECT_FALSE(m.chart.ZoomRecord().Active);
        if (c.zooms) {
            ExpectLimits(m.Bottom(), {bottom.PixelToValue(100), bottom.PixelToValue(117), false});
            // The lower edge gives the smaller value.
            ExpectLimits(m.Left(), {left.PixelToValue(117), left.PixelToValue(100), false});
        } else {
            ExpectLimits(m.Bottom(), before);
        }
    }
}

TEST(ChartZoom, ReverseDragAndUndoReturnToTheScalesBeforeTheFirstZoom)
{
    TMouseChart m;
    const TLimits bottom = LimitsOf(m.Bottom());
    const TLimits left = LimitsOf(m.Left());
    int undos = 0;
    m.chart.OnUndoZoom = [&](TCustomChartPanel&) { ++undos; };
    m.Drag(Qt::LeftButton, {100, 100}, {300, 200});
    m.Drag(Qt::LeftButton, {120, 60}, {200, 150});
    ASSERT_TRUE(m.chart.Zoomed());
    m.Drag(Qt::LeftButton, {200, 200}, {100, 100});
    EXPECT_FALSE(m.chart.Zoomed());
    EXPECT_EQ(undos, 1);
    ExpectLimits(m.Bottom(), bottom);
    ExpectLimits(m.Left(), left);

    // Two zooms, one UndoZoom call: the same once painted (automatic
    // limits are settled by the paint).
    m.Drag(Qt::LeftButton, {100, 100}, {300, 200});
    m.Drag(Qt::LeftButton, {120, 60}, {200, 150});
    m.chart.UndoZoom();
    m.chart.Repaint();
    ExpectLimits(m.Bottom(), bottom);
    ExpectLimits(m.Left(), left);
}

TEST(ChartZoom, UndoWithNothingZoomedOnlyRepaintsAndTellsSo)
{
    TMouseChart m;
    m.FixAxes(10, 20, 100, 200);
    int undos = 0;
    m.chart.OnUndoZoom = [&](TCustomChartPanel&) { ++undos; };
    m.chart.UndoZoom();
    EXPECT_EQ(undos, 1);
    EXPECT_TRUE(m.chart.Canvas()->IsDirty());
    ExpectLimits(m.Bottom(), {10, 20, false});
    ExpectLimits(m.Left(), {100, 200, false});
}

// A fixed maximum over an automatic minimum must come back as it was:
// fixing the range first, then the flags, keeps the automatic minimum.
TEST(ChartZoom, UndoRestoresAnAutomaticMinimumUnderAFixedMaximum)
{
    TMouseChart m;
    m.Left().SetAutomatic(false);
    m.Left().SetAutomaticMinimum(true);
    m.Left().SetMaximum(1500);
    m.chart.Repaint();
    m.Drag(Qt::LeftButton, {100, 100}, {300, 200});
    m.chart.UndoZoom();
    EXPECT_TRUE(m.Left().AutomaticMinimum());
    EXPECT_FALSE(m.Left().AutomaticMaximum());
    EXPECT_DOUBLE_EQ(m.Left().Maximum(), 1500);
}

TEST(ChartZoom, AnimatedZoomPaintsItsStepsAndEndsOnTheTarget)
{
    TMouseChart m;
    m.FixAxes(0, 90, 0, 900);
    m.chart.SetAnimatedZoom(true);
    std::vector<double> seen;
    m.chart.OnAfterDraw = [&](TCustomChartPanel&) { seen.push_back(m.Bottom().Minimum()); };
    m.chart.ApplyZoom({0, 1, 27, 63, 0, 1, 0, 1});
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_DOUBLE_EQ(seen[0], 9); // a third of the way from 0 to 27
    EXPECT_DOUBLE_EQ(seen[1], 15);
    EXPECT_DOUBLE_EQ(m.Bottom().Minimum(), 27);
    EXPECT_DOUBLE_EQ(m.Bottom().Maximum(), 63);
}

TEST(ChartPanning, ValuesUnderTheMouseFollowItAndTheStartReturnsTheStartRange)
{
    TMouseChart m;
    m.FixAxes(0, 100, 0, 1000);
    int scrolls = 0;
    m.chart.OnScroll = [&](TCustomChartPanel&) { ++scrolls; };
    const QPoint start{200, 120};
    m.Press(Qt::RightButton, start);
    // Right, left past the start, back; up, down past it, back: each step
    // painted, as on screen. Under the layout the mouse last saw, the value
    // that was under it is under it again (the paint after a step may move
    // the plot a little when label widths change).
    QPoint last = start;
    for (const QPoint p : {QPoint{260, 120}, QPoint{150, 120}, QPoint{200, 120}, QPoint{200, 60}, QPoint{200, 190},
                           QPoint{200, 120}}) {
        TAxisMapping bottom = m.chart.LastFrame().Axes[0].Mapping;
        TAxisMapping left = m.chart.LastFrame().Axes[2].Mapping;
        const QPointF under{bottom.PixelToValue(last.x()), left.PixelToValue(last.y())};
        m.Move(p);
        bottom.RangeMin = m.Bottom().Minimum();
        bottom.RangeMax = m.Bottom().Maximum();
        left.RangeMin = m.Left().Minimum();
        left.RangeMax = m.Left().Maximum();
        EXPECT_NEAR(bottom.PixelToValue(p.x()), under.x(), 1e-9);
        EXPECT_NEAR(left.PixelToValue(p.y()), under.y(), 1e-9);
        m.chart.Repaint();
        last = p;
    }
    m.Release(Qt::RightButton, start);
    EXPECT_EQ(scrolls, 6);
    EXPECT_NEAR(m.Bottom().Minimum(), 0, 1e-9);
    EXPECT_NEAR(m.Bottom().Maximum(), 100, 1e-9);
    EXPECT_NEAR(m.Left().Minimum(), 0, 1e-9);
    EXPECT_NEAR(m.Left().Maximum(), 1000, 1e-9);
    EXPECT_FALSE(m.chart.Zoomed());
    // Panning saved the scales: undoing returns to them.
    m.Drag(Qt::RightButton, {200, 120}, {250, 100});
    m.chart.UndoZoom();
    EXPECT_DOUBLE_EQ(m.Bottom().Minimum(), 0);
}

TEST(ChartPanning, LeavingThePlotEndsTheDragAndKeepsTheLimitsReached)
{
    TMouseChart m;
    m.FixAxes(0, 100, 0, 1000);
    m.Press(Qt::RightButton, {200, 120});
    m.Move({240, 120});
    const double reached = m.Bottom().Minimum();
    EXPECT_LT(reached, 0); // dragging right lowers both limits
    m.Move({395, 120});
    EXPECT_FALSE(m.chart.PanningRecord().Active);
    m.Move({100, 120});
    EXPECT_DOUBLE_EQ(m.Bottom().Minimum(), reached);
    m.Release(Qt::RightButton, {100, 120});
}

TEST(ChartPanning, RefusedScrollLeavesTheAxisButStillCountsAsAMove)
{
    TMouseChart m;
    m.FixAxes(0, 100, 0, 1000);
    m.chart.OnAllowScroll = [&](TCustomChartAxis& axis, double&, double& max, bool& allow) {
        if (&axis == &m.Left())
            allow = false;
        else
            max += 1;
    };
    int scrolls = 0;
    m.chart.OnScroll = [&](TCustomChartPanel&) { ++scrolls; };
    m.Drag(Qt::RightButton, {200, 150}, {200, 100});
    EXPECT_EQ(scrolls, 1);
    ExpectLimits(m.Left(), {0, 1000, false});
    m.Drag(Qt::RightButton, {200, 100}, {220, 100});
    EXPECT_GT(m.Bottom().Maximum() - m.Bottom().Minimum(), 100.5); // the handler widened it
}

TEST(ChartPanning, LeavingTheWidgetEndsIt)
{
    TMouseChart m;
    m.Press(Qt::RightButton, {200, 120});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&m.chart, &leave);
    EXPECT_FALSE(m.chart.PanningRecord().Active);
}

TEST(RubberBand, OutlineStripsNeverOverlap)
{
    for (const TZoomPanningRecord& r : {TZoomPanningRecord{true, 10, 10, 20, 15}, TZoomPanningRecord{true, 20, 15, 10, 10},
                                        TZoomPanningRecord{true, 5, 5, 6, 9}, TZoomPanningRecord{true, 5, 5, 9, 6}}) {
        std::set<std::pair<int, int>> pixels;
        int total = 0;
        for (const QRect& s : RubberBandStrips(r))
            for (int x = s.left(); x <= s.right(); ++x)
                for (int y = s.top(); y <= s.bottom(); ++y, ++total)
                    pixels.insert({x, y});
        const int w = std::abs(r.X1 - r.X0);
        const int h = std::abs(r.Y1 - r.Y0);
        EXPECT_EQ(total, int(pixels.size()));
        EXPECT_EQ(total, w * h - std::max(0, w - 2) * std::max(0, h - 2));
    }
    EXPECT_TRUE(RubberBandStrips({true, 5, 5, 5, 30}).empty());
}

TEST(RubberBand, DrawnOverThePictureAndErasedWithoutATrace)
{
    TMouseChart m;
    m.chart.SetColor(clWhite); // black on white
    const QImage before = m.chart.grab().toImage();
    m.Press(Qt::LeftButton, {100, 60});
    m.Move({150, 230});
    const QImage during = m.chart.grab().toImage();
    // Not xor with black inverts what lies below, on all four edges; a tall
    // side is filled in pieces, which must neither gap nor overlap.
    std::vector<QPoint> edge{{120, 60}, {120, 229}, {149, 90}};
    for (int y = 60; y < 230; ++y)
        edge.emplace_back(100, y);
    for (const QPoint p : edge)
        EXPECT_EQ(during.pixel(p) & 0xFFFFFF, ~before.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
    EXPECT_EQ(during.pixel(120, 100), before.pixel(120, 100));
    EXPECT_EQ(during.pixel(150, 90), before.pixel(150, 90));
    EXPECT_FALSE(m.chart.Canvas()->IsDirty()); // no paint of the chart
    m.Move({110, 70});
    m.Release(Qt::LeftButton, {110, 70});
    EXPECT_FALSE(m.chart.Zoomed());
    EXPECT_EQ(m.chart.grab().toImage(), before);
}

TEST(RubberBand, ARepaintCopiesOnlyTheAskedPiecesOfThePicture)
{
    TMouseChart m;
    const QImage picture = m.chart.grab().toImage();
    QImage target(picture.size(), QImage::Format_RGB32);
    target.fill(Qt::magenta);
    const QRegion pieces = QRegion(10, 20, 1, 150) + QRegion(200, 30, 120, 1);
    // render() places the region's corner at the offset given.
    m.chart.render(&target, pieces.boundingRect().topLeft(), pieces, QWidget::DrawChildren);
    EXPECT_FALSE(m.chart.Canvas()->IsDirty()); // copied, not drawn anew
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            ASSERT_EQ(target.pixel(x, y), pieces.contains(QPoint(x, y)) ? picture.pixel(x, y) : QColor(Qt::magenta).rgb())
                << x << "," << y;
}
