#pragma once

#include "chart/canvas/rect.h"

class TView3DOptions;

// Maps chart points with depth onto the surface. In a 2D chart (3D flag
// off) it is the identity and the depth is ignored. An orthogonal 3D view
// shifts a point by its depth (right and up); the free 3D view rotates it
// about the projection centre.
//
// Free view, in this program's own convention: the point relative to the
// centre is rotated about the vertical axis by Rotation, then about the
// horizontal axis by Elevation, then in the screen plane by Tilt (degrees);
// with a perspective it is scaled by zoom * (1 - factor * depth') where
// depth' is the rotated depth, the scale being kept at 5 % at least so that
// points behind the eye do not flip over.
class TProjection
{
public:
    // Start of a paint: takes the chart's 3D flag and options (may be null).
    void Begin(const TView3DOptions* options, bool is3D);
    // Centre of the projection from the plot rectangle and the chart depth.
    void SetProjection(int depth, const TRect& bounds, const TRect& plot);

    TPoint Project(int x, int y, int z) const;
    // Inverse of Project at the given depth; unchanged in 2D and with a
    // zero zoom.
    void Unproject(int& x, int& y, int z) const;

    bool Is3D() const { return is3D_; }
    void SetIs3D(bool v) { is3D_ = v; }
    bool IsOrthogonal() const { return orthogonal_; }
    double Zoom() const { return zoom_; }
    bool ZoomText() const { return zoomText_; }
    const TView3DOptions* Options() const { return options_; }
    int CentreX() const { return centreX_; }
    int CentreY() const { return centreY_; }
    int CentreZ() const { return centreZ_; }

private:
    struct TRotation
    {
        double XX = 1, XY = 0, XZ = 0; // x' = XX*x + XY*y + XZ*z
        double YX = 0, YY = 1, YZ = 0; // y' = ...
        double ZX = 0, ZY = 0, ZZ = 1; // depth after rotation
    };
    void CalcRotation();

    const TView3DOptions* options_ = nullptr;
    bool is3D_ = false;
    bool orthogonal_ = false;
    bool zoomText_ = true;
    double zoom_ = 1.0;
    double perspective_ = 0;
    int centreX_ = 0;
    int centreY_ = 0;
    int centreZ_ = 0;
    int xOffset_ = 0;
    int yOffset_ = 0;
    TRotation rot_;
};
