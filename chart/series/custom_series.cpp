// Settings, margins and legend symbol of line and point series. Drawing and
// hit testing are in custom_series_draw.cpp.

#include "chart/series/custom_series.h"

#include "chart/canvas/canvas3d.h"
#include "chart/series/series_host.h"

#include <algorithm>
#include <cstdlib>

TCustomSeries::TCustomSeries()
    : pointer_(std::make_unique<TSeriesPointer>(*this)),
      linePen_(std::make_unique<TChartPen>([this] { PenOrBrushChanged(); })),
      areaLinesPen_(std::make_unique<TChartPen>([this] { PenOrBrushChanged(); }))
{
    SetExtendToEdges(true);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::Assign(const TChartSeries& source)
{
    if (const auto* other = dynamic_cast<const TCustomSeries*>(&source); other && other != this) {
        SetSegmentsClickable(other->segmentsClickable_);
        SetAreaBrush(other->areaBrush_);
        SetAreaColor(other->areaColor_);
        areaLinesPen_->Assign(*other->areaLinesPen_);
        SetDark3D(other->dark3D_);
        SetDrawArea(other->drawArea_);
        SetConnectPoints(other->connectPoints_);
        SetInvertedStairs(other->invertedStairs_);
        linePen_->Assign(*other->linePen_);
        SetLineBrush(other->lineBrush_);
        SetLineHeight(other->lineHeight_);
        pointer_->Assign(*other->pointer_);
        SetStairs(other->stairs_);
    }
    TChartSeries::Assign(source);
}

TCanvas3D* TCustomSeries::Canvas() const
{
    return ParentChart() ? ParentChart()->Canvas() : nullptr;
}

bool TCustomSeries::PointerHit(int index, int px, int py, int x, int y) const
{
    (void)index;
    return std::abs(px - x) < pointer_->HorizSize() && std::abs(py - y) < pointer_->VertSize();
}

int TCustomSeries::AreaBaseline(int index) const
{
    (void)index;
    return BoundVertAxis() ? BoundVertAxis()->PixelEnd() : 0;
}

void TCustomSeries::HorizontalMargins(int& left, int& right) const
{
    TChartSeries::HorizontalMargins(left, right);
    if (pointer_->Visible() && pointer_->InflateMargins()) {
        left = std::max(left, pointer_->HorizSize() + 1);
        right = std::max(right, pointer_->HorizSize() + 1);
    }
    if (stairs_ && connectPoints_) {
        left = std::max(left, linePen_->Width());
        right = std::max(right, linePen_->Width());
    }
}

void TCustomSeries::VerticalMargins(int& top, int& bottom) const
{
    TChartSeries::VerticalMargins(top, bottom);
    if (pointer_->Visible() && pointer_->InflateMargins()) {
        top = std::max(top, pointer_->VertSize() + 1);
        bottom = std::max(bottom, pointer_->VertSize() + 1);
    }
    if (stairs_ && connectPoints_) {
        top = std::max(top, linePen_->Width());
        bottom = std::max(bottom, linePen_->Width() + 1);
    }
    if (lineHeight_ > 0 && !drawArea_ && bottom < lineHeight_)
        bottom = lineHeight_;
}

void TCustomSeries::DrawPointMark(const TSeriesPaint& paint, int index, const QString& text,
                                  TSeriesMarkPosition position)
{
    const int rise = Marks().ArrowLength();
    position.LeftTop.Y -= rise;
    position.ArrowTo.Y -= rise;
    TChartSeries::DrawPointMark(paint, index, text, position);
}

void TCustomSeries::DrawLegendSymbol(const TSeriesPaint& paint, int index, const TRect& rect)
{
    TCanvas3D& canvas = paint.Canvas;
    const TColor colour = index == -1 ? SeriesColor() : PointColor(index);
    if (pointer_->Visible()) {
        if (connectPoints_)
            DrawLegendLine(paint, rect, colour);
        // A visible line leaves the marker a third of the box, else half.
        const bool line = linePen_->Visible();
        const int w = line ? rect.Width() / 3 : rect.Width() / 2 + 1;
        const int h = line ? rect.Height() / 3 : rect.Height() / 2 + 1;
        pointer_->PrepareCanvas(canvas, colour);
        TSeriesPointer::DrawShape(canvas, pointer_->Style(), (rect.Left + rect.Right) / 2,
                                  (rect.Top + rect.Bottom) / 2, std::min(pointer_->HorizSize(), w),
                                  std::min(pointer_->VertSize(), h), colour);
    } else if (connectPoints_ && !drawArea_) {
        DrawLegendLine(paint, rect, colour);
    } else {
        TChartSeries::DrawLegendSymbol(paint, index, rect);
    }
}

void TCustomSeries::DrawLegendLine(const TSeriesPaint& paint, const TRect& rect, TColor colour)
{
    TCanvas3D& canvas = paint.Canvas;
    canvas.AssignVisiblePen(*linePen_);
    canvas.Pen().Color = colour;
    if (paint.View3D) {
        canvas.Brush().Style = lineBrush_;
        canvas.Brush().Color = colour;
        canvas.PlainRect(rect);
    } else {
        canvas.Brush().Style = bsClear;
        canvas.HLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
    }
}
