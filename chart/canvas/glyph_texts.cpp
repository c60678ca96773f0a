#include "chart/canvas/glyph_texts.h"

#include <QList>
#include <QPainter>

#include <cmath>

void TPlacedText::Draw(QPainter& painter) const
{
    if (Glyphs)
        painter.drawGlyphRun(Baseline, *Glyphs);
    else
        painter.drawText(Baseline, Text);
}

TGlyphTexts::TGlyphTexts(const QFont& font)
    : font_(font), metrics_(font)
{
    QFont grey = font;
    grey.setStyleStrategy(QFont::StyleStrategy(grey.styleStrategy() | QFont::NoSubpixelAntialias));
    raw_ = QRawFont::fromFont(grey);
}

std::optional<TGlyphTexts::TGlyph> TGlyphTexts::Lookup(QChar c)
{
    const auto known = glyphs_.find(c.unicode());
    if (known != glyphs_.end())
        return known->second;
    std::optional<TGlyph> glyph;
    if (raw_.isValid() && !c.isSurrogate() && raw_.supportsCharacter(c)) {
        const QList<quint32> indexes = raw_.glyphIndexesForString(QString(c));
        if (indexes.size() == 1 && indexes.front() != 0) {
            const QList<QPointF> advances = raw_.advancesForGlyphIndexes(indexes);
            glyph = TGlyph{indexes.front(), advances.value(0).x()};
        }
    }
    glyphs_.emplace(c.unicode(), glyph);
    return glyph;
}

int TGlyphTexts::Width(const QString& text)
{
    qreal width = 0;
    for (const QChar c : text) {
        const std::optional<TGlyph> glyph = Lookup(c);
        if (!glyph)
            return metrics_.horizontalAdvance(text);
        width += glyph->Advance;
    }
    return int(std::ceil(width));
}

TPlacedText TGlyphTexts::Place(const QString& text, QPointF baseline)
{
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    qreal x = 0;
    for (const QChar c : text) {
        const std::optional<TGlyph> glyph = Lookup(c);
        if (!glyph)
            return {baseline, std::nullopt, text};
        indexes << glyph->Index;
        positions << QPointF(x, 0);
        x += glyph->Advance;
    }
    QGlyphRun run;
    run.setRawFont(raw_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return {baseline, std::move(run), text};
}
