#pragma once

#include "panel_test_support.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

// A box series that answers which of its points lies under a pixel.
class THitSeries : public TBoxSeries
{
public:
    int PointAtIn(const TSeriesFrame& frame, int x, int y) const override
    {
        for (std::size_t k = 0; k < frame.Pixels.size(); ++k)
            if (std::abs(frame.Pixels[k].X - x) <= 2 && std::abs(frame.Pixels[k].Y - y) <= 2)
                return frame.FirstVisible + int(k);
        return -1;
    }
    void MouseMoved(TShiftState, int, int) override { ++moves; }
    void MouseReleased(TMouseButton, TShiftState, int, int) override { ++releases; }
    int moves = 0;
    int releases = 0;
};

// A shown 400 x 250 chart on the real canvas with one series from (0, 0)
// to (100, 1000), painted once, and real Qt input sent to it.
struct TMouseChart
{
    TMouseChart()
    {
        chart.SetView3D(false);
        chart.resize(400, 250);
        auto s = std::make_unique<THitSeries>();
        s->AddPoint(0, 0);
        s->AddPoint(50, 500);
        s->AddPoint(100, 1000);
        series = &chart.AddSeries(std::move(s));
        chart.show();
        chart.Repaint();
    }
    TChartAxis& Bottom() const { return *chart.BottomAxis(); }
    TChartAxis& Left() const { return *chart.LeftAxis(); }
    // Fixed limits as the program sets them, painted.
    void FixAxes(double bottomMin, double bottomMax, double leftMin, double leftMax)
    {
        Bottom().FixRange(bottomMin, bottomMax);
        Left().FixRange(leftMin, leftMax);
        chart.Repaint();
    }

    void Press(Qt::MouseButton b, QPoint p, Qt::KeyboardModifiers m = {}) { QTest::mousePress(&chart, b, m, p); }
    void Move(QPoint p) { QTest::mouseMove(&chart, p); }
    void Release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(&chart, b, {}, p); }
    void Drag(Qt::MouseButton b, QPoint from, QPoint to)
    {
        Press(b, from);
        Move(to);
        Release(b, to);
        chart.Repaint();
    }
    // One wheel event of `delta` angle units (positive: away from the user).
    void Wheel(int delta, QPoint at = {200, 100})
    {
        QWheelEvent event(at, chart.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &event);
    }

    TChart chart;
    THitSeries* series = nullptr;
};

// Counts the click events and notes the last series and index.
struct TClicks
{
    explicit TClicks(TChart& chart)
    {
        chart.OnClickBackground = [this](TCustomChartPanel&, TMouseButton, TShiftState, int, int) { ++background; };
        chart.OnClickLegend = [this](TCustomChartPanel& c, TMouseButton, TShiftState, int, int) {
            ++legend;
            static_cast<TChart&>(c).SetMouseConsumed(keepLegendClick);
        };
        chart.OnClickSeries = [this](TCustomChartPanel&, TChartSeries& s, int i, TMouseButton, TShiftState, int, int) {
            series = &s;
            index = i;
        };
    }
    int background = 0;
    int legend = 0;
    bool keepLegendClick = true;
    TChartSeries* series = nullptr;
    int index = -1;
};
