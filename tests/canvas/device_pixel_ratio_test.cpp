// The canvas on an image with two device pixels per pixel draws what it
// draws 1:1, each pixel a 2 x 2 block: one-pixel strokes land on the pixel
// they cover 1:1 (not half a pixel up and left), fills keep their edges.
#include "canvas_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage DrawAt(int ratio, const std::function<void(TChartCanvas3D&)>& draw)
{
    QImage image(40 * ratio, 30 * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    TChartCanvas3D canvas;
    canvas.BeginDrawing(&image);
    draw(canvas);
    canvas.EndDrawing();
    return image;
}

// Pixels of `one` whose block in `two` is not all of their colour.
int BlocksDiffering(const QImage& one, const QImage& two)
{
    int differing = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            for (int d = 0; d < 4; ++d)
                if (two.pixel(2 * x + d % 2, 2 * y + d / 2) != one.pixel(x, y)) {
                    ++differing;
                    break;
                }
    return differing;
}

} // namespace

TEST(DevicePixelRatio, StrokesAndFillsAreThe1To1PictureMadeFiner)
{
    const std::function<void(TChartCanvas3D&)> scenes[] = {
        [](TChartCanvas3D& c) { // a point marker: outline and fill
            c.Pen().Color = clBlack;
            c.Brush().Color = clRed;
            c.Rectangle(4, 5, 11, 12);
        },
        [](TChartCanvas3D& c) { // a fill without outline
            c.Brush().Color = clBlue;
            c.FillRect({3, 3, 17, 9});
        },
        [](TChartCanvas3D& c) { // grid lines both ways, with their end points left out
            c.Pen().Color = clBlack;
            c.HLine(2, 30, 7);
            c.VLine(20, 25, 3);
            c.Pen().Style = psDot;
            c.HLine(1, 38, 20);
        },
        [](TChartCanvas3D& c) { // the alternate-pixel pen keeps its one-pixel dots
            c.Pen().Color = clGreen;
            c.Pen().Alternate = true;
            c.HLine(3, 33, 14);
        },
    };
    for (std::size_t i = 0; i < std::size(scenes); ++i) {
        const QImage one = DrawAt(1, scenes[i]);
        const QImage two = DrawAt(2, scenes[i]);
        EXPECT_LT(CountColour(one, clWhite), one.width() * one.height()) << "scene " << i << " drew nothing";
        EXPECT_EQ(BlocksDiffering(one, two), 0) << "scene " << i;
    }
}
