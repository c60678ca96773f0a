#include "panel_test_support.h"

#include <QImage>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TColor PixelAt(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}

// A 2D chart like the program's: grey panel, white plot, black grid.
struct TImageChart
{
    TImageChart()
    {
        chart.SetView3D(false);
        chart.SetColor(clGray);
        chart.BackWall().Brush().SetColor(clWhite);
        chart.SetBackColor(clWhite);
        chart.BackWall().Brush().SetStyle(bsSolid);
        chart.LeftAxis()->Grid().SetStyle(psSolid);
        chart.LeftAxis()->Grid().SetColor(clBlack);
        chart.BottomAxis()->Grid().SetVisible(false);
        chart.TopAxis()->SetVisible(false);
        chart.RightAxis()->SetVisible(false);
        chart.Title().SetText({QStringLiteral("Dauer")});
        // The plot's pixels are checked against the whole chart width.
        chart.Legend()->SetVisible(false);
        red = &AddBoxSeries(chart, {{0, 10}, {50, 80}, {100, 30}}, clRed);
        green = &AddBoxSeries(chart, {{25, 60}, {75, 20}}, clGreen);
    }
    TChart chart;
    TBoxSeries* red = nullptr;
    TBoxSeries* green = nullptr;
};

} // namespace

TEST(ChartImage, BackWallGridAndMarkersLandOnTheirPixels)
{
    TImageChart c;
    // The window's layout, read below, is the picture's at the same size.
    c.chart.resize(400, 250);
    c.chart.Repaint();
    QImage image(400, 250, QImage::Format_RGB32);
    image.fill(Qt::black);
    c.chart.DrawToImage(image);
    if (qEnvironmentVariableIsSet("KALDORO_SAVE_IMAGES"))
        image.save(QStringLiteral("/tmp/panel_chart.png"));
    const TRect plot = c.chart.ChartRect();

    // The raised bevel: light at the top-left, dark at the bottom-right.
    EXPECT_EQ(PixelAt(image, 0, 100), ResolveColour(clBtnHighlight));
    EXPECT_EQ(PixelAt(image, 399, 100), ResolveColour(clBtnShadow));
    EXPECT_EQ(PixelAt(image, 5, 125), clGray);                       // panel
    // The back wall's outline one pixel right of and below the plot.
    EXPECT_EQ(PixelAt(image, plot.Right, plot.Top + 3), clBlack);
    EXPECT_EQ(PixelAt(image, plot.Right + 1, plot.Top + 3), clGray);
    EXPECT_EQ(PixelAt(image, plot.Left + 3, plot.Bottom), clBlack);
    EXPECT_EQ(PixelAt(image, plot.Left + 3, plot.Bottom + 1), clGray);

    // Every grid row sits at a label value of the left axis.
    const double step = c.chart.LeftAxis()->LabelStep();
    ASSERT_GT(step, 0);
    int gridRows = 0;
    const int x = plot.Left + 40;
    for (int y = plot.Top + 1; y < plot.Bottom - 2; ++y) { // above the axis line
        if (PixelAt(image, x, y) != clBlack)
            continue;
        ++gridRows;
        const double v = c.chart.LeftAxis()->PixelToValue(y);
        EXPECT_NEAR(v / step, std::round(v / step), 0.05) << "row " << y;
    }
    EXPECT_GE(gridRows, 2);
    EXPECT_EQ(PixelAt(image, x, c.chart.LeftAxis()->ValueToPixel(step * 2)), clBlack);

    // Markers in their series' colours, inside the plot.
    for (int i = 0; i < c.red->PointCount(); ++i)
        EXPECT_EQ(PixelAt(image, c.red->PointPixelX(i), c.red->PointPixelY(i)), clRed) << i;
    EXPECT_EQ(PixelAt(image, c.green->PointPixelX(0) + 2, c.green->PointPixelY(0) + 2), clGreen);
    EXPECT_EQ(PixelAt(image, c.green->PointPixelX(0) + 3, c.green->PointPixelY(0) + 3 + 1), clWhite);
}

TEST(ChartImage, ImageOfAnotherSizeHasItsOwnFrameAndLeavesTheWindowAlone)
{
    TImageChart c;
    c.chart.Repaint();
    const TRect bounds = c.chart.PaintBounds();
    QImage image(200, 120, QImage::Format_RGB32);
    c.chart.DrawToImage(image);
    EXPECT_EQ(c.chart.PictureFrame().Bounds, (TRect{0, 0, 200, 120}));
    EXPECT_EQ(c.chart.PictureFrame().Plot.Right, 200 - 6); // 3 % of the image, not of the widget
    EXPECT_EQ(c.chart.PaintBounds(), bounds);
    EXPECT_EQ(c.chart.LastFrame().Bounds, bounds);
    EXPECT_FALSE(c.chart.Canvas()->IsDirty());
}

TEST(ChartImage, ThreeDimensionalViewDrawsSomethingInThePlot)
{
    TImageChart c;
    c.chart.SetView3D(true);
    c.chart.BottomWall().SetSize(3);
    QImage image(400, 250, QImage::Format_RGB32);
    c.chart.DrawToImage(image);
    if (qEnvironmentVariableIsSet("KALDORO_SAVE_IMAGES"))
        image.save(QStringLiteral("/tmp/panel_chart_3d.png"));
    const TRect plot = c.chart.ChartRect();
    EXPECT_FALSE(plot.IsEmpty());
    EXPECT_EQ(PixelAt(image, c.red->PointPixelX(1), c.red->PointPixelY(1)), clRed);
}

TEST(ChartImage, ShownInAFormWithChildControls)
{
    QWidget form;
    form.resize(500, 400);
    TChart chart(&form);
    auto* edit = new QLineEdit(&chart); // owned by the chart as Qt child
    edit->setGeometry(40, 3, 41, 21);
    chart.SetView3D(false);
    AddBoxSeries(chart, {{1, 1}, {2, 4}});
    form.show();
    chart.Repaint();
    EXPECT_FALSE(chart.Canvas()->IsDirty());
    EXPECT_EQ(edit->parentWidget(), &chart);
    const QImage grabbed = chart.grab().toImage();
    EXPECT_EQ(grabbed.size(), QSize(400, 250));
}
