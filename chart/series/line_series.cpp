#include "chart/series/line_series.h"

#include "chart/canvas/canvas3d.h"
#include "chart/series/series_host.h"

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

void TLineSeries::PrepareLegendBrush(int index, TColor& backColour, TBrushStyle& brushStyle)
{
    (void)index;
    (void)backColour;
    if (TCanvas3D* canvas = ParentChart() ? ParentChart()->Canvas() : nullptr)
        canvas->AssignVisiblePen(LinePen());
    brushStyle = LineBrush();
}
