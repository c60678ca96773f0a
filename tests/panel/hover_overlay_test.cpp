// The hover marker: its layout beside the line and inside the chart, and
// its drawing over the picture, erased without a trace.
#include "mouse_test_support.h"

#include "chart/canvas/chart_canvas3d.h"
#include "chart/panel/hover_overlay.h"

#include <gtest/gtest.h>

namespace {

THoverContent Content(int lineX, QPoint pointer)
{
    THoverContent content;
    content.LineX = lineX;
    content.LineTop = 20;
    content.LineBottom = 200;
    content.Pointer = pointer;
    content.Heading = QStringLiteral("Tag 12");
    for (TColor colour : {clRed, clBlue, clGreen})
        content.Rows.push_back({colour, {QStringLiteral("2011"), QStringLiteral("12.3 [km]"), QStringLiteral("+1.0")}});
    return content;
}

QRgb Rgb(TColor colour) { return ToQColor(colour).rgb() & 0xFFFFFF; }

} // namespace

TEST(HoverLayout, BoxBesideTheLineInsideTheBoundsAndClearOfThePointer)
{
    const THoverMetrics metrics{14, 40, {30, 60, 40}};
    const QRect bounds(0, 0, 400, 250);
    struct Case {
        QRect bounds;
        int lineX;
        QPoint pointer;
        int side; // 1: right of the line, -1: left of it, 0: above or below the pointer
    };
    const Case cases[] = {
        {bounds, 50, {50, 100}, 1},
        {bounds, 5, {5, 3}, 1},        // top left corner: pushed down, still beside
        {bounds, 390, {390, 100}, -1}, // the right edge
        {bounds, 399, {399, 248}, -1}, // bottom right corner
        {QRect(0, 0, 190, 250), 95, {95, 200}, 0}, // too wide for either side
        {QRect(0, 0, 190, 250), 95, {95, 20}, 0},
    };
    for (const Case& c : cases) {
        const THoverLayout layout = CalcHoverLayout(Content(c.lineX, c.pointer), metrics, c.bounds);
        const QRect& box = layout.Box;
        EXPECT_TRUE(c.bounds.contains(box)) << c.lineX << "," << c.pointer.y();
        EXPECT_FALSE(box.contains(c.pointer)) << c.lineX << "," << c.pointer.y();
        EXPECT_EQ(layout.Line, QRect(c.lineX, 20, 1, 181));
        if (c.side == 1) {
            EXPECT_EQ(box.left(), c.lineX + HoverBoxGap + 1);
        } else if (c.side == -1) {
            EXPECT_EQ(box.right(), c.lineX - HoverBoxGap - 1);
        }
        // Swatch, then the columns in order, all inside the box.
        ASSERT_EQ(layout.ColumnLeft.size(), 3u);
        EXPECT_EQ(layout.SwatchLeft, box.left() + HoverPadding);
        EXPECT_GE(layout.ColumnLeft[0], layout.SwatchLeft + HoverSwatchSize);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(layout.ColumnRight[i] - layout.ColumnLeft[i], metrics.ColumnWidths[i]);
            if (i > 0) {
                EXPECT_GT(layout.ColumnLeft[i], layout.ColumnRight[i - 1]);
            }
        }
        EXPECT_LE(layout.ColumnRight[2] + HoverPadding, box.right() + 1);
        EXPECT_EQ(box.height(), 2 * HoverPadding + 4 * 14);
    }
}

TEST(HoverOverlay, DrawnOverThePictureAndErasedWithoutATrace)
{
    TMouseChart m;
    const auto& canvas = dynamic_cast<const TChartCanvas3D&>(*m.chart.Canvas());
    const QImage before = m.chart.grab().toImage();
    const QImage buffer = canvas.Buffer().copy();
    THoverOverlay& overlay = m.chart.HoverOverlay();
    overlay.Show(Content(120, {120, 100}));
    ASSERT_TRUE(overlay.Visible());
    const QImage during = m.chart.grab().toImage();
    const QRect box = overlay.Layout().Box;
    EXPECT_EQ(during.pixel(120, 60) & 0xFFFFFF, Rgb(overlay.LineColour));
    EXPECT_EQ(during.pixel(box.left() + 1, box.top() + 1) & 0xFFFFFF, Rgb(overlay.BoxColour));
    EXPECT_EQ(during.pixel(box.topLeft()) & 0xFFFFFF, Rgb(overlay.TextColour)); // the outline
    EXPECT_EQ(during.pixel(box.left() - 1, box.top() - 1), before.pixel(box.left() - 1, box.top() - 1));
    // Only the widget changed: no paint of the chart, the same buffer.
    EXPECT_FALSE(m.chart.Canvas()->IsDirty());
    EXPECT_EQ(canvas.Buffer(), buffer);
    overlay.Hide();
    EXPECT_EQ(m.chart.grab().toImage(), before);
}

TEST(HoverOverlay, GoneOnPressLeaveAndEveryPaintOfTheChart)
{
    TMouseChart m;
    THoverOverlay& overlay = m.chart.HoverOverlay();
    int leaves = 0;
    m.chart.OnMouseLeave = [&](TCustomChartPanel&) { ++leaves; };

    overlay.Show(Content(120, {120, 100}));
    m.Press(Qt::LeftButton, {120, 100});
    EXPECT_FALSE(overlay.Visible());
    m.Release(Qt::LeftButton, {120, 100});

    overlay.Show(Content(120, {120, 100}));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&m.chart, &leave);
    EXPECT_FALSE(overlay.Visible());
    EXPECT_EQ(leaves, 1);

    overlay.Show(Content(120, {120, 100}));
    m.chart.Repaint();
    EXPECT_FALSE(overlay.Visible());
}
