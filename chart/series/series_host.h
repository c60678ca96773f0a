#pragma once

#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"
#include "chart/series/legend_text_style.h"
#include "chart/series/series_frame.h"

#include <QString>

class TCanvas3D;
class TChartSeries;
class TChartSeriesList;

// An axis as a series sees it: the value <-> pixel mapping of the last
// layout plus the flags a series needs to read it. The chart's axes
// implement it.
class TSeriesAxis
{
public:
    virtual ~TSeriesAxis() = default;

    virtual bool Horizontal() const = 0;
    virtual bool Inverted() const = 0;
    virtual bool Logarithmic() const = 0;
    virtual int ValueToPixel(double value) const = 0;
    virtual double PixelToValue(int pixel) const = 0;
    // The axis' extent along its direction.
    virtual int PixelStart() const = 0;
    virtual int PixelEnd() const = 0;
    // A value as the axis writes its labels (number or date format, the
    // chart's label event applied).
    virtual QString LabelValue(double value) const = 0;

protected:
    TSeriesAxis() = default;
    TSeriesAxis(const TSeriesAxis&) = default;
    TSeriesAxis& operator=(const TSeriesAxis&) = default;
};

// The chart as a series sees it outside a paint: membership, data sources,
// the axes, the mouse and the 3D state. What a paint needs comes with the
// paint (TSeriesPaint). The chart panel implements it; tests use a fake. A
// series never owns its host.
class TSeriesHost
{
public:
    virtual ~TSeriesHost() = default;

    // Asks for a repaint later (an invalidate, not a paint).
    virtual void Invalidate() = 0;
    // True while the chart is being torn down; series then skip repaints.
    virtual bool IsDestroying() const = 0;

    virtual TSeriesAxis* BottomAxis() const = 0;
    virtual TSeriesAxis* TopAxis() const = 0;
    virtual TSeriesAxis* LeftAxis() const = 0;
    virtual TSeriesAxis* RightAxis() const = 0;
    virtual TCanvas3D* Canvas() const = 0;

    // Membership. SetParentChart() calls these; the host may call
    // SetParentChart() back, which is then a no-op.
    virtual void AddSeries(TChartSeries& series) = 0;
    virtual void RemoveSeries(TChartSeries& series) = 0;
    virtual const TChartSeriesList& SeriesList() const = 0;
    // Lets the chart examine the series' data source again.
    virtual void RefreshFromSource(TChartSeries& series) = 0;
    // Raises ChartException when source may not feed series because series
    // already feeds source, directly or through other series.
    virtual void CheckDataSource(const TChartSeries& series, const TChartSeries& source) const = 0;

    // A number written with a picture such as "#,##0.###", the way the
    // chart writes every number it shows.
    virtual QString FormatValue(const QString& picture, double value) const = 0;

    // Set while a click event handles the mouse; stops zoom and panning.
    virtual bool MouseConsumed() const = 0;
    virtual void SetMouseConsumed(bool value) = 0;

    // 3D view state; all inert in a 2D chart.
    virtual bool View3D() const = 0;
    virtual void SetView3D(bool value) = 0;
    virtual void SetClipPoints(bool value) = 0;
    virtual bool DepthOrdering() const = 0;
    virtual int HighestDepthOrder() const = 0;
    virtual void SetHighestDepthOrder(int value) = 0;

    // What the chart's last window paint drew of series; none from a host
    // that does not paint, or before the series was painted.
    virtual const TSeriesFrame* ShownFrame(const TChartSeries& series) const
    {
        (void)series;
        return nullptr;
    }
    // How the legend writes the text of a point; marks of the legend style
    // show the same text. A host without a legend answers the default.
    virtual TLegendTextStyle LegendTextStyle() const { return ltsLeftValue; }

protected:
    TSeriesHost() = default;
    TSeriesHost(const TSeriesHost&) = default;
    TSeriesHost& operator=(const TSeriesHost&) = default;
};
