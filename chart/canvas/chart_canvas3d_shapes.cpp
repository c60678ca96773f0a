#include "chart/canvas/chart_canvas3d.h"

#include "chart/canvas/painter_style.h"

#include <QPainter>
#include <QPolygon>

#include <cstdlib>
#include <cmath>
#include <numbers>

namespace {

// Angle of p seen from the centre of box, in degrees counter-clockwise.
double AngleInBox(const TRect& box, TPoint p)
{
    const double cx = (box.Left + box.Right) / 2.0;
    const double cy = (box.Top + box.Bottom) / 2.0;
    if (p.X == cx && p.Y == cy)
        return 0;
    return std::atan2(cy - p.Y, p.X - cx) * 180.0 / std::numbers::pi;
}

struct TArcAngles
{
    int Start16; // sixteenths of a degree, as QPainter takes them
    int Span16;
};

// Counter-clockwise from start to end; equal rays give the full ellipse.
TArcAngles CalcArcAngles(const TRect& box, TPoint start, TPoint end)
{
    const double a0 = AngleInBox(box, start);
    double span = AngleInBox(box, end) - a0;
    while (span <= 0)
        span += 360;
    return {int(std::lround(a0 * 16)), int(std::lround(span * 16))};
}

QPolygon ToQPolygon(std::span<const TPoint> points)
{
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const TPoint& p : points)
        polygon << ToQPoint(p);
    return polygon;
}

// A line from a to b without the pixel at b. QPainter's one-pixel lines run
// along their major axis in increasing direction and leave out the pixel at
// the larger end, whichever end that is; a line running backwards is
// therefore moved one step along itself, which keeps it on the same
// geometric line and swaps the left-out pixel to b.
void DrawSegment(QPainter& painter, TPoint a, TPoint b, bool onePixel)
{
    const int dx = b.X - a.X;
    const int dy = b.Y - a.Y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const bool backwards = xMajor ? dx < 0 : dy < 0;
    if (!onePixel || !backwards) {
        painter.drawLine(a.X, a.Y, b.X, b.Y);
        return;
    }
    const double steps = xMajor ? -dx : -dy;
    const QPointF shift(-dx / steps, -dy / steps);
    painter.drawLine(QLineF(QPointF(a.X, a.Y) + shift, QPointF(b.X, b.Y) + shift));
}

void PaintGradientStep(QPainter& painter, TGradientShape shape, const TGradientStep& step, const QBrush& band)
{
    const TRect& s = step.Rect;
    switch (shape) {
    case gsBands: painter.fillRect(ToQRect(s), band); return;
    case gsFrames:
        if (s.Width() <= 2 || s.Height() <= 2) {
            painter.fillRect(ToQRect(s), band);
            return;
        }
        painter.fillRect(ToQRect({s.Left, s.Top, s.Right, s.Top + 1}), band);
        painter.fillRect(ToQRect({s.Left, s.Bottom - 1, s.Right, s.Bottom}), band);
        painter.fillRect(ToQRect({s.Left, s.Top + 1, s.Left + 1, s.Bottom - 1}), band);
        painter.fillRect(ToQRect({s.Right - 1, s.Top + 1, s.Right, s.Bottom - 1}), band);
        return;
    case gsDiagonals:
        if (step.From == step.To)
            painter.fillRect(step.From.X, step.From.Y, 1, 1, band);
        else // diagonals run right and up or down: one step further, as the end pixel is left out
            painter.drawLine(step.From.X, step.From.Y, step.To.X + 1, step.To.Y + (step.To.Y > step.From.Y ? 1 : -1));
        return;
    }
}

bool IsPlainOnePixelPen(const TCanvasPen& pen)
{
    return (pen.Style == psSolid || pen.Style == psInsideFrame) && pen.Width <= 1 && !pen.Alternate
           && pen.Color != clNone;
}

} // namespace

