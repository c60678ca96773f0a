#include "chart/series/line_series.h"
#include "chart/series/point_series.h"
#include "line_point_host.h"

#include <gtest/gtest.h>

namespace {

// Marks on the recording canvas (7 x 13 pixels per character), value v at
// pixel x = v, y = 100 - v.
template <typename Series>
struct MarksPaint
{
    MarksPaint()
    {
        series.SetParentChart(&host);
        series.Marks().SetVisible(true);
    }
    ~MarksPaint() { series.SetParentChart(nullptr); }

    // The operations of the marks alone.
    std::vector<std::string> Draw()
    {
        Paint(series);
        host.recorder.ClearOps();
        series.DrawMarks(host.PaintOf(series));
        return Described(host.recorder);
    }

    DrawingHost host;
    Series series;
};

TEST(SeriesMarksDrawTest, LineSeriesMarkSitsArrowLengthAboveItsPoint)
{
    MarksPaint<TLineSeries> p;
    p.series.AddPoint(50, 50, "ab");
    // "ab" + "W" = 21 wide, 13 high, framed 23 x 15; bottom at y 50 - 8.
    EXPECT_EQ(p.Draw(), (std::vector<std::string>{"LineTo 50,50,50,42", "Rectangle 39,28,62,43", "TextOut 50,29"}));
    EXPECT_EQ(p.host.recorder.Ops()[0].Pen.Color, clBlack); // the white arrow on the white chart
    EXPECT_EQ(p.host.recorder.Ops()[1].Brush.Color, TColor(0x80FFFF));
    EXPECT_EQ(p.host.recorder.Ops()[2].TextAlign, TextAlignCenter | TextAlignTop);
    EXPECT_EQ(p.host.recorder.GetTextAlign(), TextAlignLeft | TextAlignTop);
    EXPECT_EQ(p.series.Marks().Position(0)->LeftTop, (TPoint{39, 28}));

    TSeriesMarkPosition custom{{}, {}, {5, 6}, 30, 20, true};
    p.series.Marks().SetPosition(0, custom);
    EXPECT_EQ(p.Draw()[1], "Rectangle 5,6,35,26");
}

TEST(SeriesMarksDrawTest, FrameAndTransparencyChooseTheBox)
{
    MarksPaint<TPointSeries> p; // no arrow length
    p.series.Marks().Arrow().SetVisible(false);
    p.series.AddPoint(20, 60, "ab\rcdef");
    p.series.Marks().SetTransparent(true);
    p.series.Marks().Frame().SetWidth(2); // outline only, text inside it
    EXPECT_EQ(p.Draw(), (std::vector<std::string>{"Rectangle 1,11,40,41", "TextOut 20,13", "TextOut 20,26"}));
    EXPECT_EQ(p.host.recorder.Ops()[0].Brush.Style, bsClear);
    p.series.Marks().Frame().SetVisible(false); // nothing but the lines
    EXPECT_EQ(p.Draw(), (std::vector<std::string>{"TextOut 20,15", "TextOut 20,28"}));
}

TEST(SeriesMarksDrawTest, OnlyVisiblePointsWithTextAndColourGetMarks)
{
    MarksPaint<TPointSeries> p;
    p.series.Marks().SetStyle(smsXValue);
    p.host.chartColour = clBlack; // the white arrow stays white
    for (int x : {-10, 10, 20, 30, 150})
        p.series.AddPoint(x, 50);
    p.series.SetPointColor(2, clNone);
    p.series.OnGetMarkText = [](const TChartSeries&, int index, QString& text) { text = index == 3 ? "" : text; };
    p.Draw();
    QStringList texts;
    for (const TCanvasOp& op : p.host.recorder.OpsNamed(QStringLiteral("TextOut")))
        texts << op.Text;
    // Left of the plot: none; the first beyond its right edge is drawn.
    EXPECT_EQ(texts, (QStringList{"x10", "x150"}));
    EXPECT_EQ(p.host.recorder.Ops()[0].Pen.Color, clWhite);
}

} // namespace
