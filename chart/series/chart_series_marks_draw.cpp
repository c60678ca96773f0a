// Drawing the marks of a series: one box of text above each visible point.

#include "chart/canvas/canvas3d.h"
#include "chart/series/chart_series.h"
#include "chart/series/series_host.h"

void TChartSeries::DrawMarks()
{
    TCanvas3D* canvas = parentChart_ ? parentChart_->Canvas() : nullptr;
    if (!canvas || firstVisible_ < 0)
        return;
    TFont font = marks_->Font();
    font.PixelsPerInch = canvas->Font().PixelsPerInch;
    for (int i = firstVisible_; i <= lastVisible_; ++i) {
        if (IsNullPoint(i))
            continue;
        const QString text = MarkText(i);
        if (text.isEmpty())
            continue;
        // Set for every mark: drawing one may leave another font behind.
        canvas->Font() = font;
        const TPoint point{PointPixelX(i), PointPixelY(i)};
        DrawPointMark(i, text, marks_->CalcPosition(*canvas, text, point));
    }
}

void TChartSeries::DrawPointMark(int index, const QString& text, TSeriesMarkPosition position)
{
    if (TCanvas3D* canvas = parentChart_ ? parentChart_->Canvas() : nullptr)
        marks_->DrawMark(*canvas, index, text, position, PointColor(index), parentChart_->ChartColor());
}
