#pragma once

#include "support/recording_canvas.h"
#include "chart/series/custom_series.h"
#include "fake_series_host.h"

#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

// The fake chart with a canvas to draw on. The default axes map a value v
// to pixel x = v and pixel y = 100 - v on the plot (0, 0, 100, 100).
class DrawingHost : public FakeHost
{
public:
    explicit DrawingHost(TCanvas3D* on = nullptr) { canvas = on ? on : &recorder; }

    TRecordingCanvas recorder;
};

// Points given by their pixels on the default axes.
struct PixelPoint
{
    int X;
    int Y;
    TColor Colour = clDefault;
};

inline void AddPixelPoints(TChartSeries& series, std::initializer_list<PixelPoint> points)
{
    for (const PixelPoint& p : points)
        series.AddPoint(p.X, 100 - p.Y, {}, p.Colour);
}

inline void SetPointerSize(TCustomSeries& series, int size, bool visible = true)
{
    series.Pointer().SetHorizSize(size);
    series.Pointer().SetVertSize(size);
    series.Pointer().SetVisible(visible);
}

// One paint of the series on its host as the chart runs it.
inline void Paint(TChartSeries& series)
{
    auto& host = static_cast<TChartTestHost&>(*series.ParentChart());
    series.CalcVisibleRange(host.plot);
    series.DrawVisiblePoints(host.PaintOf(series));
}

// A canvas operation in short: "LineTo 0,60,5,40", "Rectangle 97,97,104,104".
inline std::string Describe(const TCanvasOp& op)
{
    QString text = op.Name;
    for (std::size_t i = 0; i < op.Args.size(); ++i)
        text += (i == 0 ? QStringLiteral(" ") : QStringLiteral(",")) + QString::number(op.Args[i]);
    for (const TPoint& p : op.Points)
        text += QStringLiteral(" (%1,%2)").arg(p.X).arg(p.Y);
    return text.toStdString();
}

inline std::vector<std::string> Described(const TRecordingCanvas& canvas)
{
    std::vector<std::string> out;
    for (const TCanvasOp& op : canvas.Ops())
        out.push_back(Describe(op));
    return out;
}
