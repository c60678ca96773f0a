#pragma once

#include "chart/canvas/chart_canvas.h"
#include "chart/canvas/projection.h"

#include <array>
#include <vector>

class QPaintDevice;
class QRegion;
class TView3DOptions;

// Adds to the 2D interface the paint frame (buffered display), the 3D
// projection and the operations that take a depth. With the chart's 3D view
// off every "AtZ" operation draws exactly what its 2D sibling draws and the
// depth is ignored. The 3D operations are built here from the 2D primitives
// and the projection, so every implementation shares them.
class TCanvas3D : public TChartCanvas
{
public:
    // --- paint frame --------------------------------------------------
    // Begins a paint onto `target` (the window or any device) into the
    // destination rectangle; returns the rectangle to draw into.
    virtual TRect StartFrame(QPaintDevice* target, const TView3DOptions* options, const TRect& destination,
                             bool is3D) = 0;
    // Ends the paint: a buffered canvas copies its buffer to `destination`
    // with its top-left at rect's top-left.
    virtual void EndFrame(QPaintDevice* destination, const TRect& rect) = 0;
    // Copies the pieces of area (window pixels) from a still valid buffer to
    // the window and returns true; false when there is nothing valid to copy.
    virtual bool RepaintFromBuffer(const QRegion& area) = 0;
    // Copies the monochrome flag.
    void Assign(const TCanvas3D& other) { SetMonochromeFlag(other.IsMonochrome()); }
    // Device units per logical pixel when drawing straight onto a device
    // (printers, vector files); 1 on the screen, whose buffer follows the
    // screen's own pixel ratio.
    double DeviceScale() const { return deviceScale_; }
    void SetDeviceScale(double value) { deviceScale_ = value; }
    // Frames go straight onto their target, past the buffer, which keeps
    // the window's picture (and its dirty flag) for the window.
    bool DrawsDirect() const { return direct_; }
    void SetDrawsDirect(bool value) { direct_ = value; }

    // --- projection ---------------------------------------------------
    virtual bool SupportsFull3D() const { return false; }
    virtual bool SupportsFullRotation() const { return false; }
    void SetProjection(int depth, const TRect& bounds, const TRect& plot);
    TPoint ProjectPoint(int x, int y, int z) const { return projection_.Project(x, y, z); }
    void UnprojectPoint(int& x, int& y, int z) const { projection_.Unproject(x, y, z); }
    const TProjection& Projection() const { return projection_; }
    bool Is3D() const { return projection_.Is3D(); }
    // What is drawn between these two is not projected.
    void BeginFlatDrawing();
    void EndFlatDrawing();

    // --- drawing with depth ----------------------------------------
    // With a pen wider than 1: a zero-length line with the pen.
    virtual void SetPixelAtZ(int x, int y, int z, TColor c);
    void MoveToAtZ(int x, int y, int z);
    void LineToAtZ(int x, int y, int z);
    void LineAtZ(int x0, int y0, int x1, int y1, int z);
    void HLineAtZ(int x0, int x1, int y, int z);
    void VLineAtZ(int x, int y0, int y1, int z);
    // Line in depth from (x, y, z0) to (x, y, z1).
    void DepthLine(int x, int y, int z0, int z1);
    // One pixel larger than Ellipse in 2D: box (left, top, right + 1, bottom + 1).
    void EllipseAtZ(int left, int top, int right, int bottom, int z);
    void RectAtZ(const TRect& r, int z);
    // Same as Polygon; the depth is not applied.
    void PolygonAtZ(std::span<const TPoint> points, int z);
    void TextOutAtZ(int x, int y, const QString& text, int z);
    void TextAtAngleZ(int x, int y, const QString& text, int angle, int z);
    void TriangleAtZ(TPoint p0, TPoint p1, TPoint p2, int z);
    void TriangleAtDepth(TPoint3D p0, TPoint3D p1, TPoint3D p2);
    // Any four corners at one depth.
    void PlaneAtZ(TPoint p0, TPoint p1, TPoint p2, TPoint p3, int z);
    // The plane swept by the line p0-p1 from depth z0 to z1.
    void PlaneAtDepth(TPoint p0, TPoint p1, int z0, int z1);
    void QuadAtZ(const std::array<TPoint3D, 4>& corners);
    // Horizontal face at height y from left to right and z0 to z1.
    void HorizFaceAtZ(int left, int right, int y, int z0, int z1);
    // Vertical face at x from top to bottom and z0 to z1.
    void DepthFace(int x, int top, int bottom, int z0, int z1);
    // Surfaces are not drawn by this canvas family.
    void SurfaceAtZ(std::span<const TPoint3D> /*points*/) {}
    // Nothing is drawn when from and to coincide.
    void Arrow(bool filled, TPoint from, TPoint to, int headWidth, int headLength, int z);
    // 2D: clip to (Left + 1, Top + 1, Right, Bottom - 1).
    void ClipToPlot(const TRect& r, int minZ, int maxZ);
    void SolidCube(const TRect& box, int z0, int z1, bool dark);
    void SolidCone(const TRect& box, int z0, int z1, bool dark);
    void SolidCylinder(const TRect& box, int z0, int z1, bool dark);
    void Pyramid(const TRect& box, int z0, int z1, bool dark);
    void SolidSphere(TPoint centre, int radius, int z);
    // Pie slice of the ellipse around centre, angles in degrees
    // counter-clockwise, front at z0 and back at z1.
    void PieAtZ(TPoint centre, int xRadius, int yRadius, int z0, int z1, double startAngle, double endAngle,
                bool darkSides);

protected:
    void BeginProjection(const TView3DOptions* options, bool is3D) { projection_.Begin(options, is3D); }
    // The font text is drawn with: the canvas font, scaled by the zoom when
    // zoomed text is on and the zoom is not 1.
    TFont TextFont() const;

private:
    struct TSolidFace
    {
        std::vector<TPoint3D> Corners;
        int Darken = 0; // darkening of the brush when the solid is dark
    };
    void FilledFace(std::span<const TPoint> corners, int darkenBy, bool dark);
    // Draws the faces of a convex solid that are turned towards the viewer.
    void DrawConvexSolid(std::vector<TSolidFace> faces, bool dark);
    void DrawPyramid(const TRect& box, int z0, int z1, bool dark, int frontDarkening);

    TProjection projection_;
    bool saved3D_ = false;
    double deviceScale_ = 1.0;
    bool direct_ = false;
};
