#include "chart/canvas/chart_brush.h"
#include "chart/canvas/chart_pen.h"
#include "support/recording_canvas.h"
#include "chart/canvas/view3d_options.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct TPenDefaults
{
    const char* Name;
    std::unique_ptr<TChartPen> Pen;
    TColor Color;
    int Width;
    TPenStyle Style;
    bool Visible;
};

} // namespace

TEST(ChartPen, DerivedPensDifferOnlyInTheirDefaults)
{
    TPenDefaults cases[] = {
        {"TChartPen", std::make_unique<TChartPen>(), clBlack, 1, psSolid, true},
        {"TChartHiddenPen", std::make_unique<TChartHiddenPen>(), clBlack, 1, psSolid, false},
        {"TDottedGrayPen", std::make_unique<TDottedGrayPen>(), clGray, 1, psDot, true},
        {"TDarkGrayPen", std::make_unique<TDarkGrayPen>(), clGray, 1, psSolid, true},
        {"TChartAxisPen", std::make_unique<TChartAxisPen>(), clBlack, 2, psSolid, true},
        {"TChartArrowPen", std::make_unique<TChartArrowPen>(), clWhite, 1, psSolid, true},
    };
    for (const TPenDefaults& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Pen->Color(), c.Color);
        EXPECT_EQ(c.Pen->Width(), c.Width);
        EXPECT_EQ(c.Pen->Style(), c.Style);
        EXPECT_EQ(c.Pen->Visible(), c.Visible);
        EXPECT_EQ(c.Pen->Mode(), pmCopy);
        EXPECT_FALSE(c.Pen->SmallDots());
    }
}

TEST(ChartPen, NotifiesOwnerOnlyOnEffectiveChanges)
{
    int changes = 0;
    TChartPen pen([&] { ++changes; });
    pen.SetColor(clBlack);
    pen.SetWidth(1);
    pen.SetVisible(true);
    EXPECT_EQ(changes, 0);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    pen.SetStyle(psDash);
    pen.SetMode(pmNotXor);
    pen.SetVisible(false);
    pen.SetSmallDots(true);
    EXPECT_EQ(changes, 6);
    pen.SetColor(clRed);
    EXPECT_EQ(changes, 6);
}

TEST(ChartPen, AssignCopiesValuesAndNotifiesOnce)
{
    int changes = 0;
    TChartPen target([&] { ++changes; });
    TDottedGrayPen source;
    source.SetWidth(4);
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.Color(), clGray);
    EXPECT_EQ(target.Style(), psDot);
    EXPECT_EQ(target.Width(), 4);
    target.Assign(source);
    EXPECT_EQ(changes, 1);
}

TEST(ChartBrush, DefaultsAndNotification)
{
    int changes = 0;
    TChartBrush brush([&] { ++changes; });
    EXPECT_EQ(brush.Color(), clDefault);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_FALSE(brush.HasBitmap());
    brush.SetColor(clDefault);
    brush.SetStyle(bsClear);
    QImage bitmap(4, 4, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    brush.SetBitmap(bitmap);
    brush.SetBitmap(bitmap);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(brush.HasBitmap());
}

TEST(AssignVisiblePen, InvisiblePenOnlyClearsTheStyle)
{
    TRecordingCanvas canvas;
    canvas.Pen() = TCanvasPen{clBlue, 3, psDash, pmCopy, false};
    TChartPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(5);
    pen.SetVisible(false);
    canvas.AssignVisiblePen(pen);
    EXPECT_EQ(canvas.Pen(), (TCanvasPen{clBlue, 3, psClear, pmCopy, false}));
}

TEST(AssignVisiblePen, SmallDotsOfWidthOneBecomeTheAlternatePen)
{
    TRecordingCanvas canvas;
    TChartPen pen;
    pen.SetSmallDots(true);
    pen.SetColor(clBtnShadow);
    canvas.AssignVisiblePen(pen);
    EXPECT_TRUE(canvas.Pen().Alternate);
    EXPECT_EQ(canvas.Pen().Width, 1);
    EXPECT_EQ(canvas.Pen().Color, ResolveColour(clBtnShadow));

    pen.SetWidth(2); // SmallDots applies to one-pixel pens only
    canvas.AssignVisiblePen(pen);
    EXPECT_FALSE(canvas.Pen().Alternate);
    EXPECT_EQ(canvas.Pen().Width, 2);
}

TEST(AssignVisiblePen, VisiblePenCopiesColourWidthStyleAndMode)
{
    TRecordingCanvas canvas;
    TChartAxisPen pen;
    pen.SetMode(pmNotXor);
    pen.SetStyle(psDashDot);
    canvas.AssignVisiblePen(pen);
    EXPECT_EQ(canvas.Pen(), (TCanvasPen{clBlack, 2, psDashDot, pmNotXor, false}));
}

TEST(View3DOptions, DefaultsAndNotifications)
{
    TView3DOptions o;
    EXPECT_EQ(o.Elevation(), 345);
    EXPECT_EQ(o.Rotation(), 345);
    EXPECT_EQ(o.Tilt(), 0);
    EXPECT_EQ(o.Perspective(), 15);
    EXPECT_TRUE(o.Orthogonal());
    EXPECT_EQ(o.Zoom(), 100);
    EXPECT_TRUE(o.ZoomText());
    EXPECT_EQ(o.HorizOffset(), 0);
    EXPECT_EQ(o.VertOffset(), 0);

    int changes = 0;
    std::vector<bool> scrolled;
    std::vector<int> zooms;
    int zoomSeenByNotification = 0;
    o.OnChange = [&] { ++changes; };
    o.OnScrolled = [&](bool horizontal) { scrolled.push_back(horizontal); };
    o.OnZoomChanged = [&](int zoom) {
        zooms.push_back(zoom);
        zoomSeenByNotification = o.Zoom();
    };
    o.SetHorizOffset(5);
    o.SetVertOffset(-3);
    o.SetVertOffset(-3);
    o.SetZoom(150);
    o.SetZoom(150);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(scrolled, (std::vector<bool>{true, false}));
    EXPECT_EQ(zooms, std::vector<int>{150});
    EXPECT_EQ(zoomSeenByNotification, 100); // fired before the value is stored
    EXPECT_EQ(o.Zoom(), 150);
}
