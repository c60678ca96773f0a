#include "chart/canvas/projection.h"

#include "chart/canvas/geometry.h"
#include "chart/canvas/pixel_math.h"
#include "chart/canvas/view3d_options.h"

#include <algorithm>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kMinScale = 0.05;

} // namespace

void TProjection::Begin(const TView3DOptions* options, bool is3D)
{
    options_ = options;
    is3D_ = is3D;
    orthogonal_ = false;
    zoom_ = 1.0;
    zoomText_ = true;
    if (is3D && options) {
        orthogonal_ = options->Orthogonal();
        zoom_ = options->Zoom() * 0.01;
        zoomText_ = options->ZoomText();
        CalcRotation();
    }
}

void TProjection::CalcRotation()
{
    const TSineCosine e = SineCosine(options_->Elevation() * kDegree);
    const TSineCosine r = SineCosine(options_->Rotation() * kDegree);
    const TSineCosine t = SineCosine(options_->Tilt() * kDegree);
    // About the vertical axis by rotation: (x, z) turn, y stays.
    // About the horizontal axis by elevation: (y, z) turn.
    // In the screen plane by tilt: (x, y) turn.
    const double ax = r.Cosine, az = r.Sine;                  // x1 = ax*x + az*z
    const double bx = -r.Sine, bz = r.Cosine;                 // z1 = bx*x + bz*z
    const double y2y = e.Cosine, y2z = -e.Sine;               // y2 = y2y*y + y2z*z1
    const double z2y = e.Sine, z2z = e.Cosine;                // z2 = z2y*y + z2z*z1
    rot_.XX = t.Cosine * ax - t.Sine * (y2z * bx);
    rot_.XY = -t.Sine * y2y;
    rot_.XZ = t.Cosine * az - t.Sine * (y2z * bz);
    rot_.YX = t.Sine * ax + t.Cosine * (y2z * bx);
    rot_.YY = t.Cosine * y2y;
    rot_.YZ = t.Sine * az + t.Cosine * (y2z * bz);
    rot_.ZX = z2z * bx;
    rot_.ZY = z2y;
    rot_.ZZ = z2z * bz;
}

void TProjection::SetProjection(int depth, const TRect& /*bounds*/, const TRect& plot)
{
    const TPoint c = CentreOfRect(plot);
    centreX_ = c.X;
    centreY_ = c.Y;
    centreZ_ = depth / 2;
    xOffset_ = centreX_;
    yOffset_ = centreY_;
    perspective_ = 0;
    if (options_) {
        xOffset_ += options_->HorizOffset();
        yOffset_ += options_->VertOffset();
        if (options_->Perspective() > 0)
            perspective_ = options_->Perspective() / 35000.0;
    }
}

TPoint TProjection::Project(int x, int y, int z) const
{
    if (!is3D_)
        return {x, y};
    if (orthogonal_) {
        return {RoundPixel(zoom_ * (double(x) + z - centreX_)) + xOffset_,
                RoundPixel(zoom_ * (double(y) - centreY_ - z)) + yOffset_};
    }
    const double px = double(x) - centreX_;
    const double py = double(y) - centreY_;
    const double pz = double(z) - centreZ_;
    double scale = zoom_;
    if (perspective_ > 0) {
        const double depth = rot_.ZX * px + rot_.ZY * py + rot_.ZZ * pz;
        scale *= std::max(kMinScale, 1.0 - perspective_ * depth);
    }
    return {RoundPixel(scale * (rot_.XX * px + rot_.XY * py + rot_.XZ * pz)) + xOffset_,
            RoundPixel(scale * (rot_.YX * px + rot_.YY * py + rot_.YZ * pz)) + yOffset_};
}

void TProjection::Unproject(int& x, int& y, int z) const
{
    if (!is3D_ || zoom_ == 0)
        return;
    if (orthogonal_) {
        const int ux = RoundPixel((x - xOffset_) / zoom_) + centreX_ - z;
        const int uy = z + RoundPixel((y - yOffset_) / zoom_) + centreY_;
        x = ux;
        y = uy;
        return;
    }
    // Free view: solve the linear part for (x, y) at the given depth; the
    // perspective is left out, which is close enough for picking.
    const double sx = (x - xOffset_) / zoom_ - rot_.XZ * (double(z) - centreZ_);
    const double sy = (y - yOffset_) / zoom_ - rot_.YZ * (double(z) - centreZ_);
    const double det = rot_.XX * rot_.YY - rot_.XY * rot_.YX;
    if (det == 0)
        return;
    x = RoundPixel((sx * rot_.YY - sy * rot_.XY) / det) + centreX_;
    y = RoundPixel((rot_.XX * sy - rot_.YX * sx) / det) + centreY_;
}
