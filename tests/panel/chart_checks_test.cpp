#include "panel_test_support.h"

#include "chart/canvas/chart_exception.h"

#include <gtest/gtest.h>

namespace {

template <typename Call>
QString MessageOf(Call call)
{
    try {
        call();
    } catch (const ChartException& e) {
        return e.Message();
    }
    return QStringLiteral("<no exception>");
}

} // namespace

TEST(ChartChecks, RefusedValuesKeepTheOldOneWithTheGermanText)
{
    TChart chart;
    EXPECT_EQ(MessageOf([&] { chart.SetChart3DPercent(0); }),
              QStringLiteral("Der Prozentsatz für 3D-Effekte muß zwischen 1 und 100 liegen"));
    EXPECT_EQ(MessageOf([&] { chart.SetChart3DPercent(101); }).left(10), QStringLiteral("Der Prozen"));
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    chart.SetChart3DPercent(100);
    EXPECT_EQ(chart.Chart3DPercent(), 100);

    EXPECT_EQ(MessageOf([&] { chart.SetMaxPointsPerPage(-1); }), QStringLiteral("MaxPointsPerPage muß >= 0 sein."));
    EXPECT_EQ(chart.MaxPointsPerPage(), 0);

    EXPECT_EQ(MessageOf([&] { chart.CheckAngle(360, QStringLiteral("Achsenbeschriftung")); }),
              QStringLiteral("Der Achsenbeschriftung-Winkel muß zwischen 0 und 359 Grad liegen"));
    EXPECT_EQ(MessageOf([&] { chart.CheckAngle(-1, QStringLiteral("X")); }).left(8), QStringLiteral("Der X-Wi"));
    EXPECT_EQ(MessageOf([&] { chart.CheckAngle(359, QStringLiteral("X")); }), QStringLiteral("<no exception>"));
    // The axes go through the same check.
    EXPECT_THROW(chart.LeftAxis()->SetLabelsAngle(400), ChartException);
}

TEST(ChartChecks, DefaultsOfANewChart)
{
    QWidget form;
    TChart chart(&form);
    EXPECT_EQ(chart.parentWidget(), &form);
    EXPECT_EQ(chart.width(), 400);
    EXPECT_EQ(chart.height(), 250);
    EXPECT_TRUE(chart.View3D());
    EXPECT_EQ(chart.MarginLeft(), 3);
    EXPECT_EQ(chart.MarginTop(), 4);
    EXPECT_EQ(chart.Margin(2), 3);
    EXPECT_EQ(chart.Margin(3), 4);
    EXPECT_TRUE(chart.AutoRepaint());
    EXPECT_EQ(chart.BevelOuter(), bvRaised);
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
    EXPECT_EQ(chart.LeftWall().Color(), TColor(0x80FFFF));
    EXPECT_EQ(chart.BottomWall().Color(), clWhite);
    EXPECT_EQ(chart.BackColor(), clDefault);
    EXPECT_EQ(chart.Title().Font().Color, clBlue);
    EXPECT_FALSE(chart.Title().Frame().Visible());
    EXPECT_FALSE(chart.Gradient().Visible());
    EXPECT_EQ(chart.AllowPanning(), pmBoth);
    EXPECT_EQ(chart.Page(), 1);
    EXPECT_TRUE(chart.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(ChartChecks, CheckPenWidthOnlyWhilePrinting)
{
    TChart chart;
    TCanvasPen pen{clBlack, 1, psDot};
    chart.CheckPenWidth(pen);
    EXPECT_EQ(pen.Width, 1);
}

TEST(ChartChecks, UndoZoomFiresRepaintsAndClearsZoomed)
{
    TRecordedChart r;
    int fired = 0;
    r.chart.OnUndoZoom = [&](TCustomChartPanel& sender) {
        EXPECT_EQ(&sender, &r.chart);
        ++fired;
    };
    r.Paint();
    r.chart.UndoZoom();
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(r.chart.Zoomed());
    EXPECT_TRUE(r.recorder->IsDirty());
}

TEST(ChartPaging, PagesClampAndScaleTheBottomAxis)
{
    TRecordedChart r;
    TChart& chart = r.chart;
    auto series = std::make_unique<TBoxSeries>();
    for (int i = 0; i < 25; ++i)
        series->AddPoint(i * 2.0, i);
    chart.AddSeries(std::move(series));
    int changes = 0;
    chart.OnPageChange = [&](TCustomChartPanel&) { ++changes; };
    chart.SetMaxPointsPerPage(10);
    EXPECT_EQ(chart.PageCount(), 3);
    chart.SetPage(7);
    EXPECT_EQ(chart.Page(), 3);
    chart.SetPage(3);
    EXPECT_EQ(changes, 1);
    r.Paint();
    EXPECT_EQ(chart.BottomAxis()->Minimum(), 40.0);
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 48.0);
    chart.SetScaleLastPage(false);
    r.Paint();
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 40.0 + (48.0 - 40.0) * 10 / 5);
    chart.SetPage(0);
    EXPECT_EQ(chart.Page(), 1);
    chart.SetMaxPointsPerPage(0);
    EXPECT_EQ(chart.PageCount(), 1);
}
