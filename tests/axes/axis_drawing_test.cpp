#include "fake_axis_host.h"

#include "chart/axes/axis_geometry.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::vector<int>> LineArgs(const TRecordingCanvas& canvas)
{
    std::vector<std::vector<int>> out;
    for (const TCanvasOp& op : canvas.OpsNamed(QStringLiteral("LineTo")))
        out.push_back(op.Args);
    return out;
}

class AxisDrawing : public testing::Test
{
protected:
    void SetUp() override
    {
        auto s = std::make_unique<TChartSeries>();
        s->SetParentChart(&host);
        s->AddPoint(0, 0);
        s->AddPoint(100, 100);
        series = std::move(s);
    }

    FakeAxisHost host; // plot (50, 50, 450, 450)
    TChartAxis& left = host.axes.Left();
    TChartAxis& bottom = host.axes.Bottom();
    std::unique_ptr<TChartSeries> series;
};

TEST_F(AxisDrawing, BottomAxisReservesTicksAndOneLabelLine)
{
    host.Layout(bottom);
    TRect r = host.plot;
    bottom.ReserveAxisSpace(r, true);
    EXPECT_EQ(r.Bottom, 450 - 6 - 13); // pen 2 + tick 4, label height 13
    EXPECT_EQ(bottom.LabelBandPos(), 437);
    bottom.SetLabelsSize(30);
    r = host.plot;
    bottom.ReserveAxisSpace(r, true);
    EXPECT_EQ(r.Bottom, 450 - 6 - 30);
    bottom.Title().SetCaption(QStringLiteral("TAGE"));
    r = host.plot;
    bottom.ReserveAxisSpace(r, true);
    EXPECT_EQ(bottom.TitleBandPos(), 437);
    EXPECT_EQ(bottom.LabelBandPos(), 407);
    EXPECT_EQ(r.Bottom, 401);
    EXPECT_EQ(r.Top, 50);
}

TEST_F(AxisDrawing, LeftAxisReservesItsWidestLabel)
{
    host.Layout(left);
    TRect r = host.plot;
    left.ReserveAxisSpace(r, true);
    EXPECT_EQ(r.Left, 50 + 28 + 6); // "100" plus a blank
    left.SetPositionPercent(10);
    r = host.plot;
    left.ReserveAxisSpace(r, true);
    // The bands move inwards by 10 % of the remaining width (366).
    EXPECT_EQ(left.LabelBandPos(), 78 + 37);
}

TEST_F(AxisDrawing, PositionsOnlyPass)
{
    TRect r{100, 100, 300, 300};
    bottom.ReserveAxisSpace(r, false);
    EXPECT_EQ(r, (TRect{100, 100, 300, 300}));
    EXPECT_EQ(bottom.AxisLinePos(), 300);
    EXPECT_EQ(bottom.LabelBandPos(), 306);
    EXPECT_EQ(bottom.TitleBandPos(), 319);
    host.axes.Top().ReserveAxisSpace(r, false);
    EXPECT_EQ(host.axes.Top().LabelBandPos(), 94);
}

TEST_F(AxisDrawing, DrawsLabelsThenLineTicksAndGrid)
{
    bottom.SetIncrement(50);
    host.Layout(bottom);
    TRect r = host.plot;
    bottom.ReserveAxisSpace(r, false);
    host.recorder.ClearOps();
    bottom.Draw(host.Paint(), true);
    const QStringList names = host.recorder.OpNames();
    // Labels, axis line, 3 ticks, 3 grid lines, 6 minor ticks.
    ASSERT_EQ(names.size(), 3 + 1 + 3 + 3 + 6);
    EXPECT_EQ(names.mid(0, 3), (QStringList{"TextOut", "TextOut", "TextOut"}));
    const auto texts = host.recorder.OpsNamed(QStringLiteral("TextOut"));
    EXPECT_EQ(texts[0].Text, QStringLiteral("100"));
    EXPECT_EQ(texts[0].Args, (std::vector<int>{450, 456})); // below the ticks
    EXPECT_EQ(texts[0].TextAlign, TextAlignCenter | TextAlignTop);
    const auto lines = LineArgs(host.recorder);
    EXPECT_EQ(lines[0], (std::vector<int>{50, 450, 450, 450})); // axis line
    EXPECT_EQ(lines[1], (std::vector<int>{450, 451, 450, 455})); // tick at 100
    EXPECT_EQ(lines[4], (std::vector<int>{450, 50, 450, 450})); // grid at 100
    EXPECT_EQ(lines[6], (std::vector<int>{50, 50, 50, 450}));
    EXPECT_EQ(lines[7], (std::vector<int>{300, 451, 300, 453})); // minor ticks, 50 pixels apart
    EXPECT_EQ(lines[8], (std::vector<int>{350, 451, 350, 453}));
    const auto ops = host.recorder.OpsNamed(QStringLiteral("LineTo"));
    EXPECT_EQ(ops[0].Pen.Width, 2);
    EXPECT_EQ(ops[4].BackgroundMode, bmTransparent);
    EXPECT_EQ(host.recorder.BackgroundMode(), bmOpaque);
    EXPECT_EQ(host.recorder.GetTextAlign(), TextAlignLeft | TextAlignTop);
}

