#pragma once

#include "chart/canvas/canvas_state.h"
#include "chart/canvas/chart_font.h"
#include "chart/canvas/drawing_styles.h"
#include "chart/canvas/rect.h"

#include <QImage>
#include <QString>

#include <span>

class QPainter;
class TChartPen;

// The 2D drawing interface every chart part draws through, with the text
// measurement. Coordinates are integer pixels; rectangles exclude their
// Right and Bottom edges, lines exclude their end point.
//
// The current pen, brush and font are plain values the parts set before
// drawing (canvas.Brush().Color = clRed); AssignVisiblePen() applies a
// chart pen by the chart's rule. Implementations: TChartCanvas3D (QPainter)
// and TRecordingCanvas (logs operations, for tests).
class TChartCanvas
{
public:
    TChartCanvas() = default;
    virtual ~TChartCanvas() = default;
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;

    // --- state --------------------------------------------------------
    TCanvasPen& Pen() { return pen_; }
    const TCanvasPen& Pen() const { return pen_; }
    TCanvasBrush& Brush() { return brush_; }
    const TCanvasBrush& Brush() const { return brush_; }
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }

    // The chart-pen rule: an invisible pen only clears the pen style; a
    // one-pixel pen with SmallDots becomes the alternate-pixel pen in its
    // resolved colour; otherwise colour, width, style and mode are taken.
    void AssignVisiblePen(const TChartPen& pen);
    // Pen black, width 1, solid; brush white, solid; font black, size 10;
    // background white, transparent.
    void ResetState();

    TColor BackgroundColour() const { return backColour_; }
    TBackgroundMode BackgroundMode() const { return backMode_; }
    // The platform drawing context while a frame or device is open, else null.
    virtual QPainter* DrawingSurface() const = 0;
    bool IsMonochrome() const { return monochrome_; }
    int GetTextAlign() const { return textAlign_; }
    bool GetUseBuffer() const { return buffered_; }
    // True until a buffered paint has completed since the last Invalidate.
    bool IsDirty() const { return dirty_; }
    TPoint PenPos() const { return penPos_; }

    // System colours are resolved when stored.
    void SetBackColor(TColor c);
    void SetBackgroundMode(TBackgroundMode mode) { backMode_ = mode; }
    virtual void SetMonochromeFlag(bool v);
    void SetTextAlign(int flags) { textAlign_ = flags; }
    virtual void SetBuffered(bool v);

    // --- drawing ------------------------------------------------------
    virtual void SetPixel(int x, int y, TColor c) = 0;
    // Elliptic arc in box, counter-clockwise from the ray through start to
    // the ray through end.
    virtual void Arc(const TRect& box, TPoint start, TPoint end) = 0;
    // A picture at its own size, top-left at (x, y); nothing when null.
    virtual void Draw(int x, int y, const QImage& picture) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // Fills with the brush, no outline.
    virtual void FillRect(const TRect& r) = 0;
    // `width` one-pixel frames, top-left edges in topLeft, bottom-right in
    // bottomRight; rect comes back shrunk by width on every side.
    virtual void BevelFrame(TRect& rect, TColor topLeft, TColor bottomRight, int width);
    virtual void LineTo(int x, int y) = 0;
    virtual void MoveTo(int x, int y) { penPos_ = {x, y}; }
    virtual void Pie(const TRect& box, TPoint start, TPoint end) = 0;
    // Outline with the pen, fill with the brush; right and bottom exclusive.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    virtual void RoundRect(const TRect& box, int cornerWidth, int cornerHeight) = 0;
    virtual void DrawScaled(const TRect& r, const QImage& picture) = 0;
    // Text at (x, y), the point of its box chosen by the alignment flags.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int MeasureWidth(const QString& text) const = 0;
    virtual int MeasureHeight(const QString& text) const = 0;
    // Height of one text line: MeasureHeight("W").
    int TextLineHeight() const { return MeasureHeight(QStringLiteral("W")); }
    // Intersects the clip region with r.
    virtual void ClipToRect(const TRect& r) = 0;
    // Intersects the clip region with a polygon (3D plot clipping).
    virtual void ClipToPolygon(std::span<const TPoint> points) = 0;
    virtual void RemoveClip() = 0;
    virtual void HLine(int x0, int x1, int y);
    virtual void VLine(int x, int y0, int y1);
    virtual void Line(int x0, int y0, int x1, int y1);
    void PlainRect(const TRect& r) { Rectangle(r); }
    void ClearRect(const TRect& r) { FillRect(r); }
    virtual void FillGradient(const TRect& r, TColor start, TColor end, TGradientDirection direction) = 0;
    // Closed polygon, outline with the pen, fill with the brush.
    virtual void Polygon(std::span<const TPoint> points) = 0;
    // Text turned `angle` degrees counter-clockwise about (x, y); sets the
    // brush style to bsClear.
    virtual void TextAtAngle(int x, int y, const QString& text, int angle) = 0;
    // Marks the buffer dirty.
    void Invalidate() { dirty_ = true; }

protected:
    void SetPenPos(TPoint p) { penPos_ = p; }
    void SetDirty(bool v) { dirty_ = v; }

private:
    TCanvasPen pen_;
    TCanvasBrush brush_;
    TFont font_;
    TColor backColour_ = clWhite;
    TBackgroundMode backMode_ = bmTransparent;
    int textAlign_ = TextAlignLeft | TextAlignTop;
    bool monochrome_ = false;
    bool buffered_ = true;
    bool dirty_ = true;
    TPoint penPos_;
};

// Angles above 360 degrees are brought back by whole turns (450 -> 90).
int ReducedTextAngle(int angle);
