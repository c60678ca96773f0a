// The year chart painted with two device pixels per pixel (a screen at
// 200 %, or --scale 2) against the same chart painted 1:1: the layout is the
// same, and every pixel of the plot becomes a 2 x 2 block of its colour, so
// lines are two device pixels wide and marker edges stay hard.
#include "support/year_view_host.h"
#include "chart/panel/chart.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

class SharpChart : public ::testing::Test
{
protected:
    SharpChart()
    {
        QStringList paths;
        for (const char* year : {"2009", "2010", "2011", "2012"})
            paths << QStringLiteral(KALDORO_SOURCE_DIR "/samples/%1.csv").arg(QLatin1String(year));
        host.LoadFiles(paths);
    }

    QImage Paint(double ratio)
    {
        const QSize size = host.Chart()->size();
        QImage image(int(size.width() * ratio), int(size.height() * ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        host.Chart()->DrawToImage(image);
        return image;
    }

    // Pixels of the plot (walls, grid, markers; no text) whose 2 x 2 block
    // in `two` is not all of their colour in `one`.
    static int BlocksDiffering(const QImage& one, const QImage& two, const TRect& plot)
    {
        int differing = 0;
        for (int y = plot.Top; y <= plot.Bottom; ++y)
            for (int x = plot.Left; x <= plot.Right; ++x) {
                const QRgb expected = one.pixel(x, y);
                for (int d = 0; d < 4; ++d)
                    if (two.pixel(2 * x + d % 2, 2 * y + d / 2) != expected) {
                        ++differing;
                        break;
                    }
            }
        return differing;
    }

    // The first row inside the plot where at least a third of the pixels
    // have the colour (a horizontal grid line).
    static int FirstRowOf(const QImage& image, QRgb colour, const TRect& plot, int scale)
    {
        for (int y = (plot.Top + 2) * scale; y < (plot.Bottom - 1) * scale; ++y) {
            int count = 0;
            for (int x = plot.Left * scale; x < plot.Right * scale; ++x)
                count += image.pixel(x, y) == colour ? 1 : 0;
            if (count * 3 >= (plot.Right - plot.Left) * scale)
                return y;
        }
        return -1;
    }

    TYearViewHost host;
};

} // namespace

TEST_F(SharpChart, DoubleRatioIsTheSinglePaintMadeFiner)
{
    for (int mode : {0, 3}) {
        ASSERT_TRUE(host.SelectEvaluation(mode, 1).isEmpty());
        const QImage one = Paint(1);
        const TRect plot = host.Chart()->PictureFrame().Plot;
        const QImage two = Paint(2);
        ASSERT_EQ(two.size(), one.size() * 2);
        EXPECT_EQ(host.Chart()->PictureFrame().Plot, plot) << "the layout changed with the ratio";
        EXPECT_EQ(BlocksDiffering(one, two, plot), 0) << "mode " << mode;
    }
}

TEST_F(SharpChart, GridLineCoversTwoDeviceRows)
{
    ASSERT_TRUE(host.SelectEvaluation(0, 1).isEmpty());
    const QImage one = Paint(1);
    const TRect plot = host.Chart()->PictureFrame().Plot;
    const QImage two = Paint(2);
    const QRgb black = qRgb(0, 0, 0);
    const int row = FirstRowOf(one, black, plot, 1);
    ASSERT_GT(row, 0) << "no grid line in the plot";
    EXPECT_EQ(FirstRowOf(two, black, plot, 2), 2 * row);
    // Both device rows of the line are black where the 1:1 line is; the
    // rows beside it are not, where nothing black crosses the line.
    int checked = 0;
    for (int x = plot.Left + 1; x < plot.Right; ++x) {
        if (one.pixel(x, row) != black)
            continue;
        ASSERT_EQ(two.pixel(2 * x, 2 * row), black) << x;
        ASSERT_EQ(two.pixel(2 * x + 1, 2 * row + 1), black) << x;
        if (one.pixel(x, row - 1) == black || one.pixel(x, row + 1) == black)
            continue;
        ASSERT_NE(two.pixel(2 * x, 2 * row - 1), black) << x;
        ASSERT_NE(two.pixel(2 * x, 2 * row + 2), black) << x;
        ++checked;
    }
    EXPECT_GT(checked, (plot.Right - plot.Left) / 4);
}
