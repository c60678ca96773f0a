#pragma once

#include "chart/canvas/rect.h"

#include <cstdint>
#include <vector>

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// What the layout of a title or foot depends on.
struct TTitleLayoutInput
{
    TRect Plot;           // ChartRect before the title takes its space
    bool OnTop = true;    // title (true) or foot (false)
    bool FrameVisible = false;
    int FrameWidth = 0;   // the frame pen's width
    bool BoxDrawn = false; // frame visible or a background brush
    bool AdjustFrame = true;
    TAlignment Alignment = taCenter;
    int LineHeight = 0;
    int WWidth = 0;       // text width of "W"
    std::vector<int> LineWidths; // one per text line, in text order
};

// Where a title or foot goes.
struct TTitleLayout
{
    TRect TextBox;  // the lines' box
    TRect TitleBox; // the box drawn and clicked: TextBox with the frame
    std::vector<TPoint> LineOrigins; // top-left of each line, in text order
    bool MovesPlot = false;
    int PlotEdge = 0; // the new ChartRect.Top (title) or Bottom (foot)
};

TTitleLayout CalcTitleLayout(const TTitleLayoutInput& in);
