#pragma once

#include "chart/series/custom_series.h"

// A marker at every point and no line between them. Clicks select a point
// only on its marker or its exact pixel.
class TPointSeries : public TCustomSeries
{
public:
    TPointSeries();

    // Copies a series; the copy shows its pointer and draws neither line
    // nor area, and its segments are not clickable.
    void Assign(const TChartSeries& source) override;
    // Switching palette colours on gives the markers the point colours.
    void SetColorEachPoint(bool value) override;
    QString EditorClassName() const override { return QStringLiteral("TSeriesPointerEditor"); }
};
