#include "canvas_test_support.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace {

QImage WindowImage(int w, int h)
{
    QImage window(w, h, QImage::Format_RGB32);
    window.fill(Qt::black);
    return window;
}

TColor Pixel(const QImage& image, int x, int y)
{
    return FromQColor(QColor(image.pixel(x, y)));
}

} // namespace

TEST(BufferedDisplay, FrameDrawsIntoTheBufferAndEndFrameCopiesIt)
{
    QImage window = WindowImage(80, 60);
    TChartCanvas3D canvas(&window);
    EXPECT_TRUE(canvas.IsDirty());
    const TRect drawing = canvas.StartFrame(&window, nullptr, {10, 5, 60, 45}, false);
    EXPECT_EQ(drawing, (TRect{0, 0, 50, 40}));
    EXPECT_EQ(canvas.Buffer().size(), QSize(50, 40));
    canvas.SetPixel(0, 0, clRed);
    EXPECT_EQ(Pixel(window, 10, 5), clBlack); // nothing shows before EndFrame
    canvas.EndFrame(&window, {10, 5, 60, 45});
    EXPECT_EQ(Pixel(window, 10, 5), clRed);
    EXPECT_EQ(Pixel(window, 11, 5), clWhite);
    EXPECT_EQ(Pixel(window, 9, 5), clBlack);
    EXPECT_FALSE(canvas.IsDirty());
    EXPECT_EQ(canvas.DrawingSurface(), nullptr);
}

TEST(BufferedDisplay, RepaintFromBufferOnlyWhileNothingChanged)
{
    QImage window = WindowImage(20, 20);
    TChartCanvas3D canvas(&window);
    EXPECT_FALSE(canvas.RepaintFromBuffer(window.rect())); // nothing painted yet
    canvas.StartFrame(&window, nullptr, {0, 0, 20, 20}, false);
    canvas.SetPixel(4, 4, clBlue);
    canvas.SetPixel(15, 15, clBlue);
    canvas.EndFrame(&window, {0, 0, 20, 20});
    window.fill(Qt::black);
    // Only the asked pieces are copied: the rest of the window stays as it is.
    EXPECT_TRUE(canvas.RepaintFromBuffer(QRegion(0, 0, 10, 10) + QRegion(12, 0, 2, 2)));
    EXPECT_EQ(Pixel(window, 4, 4), clBlue);
    EXPECT_EQ(Pixel(window, 13, 1), clWhite);
    EXPECT_EQ(Pixel(window, 15, 15), clBlack);
    canvas.Invalidate();
    EXPECT_FALSE(canvas.RepaintFromBuffer(window.rect()));
}

TEST(BufferedDisplay, RepaintFromBufferCopiesPiecesOfAFinerBuffer)
{
    QImage window = WindowImage(40, 40);
    window.setDevicePixelRatio(2);
    TChartCanvas3D canvas(&window);
    canvas.StartFrame(&window, nullptr, {0, 0, 20, 20}, false);
    canvas.SetPixel(15, 15, clBlue);
    canvas.EndFrame(&window, {0, 0, 20, 20});
    window.fill(Qt::black);
    EXPECT_TRUE(canvas.RepaintFromBuffer(QRect(10, 10, 10, 10)));
    EXPECT_EQ(Pixel(window, 31, 31), clBlue); // window pixel (15, 15) at twice the pixels
    EXPECT_EQ(Pixel(window, 21, 21), clWhite);
    EXPECT_EQ(Pixel(window, 19, 19), clBlack);
}

TEST(BufferedDisplay, BufferIsReusedAtTheSameSizeAndRecreatedOnResize)
{
    QImage window = WindowImage(100, 100);
    TChartCanvas3D canvas(&window);
    canvas.StartFrame(&window, nullptr, {0, 0, 40, 30}, false);
    canvas.SetPixel(3, 3, clRed);
    canvas.EndFrame(&window, {0, 0, 40, 30});

    // Same size: the drawing of the last paint is still there.
    canvas.StartFrame(&window, nullptr, {0, 0, 40, 30}, false);
    canvas.EndFrame(&window, {0, 0, 40, 30});
    EXPECT_EQ(Pixel(canvas.Buffer(), 3, 3), clRed);

    // Resized: a fresh buffer of the new size.
    canvas.StartFrame(&window, nullptr, {0, 0, 41, 30}, false);
    canvas.EndFrame(&window, {0, 0, 41, 30});
    EXPECT_EQ(canvas.Buffer().size(), QSize(41, 30));
    EXPECT_EQ(Pixel(canvas.Buffer(), 3, 3), clWhite);
}

TEST(BufferedDisplay, MonochromeChangeAndUnbufferedModeDropTheBuffer)
{
    QImage window = WindowImage(30, 30);
    TChartCanvas3D canvas(&window);
    canvas.StartFrame(&window, nullptr, {0, 0, 30, 30}, false);
    canvas.EndFrame(&window, {0, 0, 30, 30});
    canvas.SetMonochromeFlag(true);
    EXPECT_TRUE(canvas.Buffer().isNull());
    EXPECT_TRUE(canvas.IsDirty());
    canvas.StartFrame(&window, nullptr, {0, 0, 30, 30}, false);
    EXPECT_TRUE(canvas.Buffer().isGrayscale());
    canvas.EndFrame(&window, {0, 0, 30, 30});

    canvas.SetBuffered(false);
    EXPECT_TRUE(canvas.Buffer().isNull());
    EXPECT_TRUE(canvas.IsDirty());
    const TRect drawing = canvas.StartFrame(&window, nullptr, {5, 5, 25, 25}, false);
    EXPECT_EQ(drawing, (TRect{5, 5, 25, 25}));
    canvas.SetPixel(6, 6, clGreen); // straight onto the target
    EXPECT_EQ(Pixel(window, 6, 6), clGreen);
    canvas.EndFrame(&window, {5, 5, 25, 25});
    EXPECT_TRUE(canvas.Buffer().isNull());
}

TEST(BufferedDisplay, DrawingOutsideAnyFrameIsIgnored)
{
    TChartCanvas3D canvas;
    canvas.Rectangle(0, 0, 10, 10);
    canvas.TextOut(0, 0, QStringLiteral("x"));
    canvas.FillGradient({0, 0, 10, 10}, clRed, clBlue, gdTopBottom);
    EXPECT_EQ(canvas.DrawingSurface(), nullptr);
    EXPECT_FALSE(canvas.RepaintFromBuffer(QRect(0, 0, 10, 10)));
    EXPECT_EQ(canvas.StartFrame(nullptr, nullptr, {0, 0, 0, 0}, false), (TRect{0, 0, 0, 0}));
    canvas.EndFrame(nullptr, {});
}