TEST_F(AxisDrawing, CentredGridLiesBetweenTheTicks)
{
    EXPECT_EQ(GridPixels({10, 20, 30}, true), (std::vector<int>{15, 25}));
    EXPECT_EQ(GridPixels({10, 20, 30}, false), (std::vector<int>{10, 20, 30}));
    bottom.SetIncrement(50);
    bottom.SetGridCentered(true);
    bottom.Ticks().SetVisible(false);
    bottom.Axis().SetVisible(false);
    bottom.MinorTicks().SetVisible(false);
    host.Layout(bottom);
    host.recorder.ClearOps();
    bottom.Draw(host.Paint(), true);
    EXPECT_EQ(LineArgs(host.recorder),
              (std::vector<std::vector<int>>{{350, 50, 350, 450}, {150, 50, 150, 450}}));
}

TEST_F(AxisDrawing, MinorTicksDivideEachGap)
{
    TAxisMapping m{0, 1, 0, 1000, true, false, false};
    EXPECT_EQ(MinorTickPixels({100, 140, 180}, 3, m, 10),
              (std::vector<int>{130, 120, 110, 170, 160, 150, 90, 190, 80, 200, 70, 210}));
    // Only strictly inside the axis.
    m.PixelEnd = 200;
    EXPECT_EQ(MinorTickPixels({160, 200}, 1, m, 10), (std::vector<int>{180, 140}));
    EXPECT_TRUE(MinorTickPixels({100}, 3, m, 10).empty());
}

TEST_F(AxisDrawing, LogarithmicMinorTicksFillEachDecade)
{
    TAxisMapping m{1, 100, 0, 200, true, false, true};
    const std::vector<int> minor = MinorTickPixels({0, 100, 200}, 8, m, 10);
    ASSERT_EQ(minor.size(), 16u);
    EXPECT_EQ(minor[0], m.ValueToPixel(2));
    EXPECT_EQ(minor[8], m.ValueToPixel(20));
}

TEST_F(AxisDrawing, MinorGridAndInnerTicks)
{
    bottom.SetIncrement(50);
    bottom.Axis().SetVisible(false);
    bottom.Ticks().SetVisible(false);
    bottom.Grid().SetVisible(false);
    bottom.SetTickInnerLength(3);
    bottom.MinorTicks().SetVisible(false);
    bottom.MinorGrid().SetVisible(true);
    bottom.SetMinorTickCount(1);
    host.Layout(bottom);
    host.recorder.ClearOps();
    bottom.Draw(host.Paint(), true);
    const auto lines = LineArgs(host.recorder);
    ASSERT_EQ(lines.size(), 3u + 2u);
    EXPECT_EQ(lines[0], (std::vector<int>{450, 449, 450, 446})); // inner tick, inwards
    EXPECT_EQ(lines[3], (std::vector<int>{350, 50, 350, 450}));  // minor grid
}

