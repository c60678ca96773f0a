#include "panel_test_support.h"

#include <gtest/gtest.h>

namespace {

// A legend that notes the plot rectangle it was given and takes 20 pixels.
class TFakeLegend : public TChartLegend
{
public:
    TFakeLegend(TCustomChart& chart, bool vertical) : TChartLegend(chart), chart_(chart)
    {
        SetAlignment(vertical ? laRight : laBottom);
    }
    void Draw() override
    {
        seen = chart_.ChartRect();
        TRect r = seen;
        (Vertical() ? r.Right : r.Bottom) -= 20;
        chart_.SetChartRect(r);
    }
    TRect seen;

private:
    TCustomChart& chart_;
};

TFakeLegend& AttachLegend(TChart& chart, bool vertical)
{
    auto legend = std::make_unique<TFakeLegend>(chart, vertical);
    TFakeLegend& ref = *legend;
    chart.SetLegend(std::move(legend));
    return ref;
}

} // namespace

TEST(ChartLayout, TitleTakesItsLinePlusFiveBeforeABottomLegend)
{
    TRecordedChart r;
    AddBoxSeries(r.chart, {{1, 1}});
    TFakeLegend& legend = AttachLegend(r.chart, false);
    r.chart.Title().SetVisible(false);
    r.Paint();
    EXPECT_EQ(legend.seen, (TRect{12, 10, 388, 240}));
    r.chart.Title().SetVisible(true);
    r.chart.Title().SetText({QStringLiteral("TChart")});
    r.Paint();
    EXPECT_EQ(legend.seen, (TRect{12, 10 + 13 + 5, 388, 240}));
    r.chart.Foot().SetText({QStringLiteral("a"), QStringLiteral("b")});
    r.Paint();
    EXPECT_EQ(legend.seen.Bottom, 240 - 2 * 13 - 5);
}

TEST(ChartLayout, SideLegendComesBeforeTitleAndNoActiveSeriesMeansNoLegend)
{
    TRecordedChart r;
    TBoxSeries& s = AddBoxSeries(r.chart, {{1, 1}});
    TFakeLegend& legend = AttachLegend(r.chart, true);
    r.chart.Title().SetText({QStringLiteral("TChart")});
    r.Paint();
    EXPECT_EQ(legend.seen, (TRect{12, 10, 388, 240}));
    s.SetActive(false);
    legend.seen = {};
    r.Paint();
    EXPECT_EQ(legend.seen, TRect{});
}

TEST(ChartLayout, FramedTitleDrawsItsBoxAndMovesThePlot)
{
    TRecordedChart r;
    TChartTitle& title = r.chart.Title();
    title.SetText({QStringLiteral("0123456789")});
    title.Frame().SetVisible(true);
    r.chart.SetChartRect({12, 10, 388, 240});
    r.recorder->ClearOps();
    title.Draw(true);
    const auto boxes = r.recorder->OpsNamed(QStringLiteral("Rectangle"));
    ASSERT_EQ(boxes.size(), 1u);
    // 70 pixels of text plus a W (7), centred on 200; one pixel of frame.
    EXPECT_EQ(boxes[0].Args, (std::vector<int>{200 - 38, 10, 200 + 38, 10 + 13 + 2}));
    EXPECT_EQ(boxes[0].Brush.Style, bsClear);
    EXPECT_EQ(r.chart.ChartRect().Top, 10 + 13 + 2 + 5);
    // The text at the centre, in the title's font.
    const auto texts = r.recorder->OpsNamed(QStringLiteral("TextOut"));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Args, (std::vector<int>{200 - 35, 11}));
    EXPECT_EQ(texts[0].Font.Color, clBlue);
    // Clicks find the box the chart's last paint shows.
    r.Paint();
    EXPECT_TRUE(title.Clicked(200, 11));
    EXPECT_FALSE(title.Clicked(200 + 38, 11));
}

