// The legend entry of a series: the brush it is drawn with, and the symbol
// every series type without a symbol of its own draws.

#include "chart/canvas/brush_preparation.h"
#include "chart/canvas/canvas3d.h"
#include "chart/series/chart_series.h"
#include "chart/series/series_host.h"

void TChartSeries::DrawLegendEntry(int index, const TRect& rect)
{
    TCanvas3D* canvas = parentChart_ ? parentChart_->Canvas() : nullptr;
    // A series whose points each have their own colour has no one symbol.
    if (!canvas || (index == -1 && colorEachPoint_))
        return;
    const TColor colour = index == -1 ? SeriesColor() : LegendItemColour(index);
    canvas->Brush().Color = colour;
    if (colour == clNone)
        return;
    const TColor legendColour = parentChart_->LegendBackColour();
    TColor back = legendColour;
    TBrushStyle style = bsSolid;
    PrepareLegendBrush(index, back, style);
    if (back == clDefault)
        back = legendColour == clDefault ? parentChart_->ChartColor() : legendColour;
    PrepareBrush(*canvas, colour, style, back);
    DrawLegendSymbol(index, rect);
}

void TChartSeries::DrawLegendSymbol(int index, const TRect& rect)
{
    (void)index;
    TCanvas3D* canvas = parentChart_ ? parentChart_->Canvas() : nullptr;
    if (!canvas)
        return;
    canvas->Rectangle(rect);
    // A box in the legend's own colour would vanish: outline it once more,
    // in white when it is black.
    const TColor brushColour = canvas->Brush().Color;
    if (brushColour != parentChart_->LegendBackColour())
        return;
    canvas->Brush().Style = bsClear;
    if (brushColour == clBlack)
        canvas->Pen().Color = clWhite;
    canvas->Rectangle(rect);
    canvas->Pen().Color = clBlack;
}
