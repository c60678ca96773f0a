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

// One walk over the points of one paint: where the last drawn point went and
// the marker waiting for the segment that leaves it. Local to the walk, so a
// paint never starts from what another paint left behind.
class TCustomSeries::TLineWalk
{
public:
    TLineWalk(const TCustomSeries& series, const TSeriesPaint& paint) : s_(series), paint_(paint) {}

    void Point(int index);

private:
    // Where the last drawn point went, and the colour of the last point
    // handled, drawn or skipped (clNone: the line starts afresh).
    struct TPrevious
    {
        int X = 0;
        int Y = 0;
        TColor Colour = clNone;
    };
    // The marker of the last drawn point, waiting for the segment after it.
    struct TPending
    {
        int X = 0;
        int Y = 0;
        TColor Colour = clNone;
        int Index = -1; // -1: none waiting
    };

    // A point too far outside the plot to be drawn.
    void Skip(int index, TColor colour, bool isLast);
    // The segment from the plot edge into the first visible point.
    void EnterFromEdge(int index, TPoint point, TColor colour);
    // The pixel height at which the segment into point index crosses the
    // plot's leading edge.
    int EdgeCrossingY(int index, int edgeX) const;
    void LineSegment(TPoint point, TColor colour, int index, bool isLast, bool withMarkers);
    void Segment(TPoint point, TColor colour);
    void PendingMarker();
    TPoint Pixel(int index) const { return s_.PointPixelIn(paint_, index); }

    const TCustomSeries& s_;
    const TSeriesPaint& paint_;
    TPrevious previous_;
    TPending pending_;
};

void TCustomSeries::DrawVisiblePoints(const TSeriesPaint& paint)
{
    if (paint.FirstVisible < 0 || paint.LastVisible < paint.FirstVisible)
        return;
    TLineWalk walk(*this, paint);
    for (int i = paint.FirstVisible; i <= paint.LastVisible; ++i)
        walk.Point(i);
}

void TCustomSeries::DrawPoint(const TSeriesPaint& paint, int index)
{
    TLineWalk(*this, paint).Point(index);
}

void TCustomSeries::TLineWalk::Point(int index)
{
    TCanvas3D& canvas = paint_.Canvas;
    const TColor colour = s_.PointColor(index);
    const TPoint point = Pixel(index);
    const bool isLast = index == paint_.LastVisible;
    if (!Drawable(point.X) || !Drawable(point.Y)) {
        Skip(index, colour, isLast);
        return;
    }

    canvas.Pen().Color = clBlack;
    canvas.Brush().Color = colour;
    // After a null point, or at the start of the walk, the line starts here.
    if (previous_.Colour == clNone) {
        previous_.X = point.X;
        previous_.Y = point.Y;
    }

    if (index == paint_.FirstVisible) {
        if (index > 0)
            EnterFromEdge(index, point, colour);
        if (isLast && s_.Pointer().Visible() && colour != clNone)
            const_cast<TCustomSeries&>(s_).DrawPointerAt(paint_, point.X, point.Y, colour, index);
    } else {
        LineSegment(point, colour, index, isLast, true);
    }

    previous_ = {point.X, point.Y, colour};
    // The last point's marker is drawn already.
    pending_ = isLast ? TPending{} : TPending{point.X, point.Y, colour, index};
}

void TCustomSeries::TLineWalk::Skip(int index, TColor colour, bool isLast)
{
    // Nothing drawn yet: the next point starts the line.
    if (index == paint_.FirstVisible)
        return;
    // The marker waiting for this point's segment has no later chance when
    // this is the last point.
    if (isLast)
        PendingMarker();
    previous_.Colour = colour;
}

void TCustomSeries::TLineWalk::EnterFromEdge(int index, TPoint point, TColor colour)
{
    const int before = index - 1;
    if (s_.DrawArea()) {
        const TPoint p = Pixel(before);
        previous_.X = p.X;
        previous_.Y = p.Y;
    } else {
        const bool inverted = paint_.HorizAxis && paint_.HorizAxis->Inverted();
        previous_.X = inverted ? paint_.Plot.Right : paint_.Plot.Left;
        previous_.Y = s_.Stairs() ? Pixel(before).Y : EdgeCrossingY(index, previous_.X);
    }
    if (!s_.IsNullPoint(before))
        LineSegment(point, colour, index, false, false);
}

int TCustomSeries::TLineWalk::EdgeCrossingY(int index, int edgeX) const
{
    const double x0 = s_.PointX(index - 1);
    const double y0 = s_.PointY(index - 1);
    const double x1 = s_.PointX(index);
    const double y1 = s_.PointY(index);
    if (x1 == x0 || !paint_.HorizAxis || !paint_.VertAxis)
        return Pixel(index - 1).Y;
    const double xe = paint_.HorizAxis->PixelToValue(edgeX);
    return paint_.VertAxis->ValueToPixel(y0 + (y1 - y0) * (xe - x0) / (x1 - x0));
}

void TCustomSeries::TLineWalk::LineSegment(TPoint point, TColor colour, int index, bool isLast, bool withMarkers)
{
    const bool samePixel = point.X == previous_.X && point.Y == previous_.Y;
    if (!samePixel && colour != clNone && s_.ConnectPoints())
        Segment(point, colour);
    if (!withMarkers || !s_.Pointer().Visible())
        return;
    PendingMarker();
    if (isLast && colour != clNone)
        const_cast<TCustomSeries&>(s_).DrawPointerAt(paint_, point.X, point.Y, colour, index);
}

void TCustomSeries::TLineWalk::Segment(TPoint point, TColor colour)
{
    TCanvas3D& canvas = paint_.Canvas;
    // The segment takes the colour of the point it ends at, not the pen's.
    canvas.AssignVisiblePen(s_.LinePen());
    canvas.Brush().Style = bsClear;
    canvas.Pen().Color = colour;
    if (!s_.Stairs()) {
        canvas.Line(previous_.X, previous_.Y, point.X, point.Y);
    } else if (s_.InvertedStairs()) {
        canvas.VLine(previous_.X, previous_.Y, point.Y);
        canvas.LineTo(point.X, point.Y);
    } else {
        canvas.HLine(previous_.X, point.X, previous_.Y);
        canvas.LineTo(point.X, point.Y);
    }
}

void TCustomSeries::TLineWalk::PendingMarker()
{
    const TPending marker = std::exchange(pending_, TPending{});
    if (marker.Index >= 0 && marker.Colour != clNone && s_.Pointer().Visible())
        const_cast<TCustomSeries&>(s_).DrawPointerAt(paint_, marker.X, marker.Y, marker.Colour, marker.Index);
}

void TCustomSeries::DrawPointerAt(const TSeriesPaint& paint, int x, int y, TColor colour, int index)
{
    Pointer().PrepareCanvas(paint.Canvas, colour);
    const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(*this, index) : Pointer().Style();
    TSeriesPointer::DrawShape(paint.Canvas, style, x, y, Pointer().HorizSize(), Pointer().VertSize(), colour);
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
