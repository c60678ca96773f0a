// The legend entry of a series: the brush it is drawn with, and the symbol
// every series type without a symbol of its own draws.

#include "chart/canvas/brush_preparation.h"
#include "chart/canvas/canvas3d.h"
#include "chart/series/chart_series.h"

void TChartSeries::DrawLegendEntry(const TSeriesPaint& paint, int index, const TRect& rect)
{
    // A series whose points each have their own colour has no one symbol.
    if (index == -1 && colorEachPoint_)
        return;
    TCanvas3D& canvas = paint.Canvas;
    const TColor colour = index == -1 ? SeriesColor() : LegendItemColour(index);
    canvas.Brush().Color = colour;
    if (colour == clNone)
        return;
    const TColor legendColour = paint.LegendBackColour;
    TColor back = legendColour;
    TBrushStyle style = bsSolid;
    PrepareLegendBrush(paint, index, back, style);
    if (back == clDefault)
        back = legendColour == clDefault ? paint.ChartColour : legendColour;
    PrepareBrush(canvas, colour, style, back);
    DrawLegendSymbol(paint, index, rect);
}

void TChartSeries::DrawLegendSymbol(const TSeriesPaint& paint, int index, const TRect& rect)
{
    (void)index;
    TCanvas3D& canvas = paint.Canvas;
    canvas.Rectangle(rect);
    // A box in the legend's own colour would vanish: outline it once more,
    // in white when it is black.
    const TColor brushColour = canvas.Brush().Color;
    if (brushColour != paint.LegendBackColour)
        return;
    canvas.Brush().Style = bsClear;
    if (brushColour == clBlack)
        canvas.Pen().Color = clWhite;
    canvas.Rectangle(rect);
    canvas.Pen().Color = clBlack;
}
