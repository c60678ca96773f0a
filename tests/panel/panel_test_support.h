#pragma once

#include "support/recording_canvas.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <memory>

// A series that draws each point as a filled 5 x 5 square in its colour,
// centred on the point's pixel. Counts its destructions when asked to.
class TBoxSeries : public TChartSeries
{
public:
    explicit TBoxSeries(int* destroyed = nullptr) : destroyed_(destroyed) {}
    ~TBoxSeries() override
    {
        if (destroyed_)
            ++*destroyed_;
    }

    // Markers of 5 x 5 pixels keep 3 pixels free at the plot's edges.
    void HorizontalMargins(int& left, int& right) const override { left = right = 3; }
    void VerticalMargins(int& top, int& bottom) const override { top = bottom = 3; }

    void DrawPoint(const TSeriesPaint& paint, int index) override
    {
        TCanvas3D& canvas = paint.Canvas;
        canvas.Brush().Color = SeriesColor();
        canvas.Brush().Style = bsSolid;
        const auto [x, y] = PointPixelIn(paint, index);
        canvas.FillRect({x - 2, y - 2, x + 3, y + 3});
    }

private:
    int* destroyed_;
};

// A chart that draws on a recording canvas.
struct TRecordedChart
{
    TRecordedChart()
    {
        auto canvas = std::make_unique<TRecordingCanvas>();
        recorder = canvas.get();
        chart.SetCanvas(std::move(canvas));
        chart.SetView3D(false);
    }
    // One paint; the recorder holds only its operations.
    void Paint()
    {
        recorder->ClearOps();
        chart.Draw(nullptr, chart.GetRectangle());
    }

    TChart chart;
    TRecordingCanvas* recorder = nullptr;
};

inline TBoxSeries& AddBoxSeries(TChart& chart, std::initializer_list<std::pair<double, double>> points,
                               TColor colour = clDefault)
{
    auto series = std::make_unique<TBoxSeries>();
    series->SetSeriesColor(colour);
    for (const auto& [x, y] : points)
        series->AddPoint(x, y);
    return chart.AddSeries(std::move(series));
}
