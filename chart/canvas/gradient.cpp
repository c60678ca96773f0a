#include "chart/canvas/gradient.h"

#include "chart/canvas/pixel_math.h"

#include <algorithm>
#include <utility>

namespace {

struct TColourPair
{
    TColor First;
    TColor Second;
};

TGradientPlan CalcLinear(const TRect& r, TColourPair c, TGradientDirection direction)
{
    const bool vertical = direction == gdTopBottom || direction == gdBottomTop;
    const int extent = vertical ? r.Height() : r.Width();
    TGradientPlan plan;
    if (extent <= 0 || r.IsEmpty())
        return plan;
    const int n = std::min(extent, MaxGradientBands);
    plan.Steps.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        const int a = MulDiv(i, extent, n);
        const int b = MulDiv(i + 1, extent, n);
        TRect band = r;
        switch (direction) {
        case gdTopBottom: band.Top = r.Top + a; band.Bottom = r.Top + b; break;
        case gdBottomTop: band.Top = r.Bottom - b; band.Bottom = r.Bottom - a; break;
        case gdLeftRight: band.Left = r.Left + a; band.Right = r.Left + b; break;
        default: band.Left = r.Right - b; band.Right = r.Right - a; break;
        }
        plan.Steps.push_back({GradientColour(c.First, c.Second, i, n), band, {}, {}});
    }
    return plan;
}

// One-pixel frames from the outside in: the first colour on the outermost
// frame, moving towards the second one by frame.
TGradientPlan CalcFromCenter(const TRect& r, TColourPair c)
{
    TGradientPlan plan{gsFrames, {}};
    const int hw = r.Width() / 2;
    const int hh = r.Height() / 2;
    const int n = hw + hh;
    if (r.IsEmpty())
        return plan;
    for (int k = 0;; ++k) {
        const int rows = std::min(k, hh);
        const int cols = std::min(k, hw);
        const TRect frame{r.Left + cols, r.Top + rows, r.Right - cols, r.Bottom - rows};
        if (!frame.IsEmpty())
            plan.Steps.push_back({GradientColour(c.First, c.Second, rows + cols, n + 1), frame, {}, {}});
        if (rows == hh && cols == hw)
            break;
    }
    return plan;
}

// One-pixel diagonals; the first colour lies at the named corner.
TGradientPlan CalcDiagonal(const TRect& r, TColourPair c, bool fromBottom)
{
    TGradientPlan plan{gsDiagonals, {}};
    const int w = r.Width();
    const int h = r.Height();
    if (r.IsEmpty())
        return plan;
    plan.Steps.reserve(std::size_t(w + h - 1));
    auto y = [&](int j) { return fromBottom ? r.Bottom - 1 - j : r.Top + j; };
    for (int s = 0; s <= w + h - 2; ++s) {
        const int i0 = std::max(0, s - (h - 1));
        const int i1 = std::min(s, w - 1);
        plan.Steps.push_back({GradientColour(c.First, c.Second, s, w + h), {},
                              {r.Left + i0, y(s - i0)}, {r.Left + i1, y(s - i1)}});
    }
    return plan;
}

} // namespace

TColor GradientColour(TColor from, TColor to, int i, int n)
{
    if (n <= 1)
        return from; // a single band is the first colour, not a division by zero
    auto channel = [&](int a, int b) { return std::clamp(a + MulDiv(i, b - a, n - 1), 0, 255); };
    return RGBColour(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                     channel(BlueOf(from), BlueOf(to)));
}

TGradientPlan CalcGradient(const TRect& rect, TColor start, TColor end, TGradientDirection direction)
{
    TColourPair c{ResolveColour(start), ResolveColour(end)};
    if (direction != gdTopBottom && direction != gdLeftRight)
        std::swap(c.First, c.Second);
    const TRect r = rect.Normalised();
    switch (direction) {
    case gdFromCenter: return CalcFromCenter(r, c);
    case gdFromTopLeft: return CalcDiagonal(r, c, false);
    case gdFromBottomLeft: return CalcDiagonal(r, c, true);
    default: return CalcLinear(r, c, direction);
    }
}
