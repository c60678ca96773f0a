#pragma once

#include "chart/canvas/rect.h"
#include "chart/panel/legend_types.h"

#include <vector>

// What the legend's layout depends on, gathered once per paint.
struct TLegendLayoutInput
{
    TLegendAlignment Alignment = laRight;
    TRect Plot;   // ChartRect before the legend takes its space
    TRect Bounds; // PaintBounds
    int PlotWidth = 0;
    int PlotHeight = 0;
    int PlotCentreX = 0;
    int LineHeight = 0;
    // Text widths of the items that may be shown, from FirstValue on.
    std::vector<int> TextWidths;
    bool FrameVisible = true;
    int FrameWidth = 1; // counts even when the frame is hidden
    int ColorWidth = 12;
    int TopPos = 10;
    int ShadowSize = 3;
    int MaxNumRows = 10;
    int HorizMargin = 0;
    int VertMargin = 0;
    bool ResizeChart = true;
    bool Inverted = false;
    int FirstValue = 0;
};

// Where one item goes: its text's top-left and its symbol.
struct TLegendItemPlace
{
    int Index = 0;    // the item (FirstValue counts)
    int Position = 0; // its slot, row by row
    TPoint Text;
    TRect Symbol;

    friend bool operator==(const TLegendItemPlace&, const TLegendItemPlace&) = default;
};

// The legend as one paint laid it out. Drawing and the click test read this
// value; nothing else of the paint reaches a later click.
struct TLegendLayout
{
    bool Vertical = true;
    TRect Box;          // without frame and shadow
    int RowHeight = 0;  // the legend font's line height of that paint
    int ColumnTotal = 0;
    int RowTotal = 0;
    int SymbolWidth = 0;
    int ColumnPitch = 0; // text x step from one column to the next
    int TextX = 0;       // text x of the first column
    int SymbolX = 0;     // symbol left of the first column
    int Shown = 0;       // slots the box has room for
    std::vector<TLegendItemPlace> Items;
};

// Items that fit from yLegend on with itemHeight each: rows of a side
// legend, columns of a top or bottom legend (then yLegend is a width).
int LegendCapacity(const TLegendLayoutInput& in, int yLegend, int itemHeight);
// The widest of the first n item texts (all for n = -1), 0 for none.
int WidestText(const TLegendLayoutInput& in, int n);

TLegendLayout CalcLegendLayout(const TLegendLayoutInput& in);
// The box moved or resized by the chart's handler: the items keep their
// places relative to its left-top corner.
void MoveLegendBox(TLegendLayout& layout, const TRect& box);
// Symbol of an item whose text starts at x (its right edge is x - 4).
TRect LegendSymbolRect(const TLegendLayout& layout, TPoint text);
// The plot rectangle once the legend has taken its space and its gap.
TRect LegendPlotRect(const TLegendLayout& layout, const TLegendLayoutInput& in);
// The slot under (x, y), or -1.
int LegendSlotAt(const TLegendLayout& layout, int x, int y);
