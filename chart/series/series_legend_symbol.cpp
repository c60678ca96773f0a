// The legend symbol every series type without a symbol of its own draws.

#include "chart/canvas/canvas3d.h"
#include "chart/series/chart_series.h"
#include "chart/series/series_host.h"

void TChartSeries::DrawLegendSymbol(int index, const TRect& rect)
{
    (void)index;
    TCanvas3D* canvas = parentChart_ ? parentChart_->Canvas() : nullptr;
    if (canvas)
        canvas->Rectangle(rect);
}
