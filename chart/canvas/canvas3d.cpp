#include "chart/canvas/canvas3d.h"

#include "chart/canvas/pixel_math.h"
#include "chart/canvas/view3d_options.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int kSideDarkening = 128;
constexpr int kTopDarkening = 64;
constexpr int kPieSideDarkening = 32;
constexpr int kEllipseRingPoints = 64;
constexpr int kCylinderSides = 16;

// Convex hull (monotone chain), counter-clockwise, of a handful of points.
std::vector<TPoint> ConvexHull(std::vector<TPoint> p)
{
    std::sort(p.begin(), p.end(), [](TPoint a, TPoint b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; });
    p.erase(std::unique(p.begin(), p.end()), p.end());
    if (p.size() < 3)
        return p;
    auto cross = [](TPoint o, TPoint a, TPoint b) {
        return double(a.X - o.X) * (b.Y - o.Y) - double(a.Y - o.Y) * (b.X - o.X);
    };
    std::vector<TPoint> hull(2 * p.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p[i]) <= 0)
            --k;
        hull[k++] = p[i];
    }
    for (std::size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], p[i - 1]) <= 0)
            --k;
        hull[k++] = p[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

struct TVector3
{
    double X = 0, Y = 0, Z = 0;
};

template <typename TFaces>
TVector3 CentreOfSolid(const TFaces& faces)
{
    TVector3 sum;
    int count = 0;
    for (const auto& f : faces) {
        for (const TPoint3D& p : f.Corners) {
            sum = {sum.X + p.X, sum.Y + p.Y, sum.Z + p.Z};
            ++count;
        }
    }
    return count == 0 ? sum : TVector3{sum.X / count, sum.Y / count, sum.Z / count};
}

// True when the turn of the first three corners points away from the
// solid's centre (the face is listed clockwise seen from outside).
bool FacesAwayFrom(const std::vector<TPoint3D>& c, const TVector3& centre)
{
    const TVector3 u{double(c[1].X - c[0].X), double(c[1].Y - c[0].Y), double(c[1].Z - c[0].Z)};
    const TVector3 v{double(c[2].X - c[1].X), double(c[2].Y - c[1].Y), double(c[2].Z - c[1].Z)};
    const TVector3 n{u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X};
    return n.X * (centre.X - c[0].X) + n.Y * (centre.Y - c[0].Y) + n.Z * (centre.Z - c[0].Z) < 0;
}

// Twice the signed area of a screen polygon (positive: clockwise on screen).
double SignedArea(const std::vector<TPoint>& p)
{
    double area = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const TPoint& q = p[(i + 1) % p.size()];
        area += double(p[i].X) * q.Y - double(q.X) * p[i].Y;
    }
    return area;
}

} // namespace

void TCanvas3D::SetProjection(int depth, const TRect& bounds, const TRect& plot)
{
    projection_.SetProjection(depth, bounds, plot);
}

void TCanvas3D::BeginFlatDrawing()
{
    saved3D_ = projection_.Is3D();
    projection_.SetIs3D(false);
}

void TCanvas3D::EndFlatDrawing()
{
    projection_.SetIs3D(saved3D_);
}

TFont TCanvas3D::TextFont() const
{
    const double zoom = projection_.Zoom();
    if (!projection_.ZoomText() || zoom == 1.0)
        return Font();
    return Font().WithSize(std::max(1, RoundPixel(Font().Size * zoom)));
}

void TCanvas3D::SetPixelAtZ(int x, int y, int z, TColor c)
{
    const TPoint p = ProjectPoint(x, y, z);
    if (Pen().Width > 1) {
        MoveTo(p.X, p.Y);
        LineTo(p.X, p.Y);
    } else {
        SetPixel(p.X, p.Y, c);
    }
}

void TCanvas3D::MoveToAtZ(int x, int y, int z)
{
    const TPoint p = ProjectPoint(x, y, z);
    MoveTo(p.X, p.Y);
}

void TCanvas3D::LineToAtZ(int x, int y, int z)
{
    const TPoint p = ProjectPoint(x, y, z);
    LineTo(p.X, p.Y);
}

void TCanvas3D::LineAtZ(int x0, int y0, int x1, int y1, int z)
{
    if (!Is3D())
        return Line(x0, y0, x1, y1);
    MoveToAtZ(x0, y0, z);
    LineToAtZ(x1, y1, z);
}

void TCanvas3D::HLineAtZ(int x0, int x1, int y, int z)
{
    if (!Is3D())
        return HLine(x0, x1, y);
    MoveToAtZ(x0, y, z);
    LineToAtZ(x1, y, z);
}