TEST(ChartWalls, BackWallOutlineEnclosesTheLastPlotColumnAndRow)
{
    TRecordedChart r;
    AddBoxSeries(r.chart, {{0, 0}, {10, 10}});
    r.chart.Legend()->SetVisible(false); // its box would be the first rectangle
    r.Paint();
    const TRect plot = r.chart.ChartRect();
    const auto rects = r.recorder->OpsNamed(QStringLiteral("Rectangle"));
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(rects[0].Args, (std::vector<int>{plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1}));
    EXPECT_EQ(rects[0].Brush.Style, bsClear);
    EXPECT_EQ(rects[0].Pen.Color, clBlack);
}

TEST(ChartWalls, FillFollowsColourAndBrush)
{
    TRecordedChart r;
    const auto wallBrush = [&] {
        r.Paint();
        return r.recorder->OpsNamed(QStringLiteral("Rectangle")).at(0).Brush;
    };
    // clDefault with a solid brush: no fill.
    r.chart.BackWall().Brush().SetStyle(bsSolid);
    EXPECT_EQ(wallBrush().Style, bsClear);
    r.chart.BackWall().SetColor(clYellow);
    EXPECT_EQ(wallBrush().Style, bsSolid);
    EXPECT_EQ(wallBrush().Color, clYellow);
    // A hatch in the background's own colour is made visible.
    r.chart.BackWall().Brush().SetStyle(bsCross);
    r.chart.BackWall().Brush().SetColor(clYellow);
    EXPECT_EQ(wallBrush().Color, clBlack);
}

TEST(ChartWalls, BackColorMakesTheBrushSolidOnlyWithAParent)
{
    TChart alone;
    alone.SetBackColor(clAqua);
    EXPECT_EQ(alone.BackWall().Brush().Style(), bsClear);
    QWidget form;
    TChart placed(&form);
    placed.SetBackColor(clAqua);
    EXPECT_EQ(placed.BackWall().Color(), clAqua);
    EXPECT_EQ(placed.BackWall().Brush().Style(), bsSolid);
}

TEST(ChartBackground, PanelFillThenRaisedBevelThenBorder)
{
    TRecordedChart r;
    r.chart.SetColor(clGray);
    r.Paint();
    const auto& ops = r.recorder->Ops();
    ASSERT_GE(ops.size(), 4u);
    EXPECT_EQ(ops[1].Name, QStringLiteral("FillRect"));
    EXPECT_EQ(ops[1].Args, (std::vector<int>{0, 0, 400, 250}));
    EXPECT_EQ(ops[1].Brush.Color, clGray);
    const auto bevels = r.recorder->OpsNamed(QStringLiteral("BevelFrame"));
    ASSERT_EQ(bevels.size(), 2u);
    EXPECT_EQ(bevels[0].Colours, (std::vector<TColor>{clBtnHighlight, clBtnShadow}));
    EXPECT_EQ(bevels[0].Args.back(), 1);
    EXPECT_EQ(bevels[1].Colours, (std::vector<TColor>{clGray, clGray}));
}

TEST(ChartBackground, GradientPassesItsColoursByDirection)
{
    TRecordedChart r;
    r.chart.Gradient().SetVisible(true);
    r.Paint();
    auto fills = r.recorder->OpsNamed(QStringLiteral("FillGradient"));
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Colours, (std::vector<TColor>{clWhite, clYellow}));
    r.chart.Gradient().SetDirection(gdBottomTop);
    r.Paint();
    fills = r.recorder->OpsNamed(QStringLiteral("FillGradient"));
    EXPECT_EQ(fills[0].Colours, (std::vector<TColor>{clYellow, clWhite}));
}

