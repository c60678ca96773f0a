#include "chart/canvas/painter_style.h"

#include <algorithm>

namespace {

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psSolid:
    case psInsideFrame: return Qt::SolidLine;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

QColor PenColour(const TCanvasPen& pen)
{
    switch (pen.Mode) {
    case pmBlack: return Qt::black;
    case pmWhite: return Qt::white;
    case pmNotCopy: {
        const QColor c = ToQColor(pen.Color);
        return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
    }
    default: return ToQColor(pen.Color);
    }
}

} // namespace

QPen ToQPen(const TCanvasPen& pen)
{
    if (!pen.IsVisible())
        return QPen(Qt::NoPen);
    if (pen.Alternate) {
        QPen p(PenColour(pen), 0); // cosmetic: pattern units are pixels
        p.setDashPattern({1.0, 1.0});
        p.setCapStyle(Qt::FlatCap);
        return p;
    }
    QPen p(PenColour(pen), std::max(1, pen.Width));
    p.setStyle(ToQtPenStyle(pen.Style));
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

QBrush ToQBrush(const TCanvasBrush& brush)
{
    if (!brush.Bitmap.isNull())
        return QBrush(brush.Bitmap);
    return QBrush(ToQColor(brush.Color), ToQtBrushStyle(brush.Style));
}

QPainter::CompositionMode ToCompositionMode(TPenMode mode)
{
    switch (mode) {
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}
