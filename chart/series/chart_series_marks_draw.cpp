// Drawing the marks of a series: one box of text above each visible point.

#include "chart/canvas/canvas3d.h"
#include "chart/series/chart_series.h"

void TChartSeries::DrawMarks(const TSeriesPaint& paint)
{
    if (paint.FirstVisible < 0)
        return;
    TCanvas3D& canvas = paint.Canvas;
    TFont font = marks_->Font();
    font.PixelsPerInch = canvas.Font().PixelsPerInch;
    for (int i = paint.FirstVisible; i <= paint.LastVisible; ++i) {
        if (IsNullPoint(i))
            continue;
        const QString text = MarkTextIn(i, paint.TextStyle);
        if (text.isEmpty())
            continue;
        // Set for every mark: drawing one may leave another font behind.
        canvas.Font() = font;
        DrawPointMark(paint, i, text, marks_->CalcPosition(canvas, text, PointPixelIn(paint, i)));
    }
}

void TChartSeries::DrawPointMark(const TSeriesPaint& paint, int index, const QString& text,
                                 TSeriesMarkPosition position)
{
    marks_->DrawMark(paint.Canvas, index, text, position, PointColor(index), paint.ChartColour);
}
