#include "chart/series/point_series.h"

TPointSeries::TPointSeries()
{
    SetConnectPoints(false);
    Marks().SetArrowLength(0);
    SetSegmentsClickable(false);
    Pointer().SetVisible(true);
}

void TPointSeries::Assign(const TChartSeries& source)
{
    TCustomSeries::Assign(source);
    Pointer().SetVisible(true);
    SetDrawArea(false);
    SetConnectPoints(false);
    SetSegmentsClickable(false);
}

void TPointSeries::SetColorEachPoint(bool value)
{
    TCustomSeries::SetColorEachPoint(value);
    if (value)
        Pointer().Brush().SetColor(clDefault);
}