QRect TChartCanvas3D::ShapeRect(int left, int top, int right, int bottom) const
{
    const TRect r = TRect{left, top, right, bottom}.Normalised();
    // An outline drawn with a visible pen covers Left..Right - 1, as a fill
    // without outline does: QPainter's outline adds one pixel on the
    // right and bottom, so its rectangle is one pixel smaller.
    if (!Pen().IsVisible())
        return ToQRect(r);
    QRect q(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
    if (Pen().Style == psInsideFrame && Pen().Width > 1) {
        const int inset = Pen().Width / 2;
        q.adjust(inset, inset, -inset, -inset);
    }
    return q;
}

bool TChartCanvas3D::CanSetPixelsDirectly() const
{
    // The stroke offset may be left from a stroke: the direct fills place
    // their pixels where the 1:1 drawing has them anyway.
    return directPixels_.has_value() && !clipIsRegion_
           && painter_->transform() == QTransform::fromTranslate(strokeOffset_.x(), strokeOffset_.y());
}

bool TChartCanvas3D::TryDirectRectangle(const TRect& r)
{
    if (!CanSetPixelsDirectly())
        return false;
    const TCanvasPen& pen = Pen();
    const TCanvasBrush& brush = Brush();
    if (pen.Mode != pmCopy)
        return false;
    const bool outline = pen.Style != psClear;
    if (outline && !IsPlainOnePixelPen(pen))
        return false;
    const bool fill = brush.Style != bsClear || !brush.Bitmap.isNull();
    if (fill && (brush.Style != bsSolid || !brush.Bitmap.isNull() || brush.Color == clNone))
        return false;
    // QPainter draws outlines narrower than two pixels differently, and
    // drops a corner pixel of outlines cut by the image edge; leave those
    // rare shapes to it.
    if (outline && (r.Width() < 2 || r.Height() < 2))
        return false;
    const TRect image = directPixels_->Bounds();
    const TRect clip = clipRect_ ? IntersectRect(*clipRect_, image) : image;
    if (IntersectRect(r, clip) != r)
        return false;
    FillOutlinedRect(*directPixels_, r, clip, outline, PixelOf(pen.Color), fill, PixelOf(brush.Color));
    return true;
}

void TChartCanvas3D::Rectangle(int left, int top, int right, int bottom)
{
    if (!painter_)
        return;
    const TRect r = TRect{left, top, right, bottom}.Normalised();
    if (TryDirectRectangle(r))
        return;
    Prepare(WithPen, WithBrush);
    painter_->drawRect(ShapeRect(left, top, right, bottom));
}

void TChartCanvas3D::Ellipse(int left, int top, int right, int bottom)
{
    if (Prepare(WithPen, WithBrush))
        painter_->drawEllipse(ShapeRect(left, top, right, bottom));
}

void TChartCanvas3D::RoundRect(const TRect& box, int cornerWidth, int cornerHeight)
{
    if (Prepare(WithPen, WithBrush))
        painter_->drawRoundedRect(ShapeRect(box.Left, box.Top, box.Right, box.Bottom), cornerWidth / 2.0,
                                  cornerHeight / 2.0);
}

void TChartCanvas3D::Arc(const TRect& box, TPoint start, TPoint end)
{
    if (!Prepare(WithPen, NoFill))
        return;
    const TArcAngles a = CalcArcAngles(box, start, end);
    painter_->drawArc(ShapeRect(box.Left, box.Top, box.Right, box.Bottom), a.Start16, a.Span16);
}

void TChartCanvas3D::Pie(const TRect& box, TPoint start, TPoint end)
{
    if (!Prepare(WithPen, WithBrush))
        return;
    const TArcAngles a = CalcArcAngles(box, start, end);
    painter_->drawPie(ShapeRect(box.Left, box.Top, box.Right, box.Bottom), a.Start16, a.Span16);
}

void TChartCanvas3D::FillRect(const TRect& r)
{
    if (!painter_ || !Brush().IsVisible())
        return;
    const TCanvasPen saved = Pen();
    Pen().Style = psClear;
    const TRect area = r.Normalised();
    if (!TryDirectRectangle(area)) {
        Prepare(NoOutline, WithBrush);
        painter_->drawRect(ToQRect(area));
    }
    Pen() = saved;
}

void TChartCanvas3D::Polygon(std::span<const TPoint> points)
{
    if (points.empty() || !Prepare(WithPen, WithBrush))
        return;
    painter_->drawPolygon(ToQPolygon(points));
}

bool TChartCanvas3D::TryDirectLine(TPoint from, TPoint to)
{
    if ((from.X != to.X && from.Y != to.Y) || !CanSetPixelsDirectly())
        return false;
    const TCanvasPen& pen = Pen();
    if (pen.Mode != pmCopy || pen.Width > 1 || pen.Alternate || pen.Color == clNone)
        return false;
    bool dotted = false;
    switch (pen.Style) {
    case psSolid:
    case psInsideFrame: break;
    case psDot: {
        // QPainter paints the gaps in opaque mode, and restarts the dots
        // where the image edge cuts the line.
        const TRect image = directPixels_->Bounds();
        const TPoint lastPixel{to.X - (to.X > from.X) + (to.X < from.X), to.Y - (to.Y > from.Y) + (to.Y < from.Y)};
        if (BackgroundMode() != bmTransparent || !image.Contains(from) || !image.Contains(lastPixel))
            return false;
        dotted = true;
        break;
    }
    default: return false;
    }
    FillStraightLine(*directPixels_, from, to, clipRect_.value_or(directPixels_->Bounds()), PixelOf(pen.Color),
                     dotted);
    return true;
}

void TChartCanvas3D::LineTo(int x, int y)
{
    const TPoint from = PenPos();
    const TPoint to{x, y};
    SetPenPos(to);
    if (!painter_ || !Pen().IsVisible())
        return;
    if (from == to) {
        // A zero-length line shows only with a wide pen, as a dot.
        if (Pen().Width > 1 && Prepare(WithPen, NoFill))
            painter_->drawPoint(x, y);
        return;
    }
    if (TryDirectLine(from, to) || !Prepare(WithPen, NoFill))
        return;
    const bool onePixel = Pen().Width <= 1 || Pen().Alternate;
    if (onePixel)
        ShiftStrokes(OnePixelStrokeOffset(true, std::abs(to.X - from.X) >= std::abs(to.Y - from.Y)));
    DrawSegment(*painter_, from, to, onePixel);
}

void TChartCanvas3D::SetPixel(int x, int y, TColor c)
{
    // No colour leaves the pixel as it is, as a transparent fill would.
    if (!painter_ || c == clNone)
        return;
    const TRect pixel{x, y, x + 1, y + 1};
    if (CanSetPixelsDirectly()) {
        FillPixels(*directPixels_, pixel, clipRect_.value_or(pixel), PixelOf(c));
        return;
    }
    ShiftStrokes({});
    TPainterSaver saver(*painter_);
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->fillRect(ToQRect(pixel), ToQColor(c));
}

void TChartCanvas3D::Draw(int x, int y, const QImage& picture)
{
    if (!painter_ || picture.isNull())
        return;
    ShiftStrokes({});
    painter_->drawImage(x, y, picture);
}

void TChartCanvas3D::DrawScaled(const TRect& r, const QImage& picture)
{
    if (!painter_ || picture.isNull())
        return;
    ShiftStrokes({});
    painter_->drawImage(ToQRect(r.Normalised()), picture);
}

void TChartCanvas3D::FillGradient(const TRect& r, TColor start, TColor end, TGradientDirection direction)
{
    if (!painter_)
        return;
    PaintGradientSteps(CalcGradient(r, start, end, direction));
}

void TChartCanvas3D::PaintGradientSteps(const TGradientPlan& plan)
{
    ShiftStrokes({});
    TPainterSaver saver(*painter_);
    ForgetAppliedState();
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->setBrush(Qt::NoBrush);
    // One brush (and pen, for diagonals) per change of colour, not per step.
    std::optional<TColor> current;
    QBrush band;
    for (const TGradientStep& step : plan.Steps) {
        if (step.Colour != current) {
            current = step.Colour;
            band = QBrush(ToQColor(step.Colour));
            if (plan.Shape == gsDiagonals) {
                QPen pen(ToQColor(step.Colour), 1);
                pen.setCapStyle(Qt::FlatCap);
                painter_->setPen(pen);
            }
        }
        PaintGradientStep(*painter_, plan.Shape, step, band);
    }
    ForgetAppliedState();
}
