#include "chart/panel/legend_layout.h"

#include "chart/canvas/pixel_math.h"

#include <algorithm>

namespace {

bool IsVertical(TLegendAlignment a)
{
    return a == laLeft || a == laRight;
}

// The frame and its one-pixel gap, when the frame is drawn.
int FrameReach(const TLegendLayoutInput& in)
{
    return in.FrameVisible ? in.FrameWidth + 1 : 0;
}

int Percent(int percent, int of)
{
    return RoundPixel(percent * of * 0.01);
}

// Columns and rows of a top or bottom legend.
void CalcGrid(const TLegendLayoutInput& in, int itemWidth, TLegendLayout& out)
{
    const int total = int(in.TextWidths.size());
    out.ColumnTotal = LegendCapacity(in, 8, itemWidth + out.SymbolWidth + 8);
    if (out.ColumnTotal <= 0) {
        out.RowTotal = 0;
        return;
    }
    const int rows = total / out.ColumnTotal + (total % out.ColumnTotal > 0 ? 1 : 0);
    out.RowTotal = std::min(rows, in.MaxNumRows);
}

void CalcVerticalExtent(const TLegendLayoutInput& in, int itemWidth, TLegendLayout& out)
{
    const int h = in.LineHeight;
    switch (in.Alignment) {
    case laTop:
        out.Box.Top = in.Plot.Top + FrameReach(in);
        CalcGrid(in, itemWidth, out);
        out.Box.Bottom = out.Box.Top + out.RowTotal * h + 2;
        break;
    case laBottom:
        out.Box.Bottom = in.Plot.Bottom - in.ShadowSize - FrameReach(in);
        CalcGrid(in, itemWidth, out);
        out.Box.Top = out.Box.Bottom - out.RowTotal * h - 2;
        break;
    case laLeft:
    case laRight:
        // TopPos places a side legend down the whole painted height.
        out.Box.Top = in.Bounds.Top + Percent(in.TopPos, in.Bounds.Bottom - in.Bounds.Top);
        out.ColumnTotal = 1;
        out.RowTotal = LegendCapacity(in, out.Box.Top, h);
        out.Box.Bottom = out.Box.Top + out.RowTotal * h + 2;
        break;
    }
}

void CalcSideExtent(const TLegendLayoutInput& in, TLegendLayout& out)
{
    const int widest = WidestText(in, out.RowTotal);
    out.SymbolWidth = Percent(in.ColorWidth, widest + 10);
    if (in.Alignment == laLeft) {
        out.Box.Left = in.Plot.Left + FrameReach(in);
        out.SymbolX = out.Box.Left + 4;
        out.TextX = out.SymbolX + out.SymbolWidth + 4;
        out.Box.Right = out.TextX + widest + 2;
    } else {
        out.Box.Right = in.Plot.Right - FrameReach(in) - in.ShadowSize;
        out.TextX = out.Box.Right - widest - 2;
        out.SymbolX = out.TextX - out.SymbolWidth - 4;
        out.Box.Left = out.SymbolX - 4;
    }
    out.Shown = out.RowTotal;
}

void CalcRowExtent(const TLegendLayoutInput& in, int itemWidth, TLegendLayout& out)
{
    const int width = std::min(in.PlotWidth, 2 * in.ShadowSize
                                                 + (out.SymbolWidth + itemWidth + 4) * out.ColumnTotal + 8);
    // TopPos shifts the box right of centre by a share of the free width.
    const int offset = Percent(in.TopPos, in.Bounds.Right - in.Bounds.Left - width);
    out.Box.Left = in.PlotCentreX - width / 2 + offset;
    out.Box.Right = in.PlotCentreX + width / 2 + offset;
    out.SymbolX = out.Box.Left + 4;
    out.TextX = out.Box.Left + out.SymbolWidth + 8;
    out.ColumnPitch = itemWidth + out.SymbolWidth + 4;
    out.Shown = out.ColumnTotal * out.RowTotal;
}

TPoint TextPosition(const TLegendLayout& out, int slot)
{
    if (out.Vertical)
        return {out.TextX, out.Box.Top + 1 + slot * out.RowHeight};
    return {out.TextX + (slot % out.ColumnTotal) * out.ColumnPitch,
            out.Box.Top + 1 + (slot / out.ColumnTotal) * out.RowHeight};
}

void PlaceItems(const TLegendLayoutInput& in, TLegendLayout& out)
{
    const int total = int(in.TextWidths.size());
    const int count = std::min(total, out.Shown);
    const int last = count + in.FirstValue - 1;
    for (int i = in.FirstValue; i <= last; ++i) {
        const int slot = in.Inverted ? last - i : i - in.FirstValue;
        const TPoint text = TextPosition(out, slot);
        out.Items.push_back({i, slot, text, LegendSymbolRect(out, text)});
    }
}

// The row under y when rows are rowHeight apart, or -1.
int RowAt(const TLegendLayout& layout, int y, int rowHeight)
{
    for (int k = 0; k < layout.RowTotal; ++k) {
        const int top = layout.Box.Top + k * rowHeight + 1;
        if (y >= top && y <= top + rowHeight)
            return k;
    }
    return -1;
}

} // namespace

