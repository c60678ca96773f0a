#include "chart/panel/legend_exception.h"
#include "panel_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// A 400 x 250 recorded chart; the plot is (12, 10, 388, 240) before the
// legend, as the title is empty.
TBoxSeries& AddTitled(TRecordedChart& r, const QString& title, TColor colour, bool active = true)
{
    TBoxSeries& s = AddBoxSeries(r.chart, {{0, 1}, {1, 2}}, colour);
    s.SetTitle(title);
    s.SetActive(active);
    return s;
}

// The texts drawn from the legend box's top-left on.
std::vector<TCanvasOp> LegendTexts(const TRecordingCanvas& canvas, const TRect& box)
{
    std::vector<TCanvasOp> texts;
    for (const TCanvasOp& op : canvas.OpsNamed(QStringLiteral("TextOut")))
        if (op.Args[0] >= box.Left && op.Args[1] > box.Top && op.Args[1] < box.Bottom)
            texts.push_back(op);
    return texts;
}

// The rectangles drawn inside the legend box.
std::vector<TCanvasOp> RectanglesIn(const TRecordingCanvas& canvas, const TRect& box)
{
    std::vector<TCanvasOp> inside;
    for (const TCanvasOp& op : canvas.OpsNamed(QStringLiteral("Rectangle")))
        if (op.Args[0] > box.Left && op.Args[2] < box.Right && op.Args[1] > box.Top && op.Args[3] < box.Bottom)
            inside.push_back(op);
    return inside;
}

} // namespace

TEST(ChartLegend, RangeChecksRefuseWithTheirGermanTextAndKeepTheValue)
{
    TRecordedChart r;
    TChartLegend& legend = *r.chart.Legend();
    struct Case
    {
        std::function<void(int)> set;
        std::function<int()> get;
        int refused;
        QString message;
    };
    const std::vector<Case> cases = {
        {[&](int v) { legend.SetTopPos(v); }, [&] { return legend.TopPos(); }, 101,
         QStringLiteral("Position der oberen Legende muß zwischen 0 und 100% liegen.")},
        {[&](int v) { legend.SetTopPos(v); }, [&] { return legend.TopPos(); }, -1,
         QStringLiteral("Position der oberen Legende muß zwischen 0 und 100% liegen.")},
        {[&](int v) { legend.SetColorWidth(v); }, [&] { return legend.ColorWidth(); }, 101,
         QStringLiteral("Farbbreite für Legende muß zwischen 0 und 100% liegen.")},
        {[&](int v) { legend.SetColorWidth(v); }, [&] { return legend.ColorWidth(); }, -1,
         QStringLiteral("Farbbreite für Legende muß zwischen 0 und 100% liegen.")},
        {[&](int v) { legend.SetFirstValue(v); }, [&] { return legend.FirstValue(); }, -1,
         QStringLiteral("Erster Wert für Legende muß > 0 sein.")},
    };
    for (const Case& c : cases) {
        const int before = c.get();
        try {
            c.set(c.refused);
            ADD_FAILURE() << "accepted " << c.refused;
        } catch (const LegendException& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(c.get(), before);
        c.set(0);
        EXPECT_EQ(c.get(), 0);
    }
}

TEST(ChartLegend, OneActiveSeriesListsItsValuesAndOutOfTheLegendTakesNoRoom)
{
    TRecordedChart r;
    TBoxSeries& s = AddBoxSeries(r.chart, {{1, 1500}, {2, 20}, {3, 0.25}}, clRed);
    AddTitled(r, QStringLiteral("aus"), clBlue, false);
    r.Paint();
    TChartLegend& legend = *r.chart.Legend();
    EXPECT_EQ(legend.StyleInEffect(), lsValues);
    QStringList texts;
    for (const TCanvasOp& op : LegendTexts(*r.recorder, legend.LegendBox()))
        texts << op.Text;
    EXPECT_EQ(texts, (QStringList{QStringLiteral("1.500"), QStringLiteral("20"), QStringLiteral("0,25")}));
    // Each point's symbol in the series' colour, in the legend's box.
    const auto symbols = RectanglesIn(*r.recorder, legend.LegendBox());
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(symbols[0].Brush.Color, clRed);

    s.SetShowInLegend(false);
    r.Paint();
    const TRect withoutItems = r.chart.ChartRect();
    legend.SetVisible(false);
    r.Paint();
    EXPECT_EQ(r.chart.ChartRect(), withoutItems);
}

TEST(ChartLegend, SevenOfNineSeriesAtTheBottomInColumnsAndRows)
{
    TRecordedChart r;
    for (int i = 0; i < 9; ++i)
        AddTitled(r, QStringLiteral("Jahr %1").arg(2010 + i), clRed, i != 2 && i != 6);
    r.chart.Legend()->SetAlignment(laBottom);
    r.Paint();
    const TChartLegend& legend = *r.chart.Legend();
    // W = 9 * 7 + 4 = 67, symbol 8; columns (376 - 2 - 8) div (67 + 8 + 8).
    EXPECT_EQ(legend.SymbolWidth(), 8);
    EXPECT_EQ(legend.ColumnTotal(), 4);
    EXPECT_EQ(legend.RowTotal(), 2);
    EXPECT_EQ(legend.LegendBox().Height(), 2 * 13 + 2);
    EXPECT_EQ(legend.LegendBox().Bottom, 240 - 3 - 2);
    const auto texts = LegendTexts(*r.recorder, legend.LegendBox());
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[2].Text, QStringLiteral("Jahr 2013")); // the inactive 2012 is skipped
    EXPECT_EQ(texts[4].Args[1], texts[0].Args[1] + 13);     // the second row
    // The plot below the legend's box, less the 4 % gap, and the axes
    // below that: the plot's bottom edge is above the box.
    EXPECT_LT(r.chart.ChartRect().Bottom, legend.LegendBox().Top - 9);
}

