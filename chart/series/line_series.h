#pragma once

#include "chart/series/custom_series.h"

// A polyline through the points, without markers by default. Its legend
// symbol is a short line in the series' colour.
class TLineSeries : public TCustomSeries
{
public:
    TLineSeries();

    // Copies a series; the pointer is hidden unless the source is a line
    // series too, and the copy always connects its points without area.
    void Assign(const TChartSeries& source) override;
    // The legend prepares the symbol with LinePen and LineBrush.
    void PrepareLegendBrush(const TSeriesPaint& paint, int index, TColor& backColour,
                            TBrushStyle& brushStyle) override;
};
