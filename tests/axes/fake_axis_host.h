#pragma once

#include "chart/axes/axis_paint.h"
#include "support/chart_test_host.h"
#include "support/recording_canvas.h"

// A chart for axis tests: the shared test host on its real axes, a plot of
// 400 by 400 pixels and a recording canvas (7 pixels per character, 13 per
// line).
class FakeAxisHost : public TChartTestHost
{
public:
    FakeAxisHost()
    {
        plot = {50, 50, 450, 450};
        canvas = &recorder;
        UseRealAxes();
    }

    // The context an axis draws in on this chart.
    TAxisPaint Paint() { return {.Canvas = recorder, .Plot = plot, .Printing = printing}; }

    TRecordingCanvas recorder;
    bool printing = false;
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
