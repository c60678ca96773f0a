#include "canvas_test_support.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

// The canvas keeps the platform fonts it drew with; measurements must not
// depend on which fonts it has drawn with before.

namespace {

int FreshWidth(const TFont& font, const QString& text)
{
    return QFontMetrics(font.ToQFont()).horizontalAdvance(text);
}

int FreshHeight(const TFont& font)
{
    return QFontMetrics(font.ToQFont()).height();
}

} // namespace

TEST(TextFonts, MeasuringIsTheSameBeforeAndAfterDrawingWithManyFonts)
{
    TImageCanvas t(200, 60);
    const QString text = QStringLiteral("Wochen 12,5");
    TFont bold = t.Canvas.Font();
    bold.Style = fsBold;
    bold.Size = 14;
    const TFont plain = t.Canvas.Font();
    for (int round = 0; round < 2; ++round) {
        for (const TFont& font : {plain, bold}) {
            t.Canvas.Font() = font;
            EXPECT_EQ(t.Canvas.MeasureWidth(text), FreshWidth(font, text));
            EXPECT_EQ(t.Canvas.TextLineHeight(), FreshHeight(font));
            t.Canvas.TextOut(2, 2, text);
        }
        // More fonts than the canvas keeps: the first ones are built anew.
        for (int size = 5; size < 30; ++size) {
            t.Canvas.Font().Size = size;
            t.Canvas.TextOut(2, 2, text);
            EXPECT_EQ(t.Canvas.MeasureWidth(text), FreshWidth(t.Canvas.Font(), text));
        }
    }
    EXPECT_NE(FreshWidth(plain, text), FreshWidth(bold, text));
}

TEST(TextFonts, OpaqueBackgroundCoversTheTextBoxForEveryAlignment)
{
    // Blanks have an advance but no glyph pixels: the painted box shows
    // where the text was placed.
    const QString blanks = QStringLiteral("    ");
    for (const int align : {TextAlignLeft, TextAlignRight, TextAlignCenter}) {
        SCOPED_TRACE(align);
        TImageCanvas t(80, 30);
        t.Canvas.SetBackColor(clRed);
        t.Canvas.SetBackgroundMode(bmOpaque);
        t.Canvas.SetTextAlign(align | TextAlignTop);
        const int w = t.Canvas.MeasureWidth(blanks);
        ASSERT_GT(w, 1);
        t.Canvas.TextOut(40, 5, blanks);
        const int left = align == TextAlignLeft ? 40 : align == TextAlignRight ? 40 - w : 40 - w / 2;
        EXPECT_EQ(InkBounds(t.Image), (TRect{left, 5, left + w, 5 + t.Canvas.TextLineHeight()}));
    }
}
