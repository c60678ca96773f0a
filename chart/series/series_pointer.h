#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/chart_brush.h"
#include "chart/canvas/chart_pen.h"
#include "chart/canvas/colour.h"

#include <cstdint>
#include <memory>

class TChartCanvas;
class TChartSeries;

// The shapes a point marker can take.
enum TSeriesPointerStyle : std::uint8_t {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
};

// The marker a line or point series draws at its points: shape, half sizes,
// outline pen and fill brush. Owned by its series, which it asks to repaint
// on every effective change. A pen or brush colour of clDefault stands for
// the colour of the point the marker is drawn for.
class TSeriesPointer : private TPropertyOwner<TSeriesPointer>
{
public:
    explicit TSeriesPointer(TChartSeries& owner);
    TSeriesPointer(const TSeriesPointer&) = delete;
    TSeriesPointer& operator=(const TSeriesPointer&) = delete;

    // Copies brush, pen, sizes, style and flags; the owner stays.
    void Assign(const TSeriesPointer& other);

    TChartBrush& Brush() const { return *brush_; }
    void SetBrush(const TChartBrush& value) { brush_->Assign(value); }
    TChartPen& Pen() const { return *pen_; }
    void SetPen(const TChartPen& value) { pen_->Assign(value); }

    // Darken the side faces of 3D markers.
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { SetProperty(dark3D_, value); }
    // Markers are solids when the chart is in 3D.
    bool Draw3D() const { return draw3D_; }
    void SetDraw3D(bool value) { SetProperty(draw3D_, value); }
    // Half width and half height in pixels; values below 1 raise a
    // ChartException and leave the size as it was.
    int HorizSize() const { return horizSize_; }
    void SetHorizSize(int value);
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value);
    // The axes leave room for the marker at the plot edges.
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool value) { SetProperty(inflateMargins_, value); }
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle value) { SetProperty(style_, value); }
    // Markers are drawn and clickable.
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }

    TChartSeries& Owner() const { return *owner_; }

    // Sets the canvas pen and brush for a marker of a point in `colour`:
    // the pointer's pen and brush, clDefault replaced by the colour.
    void PrepareCanvas(TChartCanvas& canvas, TColor colour) const;

    // Draws one marker shape centred on (x, y) with half sizes h and v, with
    // the canvas' current pen and brush. The line shapes (crosses, star) and
    // the small dot are drawn in `colour` whatever the pen's colour.
    static void DrawShape(TChartCanvas& canvas, TSeriesPointerStyle style, int x, int y, int h, int v,
                          TColor colour);

private:
    friend class TPropertyOwner<TSeriesPointer>;
    void Changed() const;

    TChartSeries* owner_;
    std::unique_ptr<TChartBrush> brush_;
    std::unique_ptr<TChartPen> pen_;
    int horizSize_ = 4;
    int vertSize_ = 4;
    TSeriesPointerStyle style_ = psRectangle;
    bool dark3D_ = true;
    bool draw3D_ = true;
    bool inflateMargins_ = true;
    bool visible_ = true;
};