TEST(ChartLegend, EmptyTextsKeepTheirPlaceAndEventsMoveBoxAndItems)
{
    TRecordedChart r;
    for (const char* t : {"a", "b", "c", "d"})
        AddTitled(r, QString::fromLatin1(t), clGreen);
    r.chart.OnGetLegendText = [](TCustomChart&, TLegendStyle style, int index, QString& text) {
        EXPECT_EQ(style, lsSeries);
        if (index == 1 || index == 2)
            text.clear();
    };
    r.Paint();
    const TChartLegend& legend = *r.chart.Legend();
    const auto texts = LegendTexts(*r.recorder, legend.LegendBox());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].Text, QStringLiteral("d"));
    EXPECT_EQ(texts[1].Args[1], legend.LegendBox().Top + 1 + 3 * 13);
    EXPECT_EQ(RectanglesIn(*r.recorder, legend.LegendBox()).size(), 2u);

    const TRect laidOut = legend.LegendBox();
    r.chart.OnGetLegendRect = [](TCustomChart&, TRect& box) { box = box.Translated(-20, 30); };
    r.chart.OnGetLegendPos = [](TCustomChart&, int index, int& x, int&, int&) { x += index == 0 ? 100 : 0; };
    r.Paint();
    EXPECT_EQ(legend.LegendBox(), laidOut.Translated(-20, 30));
    const auto moved = LegendTexts(*r.recorder, legend.LegendBox());
    EXPECT_EQ(moved[1].Args, (std::vector<int>{texts[1].Args[0] - 20, texts[1].Args[1] + 30}));
    EXPECT_EQ(moved[0].Args[0], texts[0].Args[0] - 20 + 100);
    // The moved item's symbol follows its text; the plot gives way to the moved box.
    EXPECT_EQ(legend.LastLayout().Items[0].Symbol.Right, moved[0].Args[0] - 4);
    EXPECT_EQ(r.chart.ChartRect().Right, laidOut.Left - 20 - 11); // less the 3 % gap
}

TEST(ChartLegend, SymbolsKeepTheirOutlineAfterDividingLinesAndInTheLegendsColour)
{
    TRecordedChart r;
    AddTitled(r, QStringLiteral("a"), clBlack);
    AddTitled(r, QStringLiteral("b"), clBlack);
    TBoxSeries& each = AddTitled(r, QStringLiteral("c"), clBlue);
    each.SetColorEachPoint(true);
    TChartLegend& legend = *r.chart.Legend();
    legend.DividingLines().SetVisible(true);
    legend.DividingLines().SetColor(clRed);
    legend.SetColor(clBlack);
    r.Paint();
    const auto symbols = RectanglesIn(*r.recorder, legend.LegendBox());
    // Black on the black legend: each box is outlined once more in white.
    // The third series colours each point and has no series symbol.
    ASSERT_EQ(symbols.size(), 4u);
    for (const TCanvasOp& op : symbols)
        EXPECT_EQ(op.Pen.Color, clWhite);
    EXPECT_EQ(symbols[0].Brush.Style, bsSolid);
    EXPECT_EQ(symbols[1].Brush.Style, bsClear);
    EXPECT_EQ(symbols[2].Brush.Style, bsSolid) << "the dividing pen must not reach the next symbol";
    EXPECT_EQ(symbols[2].Pen.Style, psSolid);
}

