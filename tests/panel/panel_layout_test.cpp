#include "chart/panel/back_image.h"
#include "chart/panel/panel_layout.h"
#include "chart/panel/placement_order.h"
#include "chart/panel/title_layout.h"

#include <gtest/gtest.h>

TEST(MarginRect, DefaultMarginsOfANewControl)
{
    EXPECT_EQ(MarginRect({0, 0, 400, 250}, {3, 4, 3, 4}, 0), (TRect{12, 10, 388, 240}));
}

TEST(MarginRect, HalvesRoundAwayFromZeroAndBorderCounts)
{
    // 3 % of 450 = 13.5 -> 14; 5 % of 250 = 12.5 -> 13.
    EXPECT_EQ(MarginRect({0, 0, 450, 250}, {3, 5, 3, 5}, 2), (TRect{16, 15, 434, 235}));
}

TEST(SettlePlotRect, KeepsTheRectangleUsable)
{
    const TRect bounds{0, 0, 400, 250};
    struct Case
    {
        TRect in;
        TRect out;
    } cases[] = {
        {{12, 10, 388, 240}, {12, 10, 388, 240}},
        {{50, 10, 50, 240}, {50, 10, 450, 240}}, // collapsed: the control's width
        {{50, 10, 40, 240}, {50, 10, 51, 240}},  // inverted: one pixel
        {{12, 60, 388, 60}, {12, 60, 388, 310}},
        {{-5, -7, 100, 100}, {0, 0, 100, 100}}, // not outside the bounds
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettlePlotRect(c.in, bounds, 400, 250).Rect, c.out);
    const TPlotGeometry g = SettlePlotRect({12, 10, 389, 241}, bounds, 400, 250);
    EXPECT_EQ(g.Width, 377);
    EXPECT_EQ(g.Height, 231);
    EXPECT_EQ(g.CentreX, 200);
    EXPECT_EQ(g.CentreY, 125);
}

TEST(PlacementOrder, SideLegendFirstTopOrBottomLegendLast)
{
    EXPECT_EQ(PlacementOrder(false, true), (std::vector<TPlacedPart>{ppTitle, ppFoot}));
    EXPECT_EQ(PlacementOrder(true, true), (std::vector<TPlacedPart>{ppLegend, ppTitle, ppFoot}));
    EXPECT_EQ(PlacementOrder(true, false), (std::vector<TPlacedPart>{ppTitle, ppFoot, ppLegend}));
}

TEST(BackImagePositions, TilesRowByRowAndCentres)
{
    const std::vector<TPoint> tiles = TiledImagePositions({10, 20, 35, 30}, 10, 8);
    EXPECT_EQ(tiles, (std::vector<TPoint>{{10, 20}, {20, 20}, {30, 20}, {10, 28}, {20, 28}, {30, 28}}));
    EXPECT_TRUE(TiledImagePositions({0, 0, 10, 10}, 0, 5).empty());
    EXPECT_EQ(CentredImagePosition({10, 20, 110, 70}, 30, 11), (TPoint{45, 39}));
}

namespace {

TTitleLayoutInput OneLine(bool onTop)
{
    TTitleLayoutInput in;
    in.Plot = {12, 10, 388, 240};
    in.OnTop = onTop;
    in.LineHeight = 13;
    in.WWidth = 7;
    in.LineWidths = {70};
    return in;
}

} // namespace

TEST(TitleLayout, OneLineTitleTakesItsHeightAndTheDistance)
{
    const TTitleLayout t = CalcTitleLayout(OneLine(true));
    EXPECT_TRUE(t.MovesPlot);
    EXPECT_EQ(t.PlotEdge, 10 + 13 + 5);
    // Centred on the plot: (12 + 388) / 2 - 70 / 2.
    EXPECT_EQ(t.LineOrigins, (std::vector<TPoint>{{165, 10}}));
}

TEST(TitleLayout, EmptyTitleWithoutFrameTakesNothing)
{
    TTitleLayoutInput in = OneLine(true);
    in.LineWidths.clear();
    EXPECT_FALSE(CalcTitleLayout(in).MovesPlot);
}

TEST(TitleLayout, TwoLineFootEndsAtTheBottom)
{
    TTitleLayoutInput in = OneLine(false);
    in.LineWidths = {70, 14};
    const TTitleLayout t = CalcTitleLayout(in);
    EXPECT_EQ(t.PlotEdge, 240 - 2 * 13 - 5);
    ASSERT_EQ(t.LineOrigins.size(), 2u);
    EXPECT_EQ(t.LineOrigins[0].Y, 240 - 26);
    EXPECT_EQ(t.LineOrigins[1].Y + 13, 240); // the last line ends at the old bottom
}

TEST(TitleLayout, FramedCentredTitleIsAsWideAsItsLinePlusW)
{
    TTitleLayoutInput in = OneLine(true);
    in.FrameVisible = true;
    in.FrameWidth = 1;
    in.BoxDrawn = true;
    const TTitleLayout t = CalcTitleLayout(in);
    EXPECT_EQ(t.TitleBox, (TRect{200 - 38, 10, 200 + 38, 10 + 1 + 13 + 1}));
    EXPECT_EQ(t.PlotEdge, 10 + 13 + 2 + 5);
}

TEST(TitleLayout, JustifiedLinesKeepHalfAWFromTheEdge)
{
    TTitleLayoutInput in = OneLine(true);
    in.Alignment = taLeftJustify;
    EXPECT_EQ(CalcTitleLayout(in).LineOrigins[0].X, 12 + 3);
    in.Alignment = taRightJustify;
    EXPECT_EQ(CalcTitleLayout(in).LineOrigins[0].X, 388 - 70 - 3);
}