void TCanvas3D::VLineAtZ(int x, int y0, int y1, int z)
{
    if (!Is3D())
        return VLine(x, y0, y1);
    MoveToAtZ(x, y0, z);
    LineToAtZ(x, y1, z);
}

void TCanvas3D::DepthLine(int x, int y, int z0, int z1)
{
    MoveToAtZ(x, y, z0);
    LineToAtZ(x, y, z1);
}

void TCanvas3D::EllipseAtZ(int left, int top, int right, int bottom, int z)
{
    if (!Is3D())
        return Ellipse(left, top, right + 1, bottom + 1);
    if (projection_.IsOrthogonal()) {
        const TPoint a = ProjectPoint(left, top, z);
        const TPoint b = ProjectPoint(right, bottom, z);
        return Ellipse(a.X, a.Y, b.X, b.Y);
    }
    // Free view: the projected ring, filled without outline, then outlined.
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0;
    const double ry = (bottom - top) / 2.0;
    std::vector<TPoint> ring;
    ring.reserve(kEllipseRingPoints);
    for (int i = 0; i < kEllipseRingPoints; ++i) {
        const double a = 2 * std::numbers::pi * i / kEllipseRingPoints;
        ring.push_back(ProjectPoint(RoundPixel(cx + rx * std::cos(a)), RoundPixel(cy + ry * std::sin(a)), z));
    }
    const TCanvasPen saved = Pen();
    Pen().Style = psClear;
    Polygon(ring);
    Pen() = saved;
    MoveTo(ring.back().X, ring.back().Y);
    for (const TPoint& p : ring)
        LineTo(p.X, p.Y);
}

void TCanvas3D::RectAtZ(const TRect& r, int z)
{
    if (!Is3D())
        return Rectangle(r);
    PlaneAtZ({r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}, z);
}

void TCanvas3D::PolygonAtZ(std::span<const TPoint> points, int /*z*/)
{
    Polygon(points);
}

void TCanvas3D::TextOutAtZ(int x, int y, const QString& text, int z)
{
    if (!Is3D())
        return TextOut(x, y, text);
    const TPoint p = ProjectPoint(x, y, z);
    const TFont saved = Font();
    Font() = TextFont();
    TextOut(p.X, p.Y, text);
    Font() = saved;
}

void TCanvas3D::TextAtAngleZ(int x, int y, const QString& text, int angle, int z)
{
    const TPoint p = ProjectPoint(x, y, z);
    TextAtAngle(p.X, p.Y, text, angle);
}

void TCanvas3D::TriangleAtZ(TPoint p0, TPoint p1, TPoint p2, int z)
{
    const std::array<TPoint, 3> c{ProjectPoint(p0.X, p0.Y, z), ProjectPoint(p1.X, p1.Y, z),
                                  ProjectPoint(p2.X, p2.Y, z)};
    Polygon(c);
}

void TCanvas3D::TriangleAtDepth(TPoint3D p0, TPoint3D p1, TPoint3D p2)
{
    const std::array<TPoint, 3> c{ProjectPoint(p0.X, p0.Y, p0.Z), ProjectPoint(p1.X, p1.Y, p1.Z),
                                  ProjectPoint(p2.X, p2.Y, p2.Z)};
    Polygon(c);
}

void TCanvas3D::PlaneAtZ(TPoint p0, TPoint p1, TPoint p2, TPoint p3, int z)
{
    QuadAtZ({{{p0.X, p0.Y, z}, {p1.X, p1.Y, z}, {p2.X, p2.Y, z}, {p3.X, p3.Y, z}}});
}

void TCanvas3D::PlaneAtDepth(TPoint p0, TPoint p1, int z0, int z1)
{
    QuadAtZ({{{p0.X, p0.Y, z0}, {p1.X, p1.Y, z0}, {p1.X, p1.Y, z1}, {p0.X, p0.Y, z1}}});
}

void TCanvas3D::QuadAtZ(const std::array<TPoint3D, 4>& corners)
{
    std::array<TPoint, 4> p;
    for (std::size_t i = 0; i < 4; ++i)
        p[i] = ProjectPoint(corners[i].X, corners[i].Y, corners[i].Z);
    Polygon(p);
}

void TCanvas3D::HorizFaceAtZ(int left, int right, int y, int z0, int z1)
{
    QuadAtZ({{{left, y, z0}, {right, y, z0}, {right, y, z1}, {left, y, z1}}});
}

void TCanvas3D::DepthFace(int x, int top, int bottom, int z0, int z1)
{
    QuadAtZ({{{x, top, z0}, {x, top, z1}, {x, bottom, z1}, {x, bottom, z0}}});
}

