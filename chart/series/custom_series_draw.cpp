// Drawing the points of a line or point series (segments and markers in
// their fixed order) and finding the point under the mouse.

#include "chart/series/custom_series.h"

#include "chart/canvas/canvas3d.h"
#include "chart/canvas/hit_tests.h"
#include "chart/series/series_host.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Pixels beyond this distance from the origin are not drawn: the point is
// skipped and the line goes on from the last point drawn.
constexpr int kMaxDrawablePixel = 32766;

bool Drawable(int pixel)
{
    return pixel >= -kMaxDrawablePixel && pixel <= kMaxDrawablePixel;
}

} // namespace

void TCustomSeries::DrawPoint(int index)
{
    TCanvas3D* canvas = Canvas();
    if (!canvas)
        return;
    const TColor colour = PointColor(index);
    const TPoint point{PointPixelX(index), PointPixelY(index)};
    const bool isLast = index == LastVisible();
    if (!Drawable(point.X) || !Drawable(point.Y)) {
        SkipPoint(index, colour, isLast);
        return;
    }

    canvas->Pen().Color = clBlack;
    canvas->Brush().Color = colour;
    // After a null point the line starts afresh here.
    if (previous_.Colour == clNone) {
        previous_.X = point.X;
        previous_.Y = point.Y;
    }

    if (index == FirstVisible()) {
        // Nothing from the last paint is waiting any more.
        pending_ = {};
        if (index > 0)
            EnterFromEdge(*canvas, index, point, colour);
        if (isLast && Pointer().Visible() && colour != clNone)
            DrawPointerAt(point.X, point.Y, colour, index);
    } else {
        LineSegment(*canvas, point, colour, index, isLast, true);
    }

    previous_ = {point.X, point.Y, colour};
    // The last point's marker is drawn already.
    pending_ = isLast ? TPendingMarker{} : TPendingMarker{point.X, point.Y, colour, index};
}

void TCustomSeries::SkipPoint(int index, TColor colour, bool isLast)
{
    if (index == FirstVisible()) {
        // The previous-point state is that of the last paint: let the next
        // point start the line instead of joining a stale position.
        pending_ = {};
        previous_.Colour = clNone;
        return;
    }
    // The marker waiting for this point's segment has no later chance when
    // this is the last point.
    if (isLast)
        DrawPendingMarker();
    previous_.Colour = colour;
}

void TCustomSeries::EnterFromEdge(TCanvas3D& canvas, int index, TPoint point, TColor colour)
{
    const int before = index - 1;
    if (DrawArea()) {
        previous_.X = PointPixelX(before);
        previous_.Y = PointPixelY(before);
    } else {
        const TRect plot = ParentChart()->ChartRect();
        const bool inverted = BoundHorizAxis() && BoundHorizAxis()->Inverted();
        previous_.X = inverted ? plot.Right : plot.Left;
        previous_.Y = Stairs() ? PointPixelY(before) : EdgeCrossingY(index, previous_.X);
    }
    if (!IsNullPoint(before))
        LineSegment(canvas, point, colour, index, false, false);
}

int TCustomSeries::EdgeCrossingY(int index, int edgeX) const
{
    const double x0 = PointX(index - 1);
    const double y0 = PointY(index - 1);
    const double x1 = PointX(index);
    const double y1 = PointY(index);
    if (x1 == x0)
        return PointPixelY(index - 1);
    const double xe = PixelToValueX(edgeX);
    return ValueToPixelY(y0 + (y1 - y0) * (xe - x0) / (x1 - x0));
}

void TCustomSeries::LineSegment(TCanvas3D& canvas, TPoint point, TColor colour, int index, bool isLast,
                                bool withMarkers)
{
    const bool samePixel = point.X == previous_.X && point.Y == previous_.Y;
    if (!samePixel && colour != clNone && ConnectPoints())
        DrawSegment(canvas, point, colour);
    if (!withMarkers || !Pointer().Visible())
        return;
    DrawPendingMarker();
    if (isLast && colour != clNone)
        DrawPointerAt(point.X, point.Y, colour, index);
}

void TCustomSeries::DrawSegment(TCanvas3D& canvas, TPoint point, TColor colour)
{
    // The segment takes the colour of the point it ends at, not the pen's.
    canvas.AssignVisiblePen(LinePen());
    canvas.Brush().Style = bsClear;
    canvas.Pen().Color = colour;
    if (!Stairs()) {
        canvas.Line(previous_.X, previous_.Y, point.X, point.Y);
    } else if (InvertedStairs()) {
        canvas.VLine(previous_.X, previous_.Y, point.Y);
        canvas.LineTo(point.X, point.Y);
    } else {
        canvas.HLine(previous_.X, point.X, previous_.Y);
        canvas.LineTo(point.X, point.Y);
    }
}

void TCustomSeries::DrawPendingMarker()
{
    const TPendingMarker marker = std::exchange(pending_, TPendingMarker{});
    if (marker.Index >= 0 && marker.Colour != clNone && Pointer().Visible())
        DrawPointerAt(marker.X, marker.Y, marker.Colour, marker.Index);
}

void TCustomSeries::DrawPointerAt(int x, int y, TColor colour, int index)
{
    TCanvas3D* canvas = Canvas();
    if (!canvas)
        return;
    Pointer().PrepareCanvas(*canvas, colour);
    const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(*this, index) : Pointer().Style();
    TSeriesPointer::DrawShape(*canvas, style, x, y, Pointer().HorizSize(), Pointer().VertSize(), colour);
}

int TCustomSeries::PointAtIn(const TSeriesFrame& frame, int x, int y) const
{
    if (TCanvas3D* canvas = Canvas())
        canvas->UnprojectPoint(x, y, frame.StartZ);
    const int first = frame.FirstVisible;
    if (first < 0 || frame.DataChanges != DataChanges())
        return -1;
    const TPoint mouse{x, y};
    TPoint previous;
    int previousBaseline = 0;
    for (int k = 0; k < int(frame.Pixels.size()); ++k) {
        const int i = first + k;
        const TPoint p = frame.Pixels[std::size_t(k)];
        if (Pointer().Visible() && PointerHit(i, p.X, p.Y, x, y)) {
            if (OnClickPointer)
                OnClickPointer(*this, i, x, y);
            return i;
        }
        if (p == mouse)
            return i;
        const int baseline = DrawArea() ? AreaBaseline(i) : 0;
        if (k > 0 && SegmentsClickable() && SegmentHit(mouse, previous, p, previousBaseline, baseline))
            return i - 1;
        previous = p;
        previousBaseline = baseline;
    }
    return -1;
}

bool TCustomSeries::SegmentHit(TPoint mouse, TPoint from, TPoint to, int fromBaseline, int toBaseline) const
{
    bool onLine;
    if (!Stairs())
        onLine = HitSegment(mouse, from.X, from.Y, to.X, to.Y);
    else if (InvertedStairs())
        onLine = HitSegment(mouse, from.X, from.Y, from.X, to.Y) || HitSegment(mouse, from.X, to.Y, to.X, to.Y);
    else
        onLine = HitSegment(mouse, from.X, from.Y, to.X, from.Y) || HitSegment(mouse, to.X, from.Y, to.X, to.Y);
    if (onLine || !DrawArea())
        return onLine;
    const std::array<TPoint, 4> area{{from, to, {to.X, toBaseline}, {from.X, fromBaseline}}};
    return HitPolygon(mouse, area);
}
