#pragma once

#include "chart/axes/number_format.h"
#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"
#include "chart/series/series_host.h"

#include <cmath>
#include <memory>
#include <vector>

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

// The chart as the series sees it, with counters for what they ask of it.
class FakeHost : public TSeriesHost
{
public:
    void Invalidate() override { ++invalidates; }
    bool IsDestroying() const override { return destroying; }
    TRect ChartRect() const override { return plot; }
    TSeriesAxis* BottomAxis() const override { return bottom.get(); }
    TSeriesAxis* TopAxis() const override { return top.get(); }
    TSeriesAxis* LeftAxis() const override { return left.get(); }
    TSeriesAxis* RightAxis() const override { return right.get(); }
    TCanvas3D* Canvas() const override { return nullptr; }
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
    const TChartSeriesList& SeriesList() const override { return list; }
    void RefreshFromSource(TChartSeries& series) override
    {
        ++sourceRefreshes;
        if (loadsSources && series.DataSource())
            series.LoadFromSource(*series.DataSource());
    }
    // Circles are the real chart's to find.
    void CheckDataSource(const TChartSeries&, const TChartSeries&) const override {}
    QString FormatValue(const QString& picture, double value) const override { return FormatNumber(picture, value); }
    TColor ChartColor() const override { return chartColour; }
    TLegendTextStyle LegendTextStyle() const override { return legendStyle; }
    bool MouseConsumed() const override { return mouseConsumed; }
    void SetMouseConsumed(bool value) override { mouseConsumed = value; }
    bool View3D() const override { return view3D; }
    void SetView3D(bool value) override { view3D = value; }
    void SetClipPoints(bool value) override { clipPoints = value; }
    bool DepthOrdering() const override { return depthOrdering; }
    int HighestDepthOrder() const override { return highestDepth; }
    void SetHighestDepthOrder(int value) override { highestDepth = value; }

    std::unique_ptr<FakeAxis> bottom = std::make_unique<FakeAxis>(true);
    std::unique_ptr<FakeAxis> top = std::make_unique<FakeAxis>(true);
    std::unique_ptr<FakeAxis> left = std::make_unique<FakeAxis>(false);
    std::unique_ptr<FakeAxis> right = std::make_unique<FakeAxis>(false);
    TRect plot{0, 0, 100, 100};
    TChartSeriesList list{this};
    int invalidates = 0;
    int sourceRefreshes = 0;
    // RefreshFromSource loads the points as the chart does.
    bool loadsSources = false;
    TColor chartColour = clWhite;
    TLegendTextStyle legendStyle = ltsLeftValue;
    bool destroying = false;
    bool mouseConsumed = false;
    bool view3D = false;
    bool clipPoints = true;
    bool depthOrdering = false;
    int highestDepth = 0;
};

// Every point's value of one kind, for comparing whole series at once.
template <typename Read>
auto PointsOf(const TChartSeries& s, Read read)
{
    std::vector<decltype(read(s, 0))> out;
    for (int i = 0; i < s.PointCount(); ++i)
        out.push_back(read(s, i));
    return out;
}
inline std::vector<double> Xs(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointX(i); }); }
inline std::vector<double> Ys(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointY(i); }); }
inline std::vector<QString> Labels(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointLabel(i); }); }
inline std::vector<TColor> Colours(const TChartSeries& s) { return PointsOf(s, [](auto& t, int i) { return t.PointColor(i); }); }
