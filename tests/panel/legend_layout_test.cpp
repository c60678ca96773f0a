#include "chart/panel/legend_layout.h"

#include <gtest/gtest.h>

namespace {

// A bottom legend in a 400 x 250 chart whose plot is (12, 10, 388, 240),
// with n items of the given text width and 13-pixel rows.
TLegendLayoutInput BottomLegend(int n, int textWidth)
{
    TLegendLayoutInput in;
    in.Alignment = laBottom;
    in.Plot = {12, 10, 388, 240};
    in.Bounds = {0, 0, 400, 250};
    in.PlotWidth = 376;
    in.PlotHeight = 230;
    in.PlotCentreX = 200;
    in.LineHeight = 13;
    in.TextWidths.assign(std::size_t(n), textWidth);
    return in;
}

} // namespace

TEST(LegendLayout, SevenItemsOf36PixelsWithColorWidth20AtTheBottom)
{
    TLegendLayoutInput in = BottomLegend(7, 36);
    in.ColorWidth = 20;
    const TLegendLayout l = CalcLegendLayout(in);
    // W = 36 + 4, symbol 20 % of it, columns (376 - 2 - 8) div (40 + 8 + 8).
    EXPECT_EQ(l.SymbolWidth, 8);
    EXPECT_EQ(l.ColumnPitch, 52);
    EXPECT_EQ(l.ColumnTotal, 6);
    EXPECT_EQ(l.RowTotal, 2);
    // Frame and shadow above the plot's bottom; two rows plus 2 high; the
    // box 2 * 3 + 52 * 6 + 8 wide, 10 % of the free width right of centre.
    EXPECT_EQ(l.Box, (TRect{44, 240 - 3 - 2 - 28, 370, 240 - 3 - 2}));
    ASSERT_EQ(l.Items.size(), 7u);
    EXPECT_EQ(l.Items[0].Text, (TPoint{44 + 8 + 8, 208}));
    EXPECT_EQ(l.Items[0].Symbol, (TRect{48, 210, 56, 219}));
    EXPECT_EQ(l.Items[5].Text, (TPoint{60 + 5 * 52, 208}));
    EXPECT_EQ(l.Items[6].Text, (TPoint{60, 221}));
    // The plot ends at the box and keeps 4 % of its height as a gap.
    EXPECT_EQ(LegendPlotRect(l, in), (TRect{12, 10, 388, 207 - 9}));
    in.ResizeChart = false;
    EXPECT_EQ(LegendPlotRect(l, in).Bottom, 240 - 9);
}

TEST(LegendLayout, TopPosShiftsARowLegendByItsShareOfTheFreeWidth)
{
    TLegendLayoutInput in = BottomLegend(7, 36);
    in.ColorWidth = 20;
    in.TopPos = 0;
    EXPECT_EQ(CalcLegendLayout(in).Box.Left, 200 - 326 / 2);
    in.TopPos = 100;
    const TLegendLayout l = CalcLegendLayout(in);
    EXPECT_EQ(l.Box.Left, 200 - 326 / 2 + (400 - 326));
    EXPECT_EQ(l.Box.Right, 200 + 326 / 2 + (400 - 326));
}

TEST(LegendLayout, RowsStopAtMaxNumRowsAndInvertedFillsFromTheEnd)
{
    TLegendLayoutInput in = BottomLegend(30, 100);
    in.MaxNumRows = 4;
    in.FirstValue = 2;
    in.Inverted = true;
    const TLegendLayout l = CalcLegendLayout(in);
    EXPECT_EQ(l.ColumnTotal, 2); // 366 div (104 + 12 + 8)
    EXPECT_EQ(l.RowTotal, 4);
    ASSERT_EQ(l.Items.size(), 8u);
    EXPECT_EQ(l.Items.front().Index, 2);
    EXPECT_EQ(l.Items.front().Position, 7);
    EXPECT_EQ(l.Items.back().Index, 9);
    EXPECT_EQ(l.Items.back().Position, 0);
}

TEST(LegendLayout, SideLegendBelowThePlotShowsNothing)
{
    TLegendLayoutInput in = BottomLegend(3, 20);
    in.Alignment = laRight;
    in.TopPos = 100;
    const TLegendLayout l = CalcLegendLayout(in);
    EXPECT_EQ(l.RowTotal, 0);
    EXPECT_EQ(l.Shown, 0);
    EXPECT_TRUE(l.Items.empty());
    // A right legend in reach: one column under 10 % of the height.
    in.TopPos = 10;
    const TLegendLayout r = CalcLegendLayout(in);
    EXPECT_EQ(r.RowTotal, 3);
    EXPECT_EQ(r.Box, (TRect{388 - 2 - 3 - 22 - 4 - 4 - 4, 25, 388 - 2 - 3, 25 + 3 * 13 + 2}));
    EXPECT_EQ(r.Items[2].Text, (TPoint{r.TextX, 25 + 1 + 26}));
}

TEST(LegendLayout, ClicksMapToSlotsOfTheKeptLayoutOnly)
{
    TLegendLayoutInput in = BottomLegend(7, 36);
    in.ColorWidth = 20;
    const TLegendLayout l = CalcLegendLayout(in);
    for (const TLegendItemPlace& item : l.Items)
        EXPECT_EQ(LegendSlotAt(l, item.Text.X + 1, item.Text.Y + 1), item.Position);
    // The frame line lies outside the box, as do its right and bottom edges.
    EXPECT_EQ(LegendSlotAt(l, l.Box.Left - 1, l.Box.Top + 5), -1);
    EXPECT_EQ(LegendSlotAt(l, l.Box.Right, l.Box.Top + 5), -1);
    EXPECT_EQ(LegendSlotAt(l, l.Box.Left + 5, l.Box.Bottom), -1);
    // The empty slot after the last item still answers its position.
    EXPECT_EQ(LegendSlotAt(l, l.Items[5].Text.X, l.Items[6].Text.Y + 1), 11);

    in.Alignment = laLeft;
    const TLegendLayout side = CalcLegendLayout(in);
    ASSERT_EQ(side.RowTotal, 7);
    EXPECT_EQ(LegendSlotAt(side, side.Items[4].Text.X, side.Items[4].Text.Y + 3), 4);
}

TEST(LegendLayout, AMovedBoxTakesItsItemsAlong)
{
    TLegendLayout l = CalcLegendLayout(BottomLegend(2, 30));
    const TLegendLayout before = l;
    MoveLegendBox(l, before.Box.Translated(-10, 5));
    EXPECT_EQ(l.Items[1].Text, (TPoint{before.Items[1].Text.X - 10, before.Items[1].Text.Y + 5}));
    EXPECT_EQ(l.Items[1].Symbol, before.Items[1].Symbol.Translated(-10, 5));
}
