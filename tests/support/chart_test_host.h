#pragma once

// The one chart stand-in of the engine's tests and benchmarks: it is the
// host of series and of axes, with the five real axes, a series list, a
// canvas of the caller's choice and settable chart state. Series tests
// point it at linear fake axes; axis tests and benchmarks use the real ones.

#include "chart/axes/axis_host.h"
#include "chart/axes/chart_axis_list.h"
#include "chart/axes/number_format.h"
#include "chart/canvas/chart_exception.h"
#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"
#include "chart/series/series_host.h"

#include <cmath>
#include <memory>

// A linear axis over [min, max] spread on the pixels [start, end].
class FakeAxis : public TSeriesAxis
{
public:
    explicit FakeAxis(bool horizontal) : horizontal_(horizontal) {}

    bool Horizontal() const override { return horizontal_; }
    bool Inverted() const override { return inverted; }
    bool Logarithmic() const override { return false; }
    int ValueToPixel(double value) const override
    {
        const double t = std::round((value - min) * (end - start) / (max - min));
        return (horizontal_ != inverted) ? start + int(t) : end - int(t);
    }
    double PixelToValue(int pixel) const override
    {
        const double d = (inverted ? end - pixel : pixel - start) * (max - min) / (end - start);
        return horizontal_ ? min + d : max - d;
    }
    int PixelStart() const override { return start; }
    int PixelEnd() const override { return end; }
    // Tagged, so tests see the text came from the axis.
    QString LabelValue(double value) const override { return QStringLiteral("x%1").arg(value); }

    double min = 0;
    double max = 100;
    int start = 0;
    int end = 100;
    bool inverted = false;

private:
    bool horizontal_;
};

class TChartTestHost : public TSeriesHost, public TAxisHost
{
public:
    // --- both hosts ---
    void Invalidate() override { ++invalidates; }
    TRect ChartRect() const override { return plot; }
    TCanvas3D* Canvas() const override { return canvas; }
    const TChartSeriesList& SeriesList() const override { return list; }
    bool View3D() const override { return view3D; }
    int HighestDepthOrder() const override { return highestDepth; }

    // --- series host ---
    bool IsDestroying() const override { return destroying; }
    TSeriesAxis* BottomAxis() const override { return seriesAxes[0]; }
    TSeriesAxis* TopAxis() const override { return seriesAxes[1]; }
    TSeriesAxis* LeftAxis() const override { return seriesAxes[2]; }
    TSeriesAxis* RightAxis() const override { return seriesAxes[3]; }
    void AddSeries(TChartSeries& series) override
    {
        list.Add(series);
        series.SetParentChart(this);
        ++invalidates;
    }
    void RemoveSeries(TChartSeries& series) override
    {
        list.Remove(series);
        series.SetParentChart(nullptr);
        ++invalidates;
    }
    void RefreshFromSource(TChartSeries& series) override
    {
        ++sourceRefreshes;
        if (loadsSources && series.DataSource())
            series.LoadFromSource(*series.DataSource());
    }
    // Circles are the real chart's to find.
    void CheckDataSource(const TChartSeries&, const TChartSeries&) const override {}
    QString FormatValue(const QString& picture, double value) const override { return FormatNumber(picture, value); }
    TLegendTextStyle LegendTextStyle() const override { return legendStyle; }
    bool MouseConsumed() const override { return mouseConsumed; }
    void SetMouseConsumed(bool value) override { mouseConsumed = value; }
    void SetView3D(bool value) override { view3D = value; }
    void SetClipPoints(bool value) override { clipPoints = value; }
    bool DepthOrdering() const override { return depthOrdering; }
    void SetHighestDepthOrder(int value) override { highestDepth = value; }

    // --- axis host ---
    bool AxisShown(const TCustomChartAxis& axis) const override { return axis.Visible(); }
    bool IsLoading() const override { return loading; }
    int MaxPointsPerPage() const override { return pointsPerPage; }
    int Page() const override { return page; }
    bool ScaleLastPage() const override { return scaleLastPage; }
    int DepthWidth() const override { return 0; }
    void CheckAngle(int angle, const QString& description) const override
    {
        if (angle < 0 || angle > 359)
            throw ChartException::AngleOutOfRange(description);
    }
    int WidestPointLabel() const override { return 0; }
    int WidestMarkOfChart() const override { return 0; }
    QString SeriesMarkText(const TChartSeries& series, int index) const override
    {
        return QString::number(series.PointY(index));
    }
    QString LegendSeriesTitle(int index) const override { return QStringLiteral("S%1").arg(index); }
    const TAxisOnGetLabel& GetAxisLabelEvent() const override { return onGetAxisLabel; }
    const TAxisOnGetNextLabel& GetNextAxisLabelEvent() const override { return onGetNextAxisLabel; }

    // The paint context of series on the host's canvas, as the chart's
    // paint hands it over, with the visible range of the plot.
    TSeriesPaint PaintOf(const TChartSeries& series) const
    {
        TSeriesPaint paint = series.PaintContext(*canvas, plot);
        paint.ChartColour = chartColour;
        paint.LegendBackColour = legendColour;
        paint.TextStyle = legendStyle;
        paint.View3D = view3D;
        return paint;
    }
    // Series bind to the real axes from now on.
    void UseRealAxes()
    {
        seriesAxes = {&axes.Bottom(), &axes.Top(), &axes.Left(), &axes.Right()};
    }
    // Settles range and pixels of one axis as a paint does.
    void Layout(TCustomChartAxis& axis)
    {
        axis.SettleRange();
        axis.PlaceOnPlot();
    }

    TCanvas3D* canvas = nullptr;
    TRect plot{0, 0, 100, 100};
    TChartSeriesList list{this};
    std::unique_ptr<FakeAxis> bottom = std::make_unique<FakeAxis>(true);
    std::unique_ptr<FakeAxis> top = std::make_unique<FakeAxis>(true);
    std::unique_ptr<FakeAxis> left = std::make_unique<FakeAxis>(false);
    std::unique_ptr<FakeAxis> right = std::make_unique<FakeAxis>(false);
    std::array<TSeriesAxis*, 4> seriesAxes{bottom.get(), top.get(), left.get(), right.get()};
    TAxisOnGetLabel onGetAxisLabel;
    TAxisOnGetNextLabel onGetNextAxisLabel;
    int invalidates = 0;
    int sourceRefreshes = 0;
    // RefreshFromSource loads the points as the chart does.
    bool loadsSources = false;
    TColor chartColour = clWhite;
    TColor legendColour = clWhite;
    TLegendTextStyle legendStyle = ltsLeftValue;
    bool destroying = false;
    bool mouseConsumed = false;
    bool view3D = false;
    bool clipPoints = true;
    bool depthOrdering = false;
    int highestDepth = 0;
    int pointsPerPage = 0;
    int page = 1;
    bool scaleLastPage = true;
    bool loading = false;
    // Last: the axes talk to this host while they are created.
    TChartAxisList axes{this};
};
