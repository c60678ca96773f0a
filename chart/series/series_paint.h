#pragma once

#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"
#include "chart/series/legend_text_style.h"

#include <vector>

class TCanvas3D;
class TSeriesAxis;

// What one paint hands a series: the canvas, the plot and the axes of this
// layout, the points to draw, and the colours and text style around them.
// A series asks its chart nothing while it draws, so a picture or a
// print-out draws with its own context and leaves the window's alone.
struct TSeriesPaint
{
    TCanvas3D& Canvas;
    TRect Plot;
    // The series' axes, mapped as this paint laid them out.
    const TSeriesAxis* HorizAxis = nullptr;
    const TSeriesAxis* VertAxis = nullptr;
    int FirstVisible = -1;
    int LastVisible = -1;
    // The pixels of the visible points when the paint mapped them ahead
    // ((*Pixels)[i] is point FirstVisible + i): every point is mapped once
    // per paint, for the drawing and the frame alike.
    const std::vector<TPoint>* Pixels = nullptr;
    // Behind the marks, and behind the legend symbols (clDefault: the
    // chart's colour shows through).
    TColor ChartColour = clWhite;
    TColor LegendBackColour = clWhite;
    TLegendTextStyle TextStyle = ltsLeftValue;
    bool View3D = false;
};