int LegendCapacity(const TLegendLayoutInput& in, int yLegend, int itemHeight)
{
    const int total = int(in.TextWidths.size());
    const int frames = 2 * in.FrameWidth;
    int room = 0;
    if (IsVertical(in.Alignment)) {
        if (yLegend >= in.Plot.Bottom || itemHeight <= 0)
            return 0;
        room = (in.Plot.Bottom - frames - yLegend) / itemHeight;
    } else {
        if (yLegend >= in.Plot.Right || itemHeight <= 0)
            return 0;
        room = (in.PlotWidth - frames - yLegend) / itemHeight;
    }
    // A frame wider than the room left gives no items, not a negative count.
    return std::clamp(room, 0, total);
}

int WidestText(const TLegendLayoutInput& in, int n)
{
    const int total = int(in.TextWidths.size());
    const int count = n < 0 ? total : std::min(n, total);
    int widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, in.TextWidths[std::size_t(i)]);
    return widest;
}

TLegendLayout CalcLegendLayout(const TLegendLayoutInput& in)
{
    TLegendLayout out;
    out.Vertical = IsVertical(in.Alignment);
    out.RowHeight = in.LineHeight;
    const int itemWidth = WidestText(in, -1) + 4;
    out.SymbolWidth = Percent(in.ColorWidth, itemWidth);
    CalcVerticalExtent(in, itemWidth, out);
    if (out.Vertical)
        CalcSideExtent(in, out);
    else
        CalcRowExtent(in, itemWidth, out);
    PlaceItems(in, out);
    return out;
}

void MoveLegendBox(TLegendLayout& layout, const TRect& box)
{
    const int dx = box.Left - layout.Box.Left;
    const int dy = box.Top - layout.Box.Top;
    layout.Box = box;
    layout.TextX += dx;
    layout.SymbolX += dx;
    for (TLegendItemPlace& item : layout.Items) {
        item.Text = {item.Text.X + dx, item.Text.Y + dy};
        item.Symbol = item.Symbol.Translated(dx, dy);
    }
}

TRect LegendSymbolRect(const TLegendLayout& layout, TPoint text)
{
    const int right = text.X - 4;
    return {right - layout.SymbolWidth, text.Y + 2, right, text.Y + layout.RowHeight - 2};
}

TRect LegendPlotRect(const TLegendLayout& layout, const TLegendLayoutInput& in)
{
    TRect r = in.Plot;
    if (in.ResizeChart) {
        switch (in.Alignment) {
        case laLeft: r.Left = layout.Box.Right; break;
        case laRight: r.Right = layout.Box.Left; break;
        case laTop: r.Top = layout.Box.Bottom + in.ShadowSize; break;
        case laBottom: r.Bottom = layout.Box.Top; break;
        }
    }
    // The gap to the plot is kept even when the plot does not give way.
    const int horiz = in.HorizMargin != 0 ? in.HorizMargin : MulDiv(3, in.PlotWidth, 100);
    const int vert = in.VertMargin != 0 ? in.VertMargin : MulDiv(4, in.PlotHeight, 100);
    switch (in.Alignment) {
    case laLeft: r.Left += horiz; break;
    case laRight: r.Right -= horiz; break;
    case laTop: r.Top += vert; break;
    case laBottom: r.Bottom -= vert; break;
    }
    return r;
}

int LegendSlotAt(const TLegendLayout& layout, int x, int y)
{
    if (!layout.Box.Contains({x, y}))
        return -1;
    if (layout.Vertical) {
        if (layout.RowTotal <= 0)
            return -1;
        return RowAt(layout, y, layout.Box.Height() / layout.RowTotal);
    }
    if (layout.ColumnTotal <= 0)
        return -1;
    const int columnWidth = layout.Box.Width() / layout.ColumnTotal;
    int slot = -1;
    for (int j = 0; j < layout.ColumnTotal; ++j) {
        const int left = layout.Box.Left + j * columnWidth + 1;
        if (x < left || x > left + columnWidth)
            continue;
        // A later column that matches wins (its edge pixel is shared).
        const int row = RowAt(layout, y, layout.RowHeight);
        if (row != -1)
            slot = row * layout.ColumnTotal + j;
    }
    return slot;
}
