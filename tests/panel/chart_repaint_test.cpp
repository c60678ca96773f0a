#include "panel_test_support.h"

#include <QApplication>
#include <QWindow>

#include <gtest/gtest.h>

TEST(ChartRepaint, OnlyEffectiveChangesMarkTheBufferDirty)
{
    TRecordedChart r;
    TChart& chart = r.chart;
    chart.Title().SetText({QStringLiteral("TChart")});
    // Each setter once with the current value, once with a new one.
    const std::vector<std::pair<const char*, std::function<void(bool)>>> setters = {
        {"MarginLeft", [&](bool change) { chart.SetMarginLeft(change ? 5 : chart.MarginLeft()); }},
        {"Color", [&](bool change) { chart.SetColor(change ? clGray : chart.Color()); }},
        {"View3D", [&](bool change) { chart.SetView3D(change != chart.View3D()); }},
        {"Title.Text", [&](bool change) { chart.Title().SetText({change ? "x" : chart.Title().Text()[0]}); }},
        {"Title.Font", [&](bool change) {
             TFont f = chart.Title().Font();
             if (change)
                 f.Size = 12;
             chart.Title().SetFont(f);
         }},
        {"Frame.Color", [&](bool change) { chart.Frame().SetColor(change ? clRed : chart.Frame().Color()); }},
        {"BackWall.Brush", [&](bool change) { chart.BackWall().Brush().SetStyle(change ? bsSolid : chart.BackWall().Brush().Style()); }},
        {"Gradient", [&](bool change) { chart.Gradient().SetEndColor(change ? clRed : chart.Gradient().EndColor()); }},
        {"View3DOptions", [&](bool change) { chart.View3DOptions().SetElevation(change ? 300 : chart.View3DOptions().Elevation()); }},
        {"LeftAxis", [&](bool change) { chart.LeftAxis()->SetTickLength(change ? 9 : chart.LeftAxis()->TickLength()); }},
        {"ClipPoints", [&](bool change) { chart.SetClipPoints(change != chart.ClipPoints()); }},
    };
    for (const auto& [name, set] : setters) {
        r.Paint();
        set(false);
        EXPECT_FALSE(r.recorder->IsDirty()) << name << " set to its own value";
        set(true);
        EXPECT_TRUE(r.recorder->IsDirty()) << name << " changed";
    }
}

TEST(ChartRepaint, AutoRepaintOffSuppressesInvalidation)
{
    TRecordedChart r;
    r.Paint();
    r.chart.SetAutoRepaint(false);
    r.chart.SetColor(clRed);
    EXPECT_FALSE(r.recorder->IsDirty());
    r.chart.SetAutoRepaint(true);
    r.chart.SetColor(clBlue);
    EXPECT_TRUE(r.recorder->IsDirty());
}

TEST(ChartRepaint, PaintEventCopiesTheBufferWhenNothingChanged)
{
    TRecordedChart r;
    r.chart.show();
    for (int i = 0; i < 50 && !(r.chart.windowHandle() && r.chart.windowHandle()->isExposed()); ++i)
        QApplication::processEvents();
    ASSERT_TRUE(r.chart.windowHandle()->isExposed());
    r.chart.Repaint();
    ASSERT_FALSE(r.recorder->IsDirty());
    r.recorder->ClearOps();
    r.chart.repaint();
    EXPECT_TRUE(r.recorder->OpsNamed(QStringLiteral("StartFrame")).empty());
    r.chart.SetColor(clRed);
    r.chart.repaint();
    EXPECT_EQ(r.recorder->OpsNamed(QStringLiteral("StartFrame")).size(), 1u);
}

TEST(ChartRepaint, ResizingDropsTheBuffer)
{
    TRecordedChart r;
    r.chart.show();
    r.Paint();
    r.chart.resize(500, 300);
    EXPECT_TRUE(r.recorder->IsDirty());
    r.Paint();
    EXPECT_EQ(r.chart.PaintBounds(), (TRect{0, 0, 500, 300}));
}

TEST(ChartRepaint, RepaintNowStoresAutomaticAxisLimitsEvenWhenHidden)
{
    QWidget form;
    TChart chart(&form);
    chart.SetView3D(false);
    auto series = std::make_unique<TBoxSeries>();
    series->AddPoint(1, 12.5);
    series->AddPoint(3, 40);
    chart.AddSeries(std::move(series));
    ASSERT_FALSE(chart.isVisible());
    chart.Repaint();
    EXPECT_EQ(chart.LeftAxis()->Minimum(), 12.5);
    EXPECT_EQ(chart.LeftAxis()->Maximum(), 40.0);
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 3.0);
    EXPECT_FALSE(chart.Canvas()->IsDirty());
}

TEST(ChartRepaint, ChangeMadeDuringThePaintKeepsTheBufferDirty)
{
    TRecordedChart r;
    int paints = 0;
    r.chart.OnAfterDraw = [&](TCustomChartPanel& c) {
        if (++paints == 1)
            c.SetColor(clRed);
    };
    r.Paint();
    EXPECT_TRUE(r.recorder->IsDirty());
    r.Paint();
    EXPECT_FALSE(r.recorder->IsDirty());
}