TEST_F(AxisDrawing, LeftTitleIsCentredAndTurned)
{
    left.Title().SetCaption(QStringLiteral("Dauer"));
    host.Layout(left);
    TRect r = host.plot;
    left.ReserveAxisSpace(r, true);
    host.recorder.ClearOps();
    left.Draw(host.Paint(), true);
    const auto turned = host.recorder.OpsNamed(QStringLiteral("TextAtAngle"));
    ASSERT_EQ(turned.size(), 1u);
    EXPECT_EQ(turned[0].Text, QStringLiteral("Dauer"));
    EXPECT_EQ(turned[0].Args, (std::vector<int>{63, 250, 90}));
    EXPECT_EQ(turned[0].TextAlign, TextAlignCenter | TextAlignBottom);
    // Value labels at angle 0 are right-aligned and centred on their value.
    const auto labels = host.recorder.OpsNamed(QStringLiteral("TextOut"));
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels[0].Args, (std::vector<int>{91, 50 - 6}));
    EXPECT_EQ(labels[0].TextAlign, TextAlignRight | TextAlignTop);
}

TEST_F(AxisDrawing, PrintingDrawsWhiteTextBlackAndThinsStyledGrids)
{
    host.printing = true;
    TFont white;
    white.Color = clWhite;
    bottom.SetLabelsFont(white);
    bottom.SetIncrement(50);
    host.Layout(bottom);
    host.recorder.ClearOps();
    bottom.Draw(host.Paint(), true);
    EXPECT_EQ(host.recorder.OpsNamed(QStringLiteral("TextOut"))[0].Font.Color, clBlack);
    EXPECT_EQ(host.recorder.OpsNamed(QStringLiteral("LineTo"))[4].Pen.Width, 0);
}

TEST_F(AxisDrawing, NoLabelsStillDrawsTheLine)
{
    bottom.FixRange(10, 5); // maximum below minimum while loading
    host.loading = true;
    bottom.SetMaximum(0);
    host.Layout(bottom);
    host.recorder.ClearOps();
    bottom.Draw(host.Paint(), true);
    EXPECT_EQ(host.recorder.OpNames(), (QStringList{"LineTo"}));
}

struct LayoutCase
{
    TAxisSide side;
    int angle;
    int lines;
    int align;
    std::vector<std::pair<int, int>> points; // where each line is drawn, from (100, 200)
};

class LabelLayout : public testing::TestWithParam<LayoutCase>
{
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << "side " << int(c.side) << ", angle " << c.angle << ", " << c.lines << " lines";
}

TEST_P(LabelLayout, AlignsAndStacksLines)
{
    const LayoutCase& c = GetParam();
    const TLabelLayout l = CalcLabelLayout(c.side, c.angle, 100, 200, c.lines, 13);
    EXPECT_EQ(l.Align, c.align);
    std::vector<std::pair<int, int>> points;
    for (int i = 1; i <= c.lines; ++i)
        points.push_back({l.StartX + i * l.StepX, l.StartY + i * l.StepY});
    EXPECT_EQ(points, c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LabelLayout,
    testing::Values(
        LayoutCase{asBottom, 0, 2, TextAlignCenter | TextAlignTop, {{100, 200}, {100, 213}}},
        LayoutCase{asTop, 0, 2, TextAlignCenter | TextAlignBottom, {{100, 187}, {100, 200}}},
        LayoutCase{asLeft, 0, 1, TextAlignRight | TextAlignTop, {{100, 194}}},
        LayoutCase{asLeft, 0, 2, TextAlignRight | TextAlignTop, {{100, 187}, {100, 200}}},
        LayoutCase{asRight, 0, 1, TextAlignLeft | TextAlignTop, {{100, 194}}},
        LayoutCase{asLeft, 90, 1, TextAlignCenter | TextAlignBottom, {{100, 200}}},
        LayoutCase{asRight, 90, 1, TextAlignCenter | TextAlignTop, {{100, 200}}},
        LayoutCase{asBottom, 90, 1, TextAlignRight | TextAlignTop, {{94, 200}}},
        LayoutCase{asBottom, 180, 1, TextAlignCenter | TextAlignBottom, {{100, 200}}},
        LayoutCase{asLeft, 180, 1, TextAlignLeft | TextAlignTop, {{100, 206}}},
        LayoutCase{asRight, 270, 2, TextAlignCenter | TextAlignBottom, {{113, 200}, {100, 200}}},
        LayoutCase{asBottom, 270, 1, TextAlignLeft | TextAlignTop, {{106, 200}}},
        LayoutCase{asBottom, 45, 2, TextAlignLeft | TextAlignTop, {{100, 200}, {100, 213}}}));

} // namespace
