#pragma once

#include "chart/canvas/rect.h"

#include <vector>

class TChartSeries;

// One series as one paint drew it: the visible range, the depth values and
// the pixel of every point drawn. The click test reads this value, so a
// click finds what is on screen even when the points changed since.
struct TSeriesFrame
{
    TChartSeries* Series = nullptr;
    int FirstVisible = -1;
    int LastVisible = -1;
    int StartZ = 0;
    int MiddleZ = 0;
    int EndZ = 0;
    // The series' point changes when it was painted; a series changed since
    // answers no click until its next paint.
    int DataChanges = 0;
    // Pixels[i] belongs to point FirstVisible + i.
    std::vector<TPoint> Pixels;
};
