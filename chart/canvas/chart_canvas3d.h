#pragma once

#include "chart/canvas/canvas3d.h"
#include "chart/canvas/gradient.h"
#include "chart/canvas/platform_fonts.h"
#include "chart/canvas/raster_fill.h"

#include <QImage>
#include <QPointF>
#include <QTransform>

#include <memory>
#include <optional>
#include <utility>

class QPainter;
class QPaintDevice;

// The chart's canvas: draws with QPainter, aliased, so that one-pixel lines
// and small markers land on exactly the pixels named.
//
// A paint runs StartFrame ... EndFrame. Buffered (the default), it draws
// into an off-screen image that lives from paint to paint, re-created only
// when the size or the monochrome flag change, and EndFrame copies it to
// the destination; RepaintFromBuffer() repaints the window from it while
// nothing changed. Unbuffered, it draws straight onto the target device.
// BeginDrawing()/EndDrawing() draw onto any device a caller gives (image
// export, tests).
//
// The buffer follows the device pixel ratio of the target (the window's
// screen, or an image made for a sharper picture): the chart is laid out in
// logical pixels and drawn with that many device pixels per logical one.
// Wherever logical and device pixels differ (such a buffer, printers,
// vector files), one-pixel strokes are moved half a logical pixel right and
// down: that is where the aliased 1:1 drawing puts them, so the picture is
// the 1:1 picture made finer, not shifted.
//
// Outlined and filled rectangles on a 32-bit image with a plain one-pixel
// pen, a solid brush and at most a rectangular clip are filled directly,
// pixel for pixel as QPainter would draw them; so are one-pixel solid and
// dotted horizontal and vertical lines.
class TChartCanvas3D final : public TCanvas3D
{
public:
    // window: the device RepaintFromBuffer() copies to (may be null).
    explicit TChartCanvas3D(QPaintDevice* window = nullptr);
    ~TChartCanvas3D() override;

    QPaintDevice* Window() const { return window_; }
    void SetWindow(QPaintDevice* window) { window_ = window; }
    // Draws onto `device` until EndDrawing(), outside any frame.
    void BeginDrawing(QPaintDevice* device);
    void EndDrawing();
    // The off-screen buffer; null before the first buffered paint.
    const QImage& Buffer() const { return buffer_; }

    // --- TChartCanvas ---------------------------------------------------
    QPainter* DrawingSurface() const override { return painter_.get(); }
    void SetMonochromeFlag(bool v) override;
    void SetBuffered(bool v) override;
    void SetPixel(int x, int y, TColor c) override;
    void Arc(const TRect& box, TPoint start, TPoint end) override;
    void Draw(int x, int y, const QImage& picture) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TRect& r) override;
    void LineTo(int x, int y) override;
    void Pie(const TRect& box, TPoint start, TPoint end) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(const TRect& box, int cornerWidth, int cornerHeight) override;
    void DrawScaled(const TRect& r, const QImage& picture) override;
    void TextOut(int x, int y, const QString& text) override;
    int MeasureWidth(const QString& text) const override;
    int MeasureHeight(const QString& text) const override;
    void ClipToRect(const TRect& r) override;
    void ClipToPolygon(std::span<const TPoint> points) override;
    void RemoveClip() override;
    void FillGradient(const TRect& r, TColor start, TColor end, TGradientDirection direction) override;
    void Polygon(std::span<const TPoint> points) override;
    void TextAtAngle(int x, int y, const QString& text, int angle) override;
    using TChartCanvas::Ellipse;
    using TChartCanvas::Rectangle;

    // --- TCanvas3D ------------------------------------------------------
    TRect StartFrame(QPaintDevice* target, const TView3DOptions* options, const TRect& destination,
                     bool is3D) override;
    void EndFrame(QPaintDevice* destination, const TRect& rect) override;
    bool RepaintFromBuffer(const QRegion& area) override;

private:
    enum TFill { WithBrush, NoFill };
    enum TOutline { WithPen, NoOutline };

    void OpenPainter(QPaintDevice* device);
    // Moves the following strokes by offset logical pixels (0 to undo),
    // where one-pixel strokes need it (see above).
    void ShiftStrokes(QPointF offset);
    // The offset for a one-pixel stroke: both ways for outlines, across the
    // line only for a line (its ends stay where the 1:1 drawing has them).
    QPointF OnePixelStrokeOffset(bool isLine, bool xMajor) const;
    void ClosePainter();
    void DropBuffer();
    // Hands the canvas state to the painter; false when there is no painter.
    bool Prepare(TOutline outline, TFill fill);
    // Whether pixels may be set directly: a 32-bit image target, at most a
    // rectangular clip, no transform.
    bool CanSetPixelsDirectly() const;
    bool TryDirectRectangle(const TRect& r);
    bool TryDirectLine(TPoint from, TPoint to);
    // Rectangle for a shape outlined with a visible pen (right/bottom - 1).
    QRect ShapeRect(int left, int top, int right, int bottom) const;
    void DrawTextLine(int x, int y, const QString& text, const TFont& font, bool paintBackground);
    void PaintGradientSteps(const TGradientPlan& plan);
    // Forgets what the painter holds (after drawing text or a new painter).
    void ForgetAppliedState();

    QPaintDevice* window_ = nullptr;
    QImage buffer_;
    // The painter's transform without the stroke offset: the device scale.
    QTransform baseTransform_;
    bool shiftOnePixelStrokes_ = false;
    QPointF strokeOffset_;
    std::unique_ptr<QPainter> painter_;
    // The pixels of the painter's target when direct fills may write them.
    std::optional<TRasterPixels> directPixels_;
    // The clip in device pixels when it is a rectangle; clipIsRegion_ when
    // it is not (direct fills are then off).
    std::optional<TRect> clipRect_;
    bool clipIsRegion_ = false;
    // What the painter currently holds, to skip redundant state changes.
    std::optional<TCanvasPen> appliedPen_;
    std::optional<TCanvasBrush> appliedBrush_;
    std::optional<std::pair<TBackgroundMode, TColor>> appliedBackground_;
    // Built by the first text drawn or measured in a font: measuring a
    // font afresh on every call cost a font lookup each.
    mutable TPlatformFonts fonts_;
};