TEST(ChartLegend, ClickedReadsTheLastPaintOnly)
{
    TRecordedChart r;
    for (const char* t : {"a", "b", "c"})
        AddTitled(r, QString::fromLatin1(t), clGreen);
    r.Paint();
    TChartLegend& legend = *r.chart.Legend();
    const TRect box = legend.LegendBox();
    EXPECT_EQ(legend.Clicked(box.Left + 2, box.Top + 1 + 13 + 5), 1);
    EXPECT_EQ(legend.Clicked(box.Left - 1, box.Top + 5), -1);
    // Settings changed since the paint do not move what a click finds.
    legend.SetAlignment(laBottom);
    r.chart.Canvas()->Font().Size = 30;
    EXPECT_EQ(legend.Clicked(box.Left + 2, box.Top + 1 + 2 * 13 + 5), 2);
    EXPECT_EQ(r.chart.Legend()->Visible(), true);
}

TEST(SeriesLegendText, ValuesPercentsAndXValuesJoinTheLabel)
{
    TRecordedChart r;
    TBoxSeries& s = AddBoxSeries(r.chart, {{1, 25}, {2, 175}});
    TBoxSeries& zero = AddBoxSeries(r.chart, {{1, 0}, {2, 0}});
    struct Case
    {
        TLegendTextStyle style;
        const char* text;
    };
    for (const Case& c : {Case{ltsPlain, ""}, Case{ltsLeftValue, "25"}, Case{ltsRightPercent, "12,5 %"},
                          Case{ltsXValue, "1"}})
        EXPECT_EQ(s.LegendItemText(0, c.style), QString::fromUtf8(c.text)) << int(c.style);
    EXPECT_EQ(zero.LegendItemText(1, ltsLeftPercent), QStringLiteral("100 %"));
    zero.AddPoint(3, 0, QStringLiteral("Mai"));
    EXPECT_EQ(zero.LegendItemText(2, ltsLeftValue), QStringLiteral("0 Mai"));
    EXPECT_EQ(zero.LegendItemText(2, ltsRightPercent), QStringLiteral("Mai 100 %"));
}

TEST(ChartLegend, FrameOutlinesTheBoxAndTheShadowFallsBelowRight)
{
    TRecordedChart r;
    AddTitled(r, QStringLiteral("a"), clRed);
    AddTitled(r, QStringLiteral("b"), clBlue);
    TChartLegend& legend = *r.chart.Legend();
    legend.Frame().SetWidth(2);
    legend.SetShadowColor(clNavy);
    r.Paint();
    const TRect box = legend.LegendBox();
    const auto fills = r.recorder->OpsNamed(QStringLiteral("FillRect"));
    const auto shadow = std::find_if(fills.begin(), fills.end(), [](const TCanvasOp& op) {
        return op.Brush.Color == clNavy;
    });
    ASSERT_NE(shadow, fills.end());
    // Reach: shadow 3 + frame 2 + (2 - 1) div 2.
    EXPECT_EQ(shadow->Args, (std::vector<int>{box.Left + 3, box.Top + 3, box.Right + 5, box.Bottom + 5}));
    const auto rects = r.recorder->OpsNamed(QStringLiteral("Rectangle"));
    const auto outline = std::find_if(rects.begin(), rects.end(), [&](const TCanvasOp& op) {
        return op.Args == std::vector<int>{box.Left - 2, box.Top - 2, box.Right + 2, box.Bottom + 2};
    });
    ASSERT_NE(outline, rects.end());
    EXPECT_EQ(outline->Brush.Color, clWhite);
    EXPECT_EQ(outline->Pen.Width, 2);
    // A wider frame moves a right legend in by its width plus one.
    EXPECT_EQ(box.Right, 388 - 3 - 3);
}