void TCanvas3D::Arrow(bool filled, TPoint from, TPoint to, int headWidth, int headLength, int z)
{
    const double dx = to.X - from.X;
    const double dy = to.Y - from.Y;
    const double distance = std::hypot(dx, dy);
    if (distance == 0)
        return;
    const double ux = dx / distance;
    const double uy = dy / distance;
    const int length = std::min(RoundPixel(distance), headLength);
    const double bx = to.X - ux * length;
    const double by = to.Y - uy * length;
    // Offset across the line (to its left) by `across` pixels.
    auto at = [&](double x, double y, double across) {
        return TPoint{RoundPixel(x - uy * across), RoundPixel(y + ux * across)};
    };
    const TPoint corner1 = at(bx, by, headWidth / 2.0);
    const TPoint corner2 = at(bx, by, -headWidth / 2.0);
    if (!filled) {
        LineAtZ(from.X, from.Y, to.X, to.Y, z);
        LineAtZ(to.X, to.Y, corner1.X, corner1.Y, z);
        LineAtZ(to.X, to.Y, corner2.X, corner2.Y, z);
        return;
    }
    const double quarter = headWidth / 4.0;
    std::array<TPoint, 7> shape{at(from.X, from.Y, quarter), at(bx, by, quarter), corner1, to, corner2,
                                at(bx, by, -quarter), at(from.X, from.Y, -quarter)};
    for (TPoint& p : shape)
        p = ProjectPoint(p.X, p.Y, z);
    Polygon(shape);
}

void TCanvas3D::ClipToPlot(const TRect& r, int minZ, int maxZ)
{
    if (!Is3D())
        return ClipToRect({r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1});
    const TView3DOptions* o = projection_.Options();
    if (o && o->Elevation() == 270 && (o->Rotation() == 270 || o->Rotation() == 360)) {
        const TPoint a = ProjectPoint(r.Left, r.Top, minZ);
        const TPoint b = ProjectPoint(r.Right, r.Top, maxZ);
        return ClipToRect(TRect{a.X, a.Y, b.X, b.Y}.Normalised());
    }
    std::vector<TPoint> corners;
    for (int z : {minZ, maxZ}) {
        corners.push_back(ProjectPoint(r.Left, r.Top, z));
        corners.push_back(ProjectPoint(r.Right, r.Top, z));
        corners.push_back(ProjectPoint(r.Right, r.Bottom, z));
        corners.push_back(ProjectPoint(r.Left, r.Bottom, z));
    }
    ClipToPolygon(ConvexHull(std::move(corners)));
}

void TCanvas3D::FilledFace(std::span<const TPoint> corners, int darkenBy, bool dark)
{
    const TCanvasBrush savedBrush = Brush();
    const TColor savedBack = BackgroundColour();
    if (dark && darkenBy > 0) {
        if (Brush().Style == bsSolid)
            Brush().Color = DarkenColour(Brush().Color, darkenBy);
        else
            SetBackColor(DarkenColour(savedBack, darkenBy));
    }
    Polygon(corners);
    Brush() = savedBrush;
    SetBackColor(savedBack);
}

void TCanvas3D::DrawConvexSolid(std::vector<TSolidFace> faces, bool dark)
{
    // Orient every face so that its corners turn the same way seen from
    // outside; a face is then in view exactly when its projection keeps
    // that turn (positive area on the screen, whose Y grows downwards).
    const TVector3 centre = CentreOfSolid(faces);
    for (TSolidFace& f : faces) {
        if (f.Corners.size() < 3)
            continue;
        if (FacesAwayFrom(f.Corners, centre))
            std::reverse(f.Corners.begin(), f.Corners.end());
        std::vector<TPoint> projected;
        projected.reserve(f.Corners.size());
        for (const TPoint3D& p : f.Corners)
            projected.push_back(ProjectPoint(p.X, p.Y, p.Z));
        if (SignedArea(projected) > 0)
            FilledFace(projected, f.Darken, dark);
    }
}

void TCanvas3D::SolidCube(const TRect& box, int z0, int z1, bool dark)
{
    const TRect b = box.Normalised();
    const int l = b.Left, t = b.Top, r = b.Right, m = b.Bottom;
    DrawConvexSolid({{{{l, t, z0}, {r, t, z0}, {r, m, z0}, {l, m, z0}}, 0},
                     {{{l, t, z1}, {r, t, z1}, {r, m, z1}, {l, m, z1}}, 0},
                     {{{l, t, z0}, {r, t, z0}, {r, t, z1}, {l, t, z1}}, kTopDarkening},
                     {{{l, m, z0}, {r, m, z0}, {r, m, z1}, {l, m, z1}}, kTopDarkening},
                     {{{l, t, z0}, {l, m, z0}, {l, m, z1}, {l, t, z1}}, kSideDarkening},
                     {{{r, t, z0}, {r, m, z0}, {r, m, z1}, {r, t, z1}}, kSideDarkening}},
                    dark);
}

