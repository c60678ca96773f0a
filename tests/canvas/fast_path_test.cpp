#include "canvas_test_support.h"

#include "chart/canvas/raster_fill.h"

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

// One-pixel horizontal and vertical lines on 32-bit images are set
// directly; QPainter draws them on other formats. Solid and dotted lines
// in both directions, at every phase of the dot pattern, partly outside the
// image and the clip, must give the same pixels.

namespace {

struct TLineCase
{
    TPoint From;
    TPoint To;
    TPenStyle Style;
};

// A gap colour no palette line has.
constexpr TColor GapColour = 0x785A3C;

std::vector<TLineCase> LineCases(TPenStyle style)
{
    std::vector<TLineCase> cases;
    for (int length = 1; length <= 9; ++length) {
        const int x = 2 + length % 3; // the pattern's phase against the image differs from line to line
        const int y = 3 * length;
        cases.push_back({{x, y}, {x + length, y}, style});
        cases.push_back({{x + 30, y + 1}, {x + 30 - length, y + 1}, style});
        cases.push_back({{5 * length, 2}, {5 * length, 2 + length}, style});
        cases.push_back({{5 * length + 1, 12 + length}, {5 * length + 1, 12}, style});
    }
    cases.push_back({{-4, 38}, {20, 38}, style}); // from outside the image
    cases.push_back({{55, 39}, {30, 39}, style}); // from beyond the right edge
    cases.push_back({{48, 20}, {48, 50}, style}); // past the bottom edge
    cases.push_back({{49, 45}, {49, 25}, style});
    cases.push_back({{0, 0}, {50, 0}, style}); // the whole width, to the edge
    cases.push_back({{0, 39}, {0, -1}, style}); // the whole height, backwards
    return cases;
}

QImage DrawLines(QImage::Format format, const std::vector<TLineCase>& cases, std::optional<TRect> clip,
                 TBackgroundMode background = bmTransparent)
{
    TImageCanvas t(50, 40, format);
    if (clip)
        t.Canvas.ClipToRect(*clip);
    t.Canvas.SetBackColor(GapColour);
    t.Canvas.SetBackgroundMode(background);
    int colour = 0;
    for (const TLineCase& c : cases) {
        t.Canvas.Pen() = TCanvasPen{PaletteColour(colour++), 1, c.Style};
        t.Canvas.MoveTo(c.From.X, c.From.Y);
        t.Canvas.LineTo(c.To.X, c.To.Y);
    }
    t.Canvas.EndDrawing();
    return t.Image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(FastPath, DirectLinesEqualQPainterPixelForPixel)
{
    for (const TPenStyle style : {psSolid, psDot, psInsideFrame}) {
        SCOPED_TRACE(int(style));
        const QImage direct = DrawLines(QImage::Format_RGB32, LineCases(style), std::nullopt);
        EXPECT_EQ(direct, DrawLines(QImage::Format_RGB888, LineCases(style), std::nullopt));
        EXPECT_NE(InkBounds(direct), std::nullopt);
    }
}

TEST(FastPath, DirectLinesRespectARectangularClip)
{
    for (const TRect& clip : {TRect{4, 5, 31, 27}, TRect{7, 0, 8, 40}, TRect{0, 9, 50, 10}}) {
        for (const TPenStyle style : {psSolid, psDot}) {
            SCOPED_TRACE(int(style));
            EXPECT_EQ(DrawLines(QImage::Format_ARGB32_Premultiplied, LineCases(style), clip),
                      DrawLines(QImage::Format_RGB888, LineCases(style), clip));
        }
    }
}

TEST(FastPath, DottedLinesWithOpaqueGapsAreLeftToQPainter)
{
    const QImage direct = DrawLines(QImage::Format_RGB32, LineCases(psDot), std::nullopt, bmOpaque);
    EXPECT_EQ(direct, DrawLines(QImage::Format_RGB888, LineCases(psDot), std::nullopt, bmOpaque));
    EXPECT_GT(CountColour(direct, GapColour), 0); // the gaps are painted
}

TEST(FastPath, DottedLineSetsEveryThirdPixelFromItsStart)
{
    TImageCanvas t(20, 3);
    t.Canvas.Pen() = TCanvasPen{clBlack, 1, psDot};
    t.Canvas.MoveTo(17, 1);
    t.Canvas.LineTo(7, 1);
    std::vector<int> dots;
    for (int x = 0; x < 20; ++x)
        if (t.At(x, 1) == clBlack)
            dots.push_back(x);
    EXPECT_EQ(dots, (std::vector<int>{8, 11, 14, 17}));
}

TEST(FastPath, DirectPixelValuesAreQPainterColours)
{
    for (const TColor c : {clBlack, clWhite, clRed, TColor(0x123456), clBtnFace, PaletteColour(3)}) {
        SCOPED_TRACE(c);
        EXPECT_EQ(PixelOf(c), ToQColor(c).rgba());
    }
}

TEST(FastPath, SetPixelWithoutColourLeavesThePixel)
{
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        TImageCanvas t(4, 4, format);
        t.Canvas.SetPixel(1, 1, clNone);
        t.Canvas.SetPixel(2, 2, clNavy);
        EXPECT_EQ(t.At(1, 1), clWhite);
        EXPECT_EQ(t.At(2, 2), clNavy);
    }
}
