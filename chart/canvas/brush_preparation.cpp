#include "chart/canvas/brush_preparation.h"

#include "chart/canvas/chart_canvas.h"

void PrepareBrush(TChartCanvas& canvas, TColor colour, TBrushStyle style, TColor backColour)
{
    if (style != bsSolid && colour == backColour)
        colour = backColour == clBlack ? clWhite : clBlack;
    canvas.Brush().Color = colour;
    canvas.Brush().Style = style;
    if (style == bsSolid) {
        canvas.SetBackgroundMode(bmTransparent);
    } else {
        canvas.SetBackgroundMode(bmOpaque);
        canvas.SetBackColor(backColour);
    }
}
