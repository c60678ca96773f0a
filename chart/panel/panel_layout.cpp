#include "chart/panel/panel_layout.h"

#include "chart/canvas/pixel_math.h"

#include <algorithm>

TRect MarginRect(const TRect& bounds, const TChartMargins& margins, int borderWidth)
{
    const int w = bounds.Width();
    const int h = bounds.Height();
    return {bounds.Left + borderWidth + MulDiv(margins[0], w, 100),
            bounds.Top + borderWidth + MulDiv(margins[1], h, 100),
            bounds.Right - borderWidth - MulDiv(margins[2], w, 100),
            bounds.Bottom - borderWidth - MulDiv(margins[3], h, 100)};
}

namespace {

// The far edge of one direction: one past the near edge when inverted, the
// control's extent beyond it when collapsed.
int SettledFarEdge(int nearEdge, int farEdge, int controlExtent)
{
    if (farEdge < nearEdge)
        return nearEdge + 1;
    if (farEdge == nearEdge)
        return nearEdge + controlExtent;
    return farEdge;
}

} // namespace

TPlotGeometry SettlePlotRect(TRect r, const TRect& bounds, int controlWidth, int controlHeight)
{
    r.Left = std::max(r.Left, bounds.Left);
    r.Top = std::max(r.Top, bounds.Top);
    r.Right = SettledFarEdge(r.Left, r.Right, controlWidth);
    r.Bottom = SettledFarEdge(r.Top, r.Bottom, controlHeight);
    // Integer division truncates towards zero, as the centre rule asks.
    return {r, r.Width(), r.Height(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}
