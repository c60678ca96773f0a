#include "chart/series/series_pointer.h"

#include "chart/canvas/chart_canvas.h"
#include "chart/canvas/chart_exception.h"
#include "chart/series/chart_series.h"

#include <QCoreApplication>

#include <array>

namespace {

void CheckPointerSize(int value)
{
    if (value < 1)
        throw ChartException(QCoreApplication::translate("ChartException", "Die Größe des Pointers muß > 0 sein."));
}

} // namespace

TSeriesPointer::TSeriesPointer(TChartSeries& owner)
    : owner_(&owner),
      brush_(std::make_unique<TChartBrush>([this] { Changed(); }, clDefault)),
      pen_(std::make_unique<TChartPen>([this] { Changed(); }))
{
}

void TSeriesPointer::Changed() const
{
    owner_->RequestRepaint();
}

void TSeriesPointer::Assign(const TSeriesPointer& other)
{
    if (&other == this)
        return;
    brush_->Assign(*other.brush_);
    SetDark3D(other.dark3D_);
    SetDraw3D(other.draw3D_);
    SetHorizSize(other.horizSize_);
    SetInflateMargins(other.inflateMargins_);
    pen_->Assign(*other.pen_);
    SetStyle(other.style_);
    SetVertSize(other.vertSize_);
    SetVisible(other.visible_);
}

void TSeriesPointer::SetHorizSize(int value)
{
    CheckPointerSize(value);
    SetProperty(horizSize_, value);
}

void TSeriesPointer::SetVertSize(int value)
{
    CheckPointerSize(value);
    SetProperty(vertSize_, value);
}

void TSeriesPointer::PrepareCanvas(TChartCanvas& canvas, TColor colour) const
{
    canvas.AssignVisiblePen(*pen_);
    if (pen_->Visible() && pen_->Color() == clDefault)
        canvas.Pen().Color = colour;
    TCanvasBrush& brush = canvas.Brush();
    brush.Color = brush_->Color() == clDefault ? colour : brush_->Color();
    brush.Style = brush_->Style();
    // Most markers have no bitmap: skip the image assignment then.
    if (!brush.Bitmap.isNull() || brush_->HasBitmap())
        brush.Bitmap = brush_->Bitmap();
}

void TSeriesPointer::DrawShape(TChartCanvas& canvas, TSeriesPointerStyle style, int x, int y, int h, int v,
                               TColor colour)
{
    const int left = x - h;
    const int right = x + h;
    const int top = y - v;
    const int bottom = y + v;
    // Shared by the cross and the star; the line shapes ignore the pen colour.
    auto cross = [&] {
        canvas.Pen().Color = colour;
        canvas.VLine(x, top, bottom + 1);
        canvas.HLine(left, right + 1, y);
    };
    auto diagonalCross = [&] {
        canvas.Pen().Color = colour;
        canvas.Line(left, top, right + 1, bottom + 1);
        canvas.Line(right, top, left - 1, bottom + 1);
    };
    switch (style) {
    case psRectangle:
        canvas.Rectangle(left, top, right + 1, bottom + 1);
        break;
    case psCircle:
        canvas.Ellipse(left, top, right, bottom);
        break;
    case psTriangle: {
        const std::array<TPoint, 3> apexUp{{{left, bottom}, {right, bottom}, {x, top}}};
        canvas.Polygon(apexUp);
        break;
    }
    case psDownTriangle: {
        const std::array<TPoint, 3> apexDown{{{left, top}, {right, top}, {x, bottom}}};
        canvas.Polygon(apexDown);
        break;
    }
    case psCross:
        cross();
        break;
    case psDiagCross:
        diagonalCross();
        break;
    case psStar:
        cross();
        diagonalCross();
        break;
    case psDiamond: {
        const std::array<TPoint, 4> diamond{{{left, y}, {x, top}, {right, y}, {x, bottom}}};
        canvas.Polygon(diamond);
        break;
    }
    case psSmallDot:
        canvas.SetPixel(x, y, colour);
        break;
    }
}
