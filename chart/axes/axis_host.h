#pragma once

#include "chart/axes/axis_types.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"

#include <QString>

class TCanvas3D;
class TChartSeries;
class TChartSeriesList;
class TCustomChartAxis;
struct TAxisFrame;

// The chart as its axes see it while they scale and lay out; what drawing
// needs comes with the paint (TAxisPaint). The chart control implements it
// (next to TSeriesHost, whose members of the same signature it shares);
// tests use a fake. An axis never owns its host.
class TAxisHost
{
public:
    virtual ~TAxisHost() = default;

    // --- shared with TSeriesHost ------------------------------------------
    // Asks for a repaint later.
    virtual void Invalidate() = 0;
    // The plot rectangle of the current layout.
    virtual TRect ChartRect() const = 0;
    virtual TCanvas3D* Canvas() const = 0;
    virtual const TChartSeriesList& SeriesList() const = 0;
    virtual bool View3D() const = 0;
    virtual int HighestDepthOrder() const = 0;

    // --- chart state the axes read ------------------------------------------
    // The axis as the last window paint showed it; null when there was
    // none (or the host keeps no frames).
    virtual const TAxisFrame* ShownAxisFrame(const TCustomChartAxis& axis) const
    {
        (void)axis;
        return nullptr;
    }
    // Whether the chart shows this axis (its AxisShown rule).
    virtual bool AxisShown(const TCustomChartAxis& axis) const = 0;
    // True while the chart is read from its stored form description: the
    // limit setters then accept any order of Minimum and Maximum.
    virtual bool IsLoading() const = 0;
    // Paging: 0 points per page means no paging.
    virtual int MaxPointsPerPage() const = 0;
    virtual int Page() const = 0;
    virtual bool ScaleLastPage() const = 0;
    // 3D depth of the plot (DepthWidth); 0 in 2D.
    virtual int DepthWidth() const = 0;

    // Raises ChartException for an angle outside 0..359.
    virtual void CheckAngle(int angle, const QString& description) const = 0;

    // --- texts the axes take from the series ------------------------------
    // Widest x label of all series, and widest mark text of the active ones.
    virtual int WidestPointLabel() const = 0;
    virtual int WidestMarkOfChart() const = 0;
    // The mark text of one point of a series.
    virtual QString SeriesMarkText(const TChartSeries& series, int index) const = 0;
    // The title of the index-th legend series (depth-axis labels).
    virtual QString LegendSeriesTitle(int index) const = 0;

    // --- the chart's label events (empty when unassigned) -------------------
    virtual const TAxisOnGetLabel& GetAxisLabelEvent() const = 0;
    virtual const TAxisOnGetNextLabel& GetNextAxisLabelEvent() const = 0;

protected:
    TAxisHost() = default;
    TAxisHost(const TAxisHost&) = default;
    TAxisHost& operator=(const TAxisHost&) = default;
};
