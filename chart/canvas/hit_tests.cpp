#include "chart/canvas/hit_tests.h"

#include <array>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// a "clearly before" b: a + t < b.
struct TBefore
{
    int t;
    bool operator()(std::int64_t a, std::int64_t b) const { return a + t < b; }
};

} // namespace

bool HitSegmentWithin(TPoint p, int x0, int y0, int x1, int y1, int tolerance)
{
    // 64-bit: pixel coordinates of far-away points must not overflow here.
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    const std::int64_t m = std::max(std::llabs(dx), std::llabs(dy));
    const std::int64_t c = std::llabs(dy * (std::int64_t(p.X) - x0) - (std::int64_t(p.Y) - y0) * dx);
    if (c >= m)
        return false;

    const TBefore before{tolerance};
    const bool beyond = (before(x1, x0) && before(x0, p.X)) || (before(y1, y0) && before(y0, p.Y))
                        || (before(p.X, x0) && before(x0, x1)) || (before(p.Y, y0) && before(y0, y1))
                        || (before(x0, x1) && before(x1, p.X)) || (before(y0, y1) && before(y1, p.Y))
                        || (before(p.X, x1) && before(x1, x0)) || (before(p.Y, y1) && before(y1, y0));
    return !beyond;
}

bool HitSegment(TPoint p, int x0, int y0, int x1, int y1)
{
    return HitSegmentWithin(p, x0, y0, x1, y1, 0);
}

bool HitPolygon(TPoint p, std::span<const TPoint> points)
{
    if (points.empty())
        return false;
    bool inside = false;
    std::size_t j = points.size() - 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[j];
        const bool spans = (a.Y <= p.Y && p.Y < b.Y) || (b.Y <= p.Y && p.Y < a.Y);
        if (spans) {
            const double crossX = double(b.X - a.X) * double(p.Y - a.Y) / double(b.Y - a.Y) + a.X;
            if (p.X < crossX)
                inside = !inside;
        }
        j = i;
    }
    return inside;
}

bool HitTriangle(TPoint p, int x0, int x1, int yBase, int yApex)
{
    const std::array<TPoint, 3> corners{{{x0, yBase}, {(x0 + x1) / 2, yApex}, {x1, yBase}}};
    return HitPolygon(p, corners);
}

bool HitSideTriangle(TPoint p, int y0, int y1, int xApex, int xBase)
{
    const std::array<TPoint, 3> corners{{{xBase, y0}, {xApex, (y0 + y1) / 2}, {xBase, y1}}};
    return HitPolygon(p, corners);
}

bool HitEllipse(TPoint p, const TRect& r)
{
    const int cx = (r.Left + r.Right) / 2;
    const int cy = (r.Top + r.Bottom) / 2;
    const double a2 = double(cx - r.Left) * double(cx - r.Left);
    const double b2 = double(cy - r.Top) * double(cy - r.Top);
    if (a2 == 0 || b2 == 0)
        return false;
    const double dx = double(p.X) - cx;
    const double dy = double(p.Y) - cy;
    return dx * dx / a2 + dy * dy / b2 <= 1.0;
}
