#include "chart/canvas/glyph_texts.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QFont BoxFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

// The columns of the image in which anything was drawn.
std::pair<int, int> InkColumns(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

} // namespace

TEST(GlyphTexts, PlacedFiguresMeasureAndInkAsQtWouldLayThemOut)
{
    TGlyphTexts texts(BoxFont());
    const QFontMetrics metrics(BoxFont());
    for (const QString text : {QStringLiteral("2019"), QStringLiteral("+12.4 km"), QStringLiteral("−3:05")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_NEAR(texts.Width(text), metrics.horizontalAdvance(text), 1);
        QImage image(120, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        const TPlacedText placed = texts.Place(text, QPointF(20, 20));
        ASSERT_TRUE(placed.Glyphs.has_value());
        QPainter painter(&image);
        placed.Draw(painter);
        painter.end();
        const auto [first, last] = InkColumns(image);
        EXPECT_GE(first, 19);
        EXPECT_LE(last, 20 + texts.Width(text));
        EXPECT_GT(last, 20 + texts.Width(text) / 2); // the whole text, not its first glyph
    }
}

TEST(GlyphTexts, TextsBeyondTheFontsOwnGlyphsGoThroughQt)
{
    TGlyphTexts texts(BoxFont());
    const QString runner = QStringLiteral("5 km \U0001F3C3");
    const TPlacedText placed = texts.Place(runner, QPointF(0, 10));
    EXPECT_FALSE(placed.Glyphs.has_value());
    EXPECT_EQ(placed.Text, runner);
    EXPECT_EQ(texts.Width(runner), QFontMetrics(BoxFont()).horizontalAdvance(runner));
}
