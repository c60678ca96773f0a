#pragma once

#include "chart/canvas/canvas3d.h"

#include <QString>

#include <vector>

// One logged canvas operation with the state it was drawn with.
struct TCanvasOp
{
    QString Name;             // the operation, e.g. "Rectangle", "LineTo", "TextOut"
    std::vector<int> Args;    // integer arguments in call order (LineTo: from x, from y, to x, to y)
    std::vector<TPoint> Points; // Polygon, ClipToPolygon
    std::vector<TColor> Colours; // SetPixel, BevelFrame, FillGradient
    QString Text;             // text operations
    TCanvasPen Pen;
    TCanvasBrush Brush;
    TFont Font;
    int TextAlign = 0;
    TBackgroundMode BackgroundMode = bmTransparent;
    TColor BackgroundColour = clWhite;
};

// A canvas that draws nothing and logs every primitive, so that tests of
// series, axes, legend and panel can check drawing order and geometry
// without fonts or pixels. Text has fixed metrics: 7 pixels per character
// wide and 13 pixels high. The 3D operations of TCanvas3D log the 2D
// primitives they are made of.
//
// Logged names: SetPixel (x, y), Arc (box, start, end), Draw / DrawScaled
// (x, y, w, h of the picture's place), Ellipse (l, t, r, b), FillRect
// (rect), BevelFrame (rect, width; colours), LineTo (from x, from y, x, y),
// Pie (box, start, end), Rectangle (l, t, r, b), RoundRect (box, cw, ch),
// TextOut (x, y), TextAtAngle (x, y, angle), ClipToRect (rect),
// ClipToPolygon, RemoveClip, FillGradient (rect, direction; colours),
// Polygon (points), StartFrame (destination), EndFrame (rect).
// MoveTo is not logged: LineTo carries its start point.
class TRecordingCanvas final : public TCanvas3D
{
public:
    static constexpr int CharWidth = 7;
    static constexpr int LineHeight = 13;

    const std::vector<TCanvasOp>& Ops() const { return ops_; }
    void ClearOps() { ops_.clear(); }
    // The operations with the given name, in order.
    std::vector<TCanvasOp> OpsNamed(const QString& name) const;
    // The names of all operations, in order.
    QStringList OpNames() const;

    QPainter* DrawingSurface() const override { return nullptr; }
    void SetPixel(int x, int y, TColor c) override;
    void Arc(const TRect& box, TPoint start, TPoint end) override;
    void Draw(int x, int y, const QImage& picture) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(const TRect& r) override;
    void BevelFrame(TRect& rect, TColor topLeft, TColor bottomRight, int width) override;
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

    TRect StartFrame(QPaintDevice* target, const TView3DOptions* options, const TRect& destination,
                     bool is3D) override;
    void EndFrame(QPaintDevice* destination, const TRect& rect) override;
    bool RepaintFromBuffer(const QRegion& area) override;

private:
    TCanvasOp& Log(const QString& name, std::vector<int> args);

    std::vector<TCanvasOp> ops_;
};
