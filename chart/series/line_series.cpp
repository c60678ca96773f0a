#include "chart/series/line_series.h"

#include "chart/canvas/canvas3d.h"

#include <typeinfo>

TLineSeries::TLineSeries()
{
    SetConnectPoints(true);
    SetSinglePointAllowed(false);
    Pointer().SetVisible(false);
}

void TLineSeries::Assign(const TChartSeries& source)
{
    TCustomSeries::Assign(source);
    if (typeid(source) != typeid(*this))
        Pointer().SetVisible(false);
    SetDrawArea(false);
    SetConnectPoints(true);
}

void TLineSeries::PrepareLegendBrush(const TSeriesPaint& paint, int index, TColor& backColour,
                                     TBrushStyle& brushStyle)
{
    (void)index;
    (void)backColour;
    paint.Canvas.AssignVisiblePen(LinePen());
    brushStyle = LineBrush();
}