TEST(ChartBackground, BackImageTilesInsideThePlot)
{
    TRecordedChart r;
    QImage tile(100, 100, QImage::Format_RGB32);
    tile.fill(Qt::red);
    r.chart.SetBackImage(tile);
    r.chart.SetBackImageMode(pbmTile);
    r.chart.SetBackImageInside(true);
    r.Paint();
    const TRect plot = r.chart.ChartRect();
    const auto draws = r.recorder->OpsNamed(QStringLiteral("Draw"));
    ASSERT_FALSE(draws.empty());
    // The wall's pen is visible: one pixel less at top and bottom.
    EXPECT_EQ(draws[0].Args[0], plot.Left);
    EXPECT_EQ(draws[0].Args[1], plot.Top + 1);
    const auto clips = r.recorder->OpsNamed(QStringLiteral("ClipToRect"));
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips[0].Args, (std::vector<int>{plot.Left, plot.Top + 1, plot.Right, plot.Bottom - 1}));
}

TEST(ChartSeriesDrawing, ClippedToThePlotInListOrderBetweenTheHooks)
{
    TRecordedChart r;
    TBoxSeries& a = AddBoxSeries(r.chart, {{0, 0}, {10, 10}});
    TBoxSeries& b = AddBoxSeries(r.chart, {{5, 5}});
    QStringList events;
    r.chart.OnBeforeDrawAxes = [&](TCustomChartPanel&) { events << "axes"; };
    r.chart.OnBeforeDrawSeries = [&](TCustomChartPanel&) { events << "series"; };
    a.BeforeDrawValues = [&](TChartSeries&) { events << "a"; };
    b.AfterDrawValues = [&](TChartSeries&) { events << "b"; };
    r.chart.OnAfterDraw = [&](TCustomChartPanel&) { events << "after"; };
    r.Paint();
    EXPECT_EQ(events, (QStringList{"axes", "series", "a", "b", "after"}));

    const TRect plot = r.chart.ChartRect();
    const auto clips = r.recorder->OpsNamed(QStringLiteral("ClipToRect"));
    ASSERT_EQ(clips.size(), 2u);
    EXPECT_EQ(clips[0].Args, (std::vector<int>{plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1}));
    const auto boxes = r.recorder->OpsNamed(QStringLiteral("FillRect"));
    ASSERT_GE(boxes.size(), 3u);
    const TCanvasOp& last = boxes.back();
    EXPECT_EQ(last.Brush.Color, b.SeriesColor());
    const int x = r.chart.BottomAxis()->ValueToPixel(5);
    EXPECT_EQ(last.Args[0], x - 2);

    r.chart.SetClipPoints(false);
    r.Paint();
    EXPECT_TRUE(r.recorder->OpsNamed(QStringLiteral("ClipToRect")).empty());
}

TEST(ChartSeriesDrawing, EmptyChartPaintsBackgroundWallAndAxes)
{
    TRecordedChart r;
    r.chart.Title().SetText({QStringLiteral("leer")});
    r.Paint();
    EXPECT_EQ(r.recorder->OpsNamed(QStringLiteral("TextOut")).front().Text, QStringLiteral("leer"));
    EXPECT_FALSE(r.recorder->OpsNamed(QStringLiteral("Rectangle")).empty());
    EXPECT_FALSE(r.recorder->OpsNamed(QStringLiteral("LineTo")).empty());
    EXPECT_EQ(r.chart.LeftAxis()->Minimum(), 0.0);
    EXPECT_EQ(r.chart.LeftAxis()->Maximum(), 0.0);
}

TEST(ChartSeriesDrawing, ThreeDimensionalViewDrawsWallsInDepth)
{
    TRecordedChart r;
    r.chart.SetView3D(true);
    r.chart.LeftWall().SetSize(4);
    AddBoxSeries(r.chart, {{0, 0}, {10, 10}});
    r.Paint();
    EXPECT_GT(r.chart.DepthWidth(), 0);
    EXPECT_LT(r.chart.ChartRect().Right, 388);
    EXPECT_FALSE(r.recorder->OpsNamed(QStringLiteral("Polygon")).empty());
}
