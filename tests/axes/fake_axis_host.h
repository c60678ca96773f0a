#pragma once

#include "chart/axes/axis_host.h"
#include "chart/axes/chart_axis_list.h"
#include "chart/axes/number_format.h"
#include "support/recording_canvas.h"
#include "chart/canvas/chart_exception.h"
#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"
#include "chart/series/series_host.h"

#include <algorithm>
#include <memory>

// A chart for axis tests: the five axes, a series list, a recording canvas
// (7 pixels per character, 13 per line) and settable chart state.
class FakeAxisHost : public TSeriesHost, public TAxisHost
{
public:
    // --- shared ---
    void Invalidate() override { ++invalidates; }
    TRect ChartRect() const override { return plot; }
    TCanvas3D* Canvas() const override { return canvas.get(); }
    const TChartSeriesList& SeriesList() const override { return list; }
    bool View3D() const override { return false; }
    int HighestDepthOrder() const override { return 0; }

    // --- series host ---
    bool IsDestroying() const override { return false; }
    TSeriesAxis* BottomAxis() const override { return &axes.Bottom(); }
    TSeriesAxis* TopAxis() const override { return &axes.Top(); }
    TSeriesAxis* LeftAxis() const override { return &axes.Left(); }
    TSeriesAxis* RightAxis() const override { return &axes.Right(); }
    void AddSeries(TChartSeries& series) override
    {
        list.Add(series);
        series.SetParentChart(this);
    }
    void RemoveSeries(TChartSeries& series) override
    {
        list.Remove(series);
        series.SetParentChart(nullptr);
    }
    void RefreshFromSource(TChartSeries&) override {}
    void CheckDataSource(const TChartSeries&, const TChartSeries&) const override {}
    QString FormatValue(const QString& picture, double value) const override { return FormatNumber(picture, value); }
    bool MouseConsumed() const override { return false; }
    void SetMouseConsumed(bool) override {}
    void SetView3D(bool) override {}
    void SetClipPoints(bool) override {}
    bool DepthOrdering() const override { return false; }
    void SetHighestDepthOrder(int) override {}

    // --- axis host ---
    bool AxisShown(const TCustomChartAxis& axis) const override { return axis.Visible(); }
    bool IsLoading() const override { return loading; }
    bool IsPrinting() const override { return printing; }
    int MaxPointsPerPage() const override { return pointsPerPage; }
    int Page() const override { return page; }
    bool ScaleLastPage() const override { return scaleLastPage; }
    TColor ChartColor() const override { return clWhite; }
    int WallSize(TAxisSide) const override { return 0; }
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

    // Settles range and pixels of one axis as a paint does.
    void Layout(TCustomChartAxis& axis)
    {
        axis.SettleRange();
        axis.PlaceOnPlot();
    }

    std::unique_ptr<TRecordingCanvas> canvas = std::make_unique<TRecordingCanvas>();
    TChartSeriesList list{this};
    TRect plot{50, 50, 450, 450};
    TAxisOnGetLabel onGetAxisLabel;
    TAxisOnGetNextLabel onGetNextAxisLabel;
    int invalidates = 0;
    int pointsPerPage = 0;
    int page = 1;
    bool scaleLastPage = true;
    bool loading = false;
    bool printing = false;
    TChartAxisList axes{this};
};

// The labelled texts of a tick list, in order.
inline QStringList LabelTexts(const TAxisTickList& list)
{
    QStringList out;
    for (const TAxisTick& t : list.Ticks)
        if (t.Labelled)
            out << t.Text;
    return out;
}