void TCanvas3D::Pyramid(const TRect& box, int z0, int z1, bool dark)
{
    DrawPyramid(box, z0, z1, dark, 0);
}

void TCanvas3D::DrawPyramid(const TRect& box, int z0, int z1, bool dark, int frontDarkening)
{
    const TRect b = box.Normalised();
    const int l = b.Left, r = b.Right, m = b.Bottom;
    const TPoint3D apex{(l + r) / 2, b.Top, z0 + (z1 - z0) / 2};
    DrawConvexSolid({{{{l, m, z0}, apex, {r, m, z0}}, frontDarkening},
                     {{{r, m, z0}, apex, {r, m, z1}}, kSideDarkening},
                     {{{r, m, z1}, apex, {l, m, z1}}, kSideDarkening},
                     {{{l, m, z1}, apex, {l, m, z0}}, kSideDarkening},
                     {{{l, m, z0}, {r, m, z0}, {r, m, z1}, {l, m, z1}}, kTopDarkening}},
                    dark);
}

void TCanvas3D::SolidCone(const TRect& box, int z0, int z1, bool dark)
{
    // A cone is shown as a pyramid whose faces are all shaded.
    DrawPyramid(box, z0, z1, dark, kTopDarkening);
}

void TCanvas3D::SolidCylinder(const TRect& box, int z0, int z1, bool dark)
{
    // A prism of kCylinderSides sides around the vertical axis; sides that
    // face more sideways than forwards are shaded.
    const TRect b = box.Normalised();
    const double cx = (b.Left + b.Right) / 2.0;
    const double rx = b.Width() / 2.0;
    const double cz = (z0 + z1) / 2.0;
    const double rz = std::abs(z1 - z0) / 2.0;
    std::vector<TPoint3D> ring;
    for (int i = 0; i < kCylinderSides; ++i) {
        const double a = 2 * std::numbers::pi * i / kCylinderSides;
        ring.push_back({RoundPixel(cx + rx * std::cos(a)), 0, RoundPixel(cz - rz * std::sin(a))});
    }
    std::vector<TSolidFace> faces;
    TSolidFace top{{}, kTopDarkening};
    TSolidFace bottom{{}, kTopDarkening};
    for (int i = 0; i < kCylinderSides; ++i) {
        const TPoint3D p = ring[std::size_t(i)];
        const TPoint3D q = ring[std::size_t((i + 1) % kCylinderSides)];
        const double mid = 2 * std::numbers::pi * (i + 0.5) / kCylinderSides;
        const bool sideways = std::abs(std::cos(mid)) > std::abs(std::sin(mid));
        faces.push_back({{{p.X, b.Top, p.Z}, {q.X, b.Top, q.Z}, {q.X, b.Bottom, q.Z}, {p.X, b.Bottom, p.Z}},
                         sideways ? kSideDarkening : 0});
        top.Corners.push_back({p.X, b.Top, p.Z});
        bottom.Corners.push_back({p.X, b.Bottom, p.Z});
    }
    faces.push_back(std::move(top));
    faces.push_back(std::move(bottom));
    DrawConvexSolid(std::move(faces), dark);
}

void TCanvas3D::SolidSphere(TPoint centre, int radius, int z)
{
    EllipseAtZ(centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius, z);
}

void TCanvas3D::PieAtZ(TPoint centre, int xRadius, int yRadius, int z0, int z1, double startAngle,
                       double endAngle, bool darkSides)
{
    constexpr double kDegree = std::numbers::pi / 180.0;
    const int steps = std::clamp(int(std::abs(endAngle - startAngle) / 5.0) + 2, 2, 90);
    auto slice = [&](int z) {
        std::vector<TPoint> p{ProjectPoint(centre.X, centre.Y, z)};
        for (int i = 0; i <= steps; ++i) {
            const double a = (startAngle + (endAngle - startAngle) * i / steps) * kDegree;
            p.push_back(ProjectPoint(RoundPixel(centre.X + xRadius * std::cos(a)),
                                     RoundPixel(centre.Y - yRadius * std::sin(a)), z));
        }
        return p;
    };
    if (z1 != z0)
        FilledFace(slice(z1), kPieSideDarkening, darkSides);
    FilledFace(slice(z0), 0, darkSides);
}
