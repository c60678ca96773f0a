#include "chart/canvas/shaped_texts.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

QFont LabelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return font;
}

// The box of everything drawn on a white image.
QRect Ink(const std::function<void(QPainter&)>& draw)
{
    QImage image(220, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(LabelFont());
    draw(painter);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

// Kept texts measure and ink where Qt's own text drawing puts them: kerned
// pairs, brackets, a text with a tab, each twice (the second from the cache).
TEST(ShapedTexts, KeptTextsMeasureAndInkAsQtDrawsThem)
{
    TShapedTexts texts(LabelFont());
    const QFontMetrics metrics(LabelFont());
    for (const QString text : {QStringLiteral("Januar"), QStringLiteral("AVATAR Wolke"),
                               QStringLiteral("Arbeit [kcal]"), QStringLiteral("a\tb")})
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(text.toStdString());
            EXPECT_EQ(texts.Width(text), metrics.horizontalAdvance(text));
            const QPointF baseline(7, 27);
            EXPECT_EQ(Ink([&](QPainter& p) { texts.Draw(p, text, baseline); }),
                      Ink([&](QPainter& p) { p.drawText(baseline, text); }));
        }
}
