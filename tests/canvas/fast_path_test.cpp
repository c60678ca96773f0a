#include "canvas_test_support.h"

#include <QPainter>
#include <array>
#include <optional>
#include <vector>
#include <gtest/gtest.h>

// Rectangles on 32-bit images are filled directly; on other formats
// QPainter draws them. Both must give the same pixels.

namespace {

struct TRectCase
{
    TRect R;
    TCanvasPen Pen;
    TCanvasBrush Brush;
};

QImage Draw(QImage::Format format, const std::vector<TRectCase>& cases, std::optional<TRect> clip)
{
    TImageCanvas t(50, 40, format);
    t.Canvas.Brush().Color = clSilver;
    t.Canvas.Rectangle(0, 0, 50, 40); // a background the fills must not leak into
    if (clip)
        t.Canvas.ClipToRect(*clip);
    for (const TRectCase& c : cases) {
        t.Canvas.Pen() = c.Pen;
        t.Canvas.Brush() = c.Brush;
        t.Canvas.Rectangle(c.R);
    }
    t.Canvas.EndDrawing();
    return t.Image.convertToFormat(QImage::Format_RGB32);
}

std::vector<TRectCase> Cases()
{
    const TCanvasPen black{};
    const TCanvasPen none{clBlack, 1, psClear};
    const TCanvasBrush red{clRed, bsSolid, {}};
    const TCanvasBrush clear{clRed, bsClear, {}};
    std::vector<TRectCase> cases;
    int x = -3;
    for (int size = 1; size <= 8; ++size, x += size + 2) {
        cases.push_back({{x, 2, x + size, 2 + size}, black, red});
        cases.push_back({{x, 13, x + size, 13 + size}, none, red});
        cases.push_back({{x, 24, x + size, 24 + size + 1}, black, clear});
    }
    cases.push_back({{45, 30, 55, 45}, black, red});      // over the bottom-right corner
    cases.push_back({{30, 36, 20, 33}, black, red});      // given inverted
    cases.push_back({{10, 10, 10, 20}, black, red});      // no width
    cases.push_back({{2, 33, 9, 40}, TCanvasPen{clNavy, 0}, TCanvasBrush{clLime, bsSolid, {}}}); // width 0
    return cases;
}

} // namespace

TEST(FastPath, DirectFillsEqualQPainterPixelForPixel)
{
    EXPECT_EQ(Draw(QImage::Format_RGB32, Cases(), std::nullopt), Draw(QImage::Format_RGB888, Cases(), std::nullopt));
}

TEST(FastPath, DirectFillsRespectARectangularClip)
{
    const TRect clip{4, 5, 31, 27};
    EXPECT_EQ(Draw(QImage::Format_ARGB32_Premultiplied, Cases(), clip), Draw(QImage::Format_RGB888, Cases(), clip));
}

TEST(FastPath, CanvasMarkersEqualPlainQPainterMarkers)
{
    TImageCanvas t(60, 40);
    QImage plain(60, 40, QImage::Format_RGB32);
    plain.fill(Qt::white);
    QPainter painter(&plain);
    painter.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < 12; ++i) {
        const int x = (i * 13) % 55 - 2;
        const int y = (i * 7) % 36;
        const TColor c = PaletteColour(i);
        t.Canvas.Brush().Color = c;
        t.Canvas.Rectangle(x - 3, y - 3, x + 4, y + 4);
        painter.setBrush(ToQColor(c));
        painter.drawRect(x - 3, y - 3, 6, 6);
    }
    painter.end();
    EXPECT_EQ(t.Image, plain);
}

TEST(FastPath, PolygonClipFallsBackToQPainter)
{
    TImageCanvas t(30, 30);
    const std::array<TPoint, 3> triangle{{{0, 0}, {30, 0}, {0, 30}}};
    t.Canvas.ClipToPolygon(triangle);
    t.Canvas.Pen().Style = psClear;
    t.Canvas.Brush().Color = clRed;
    t.Canvas.Rectangle(0, 0, 30, 30);
    EXPECT_EQ(t.At(2, 2), clRed);
    EXPECT_EQ(t.At(28, 28), clWhite);
}
