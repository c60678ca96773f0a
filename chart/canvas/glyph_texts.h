#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <optional>
#include <unordered_map>

class QPainter;

// A short text ready to draw: the glyphs of one font at their positions, or,
// for a text the font cannot draw glyph by glyph, the text itself.
struct TPlacedText
{
    QPointF Baseline; // left end of the baseline
    std::optional<QGlyphRun> Glyphs;
    QString Text; // drawn by QPainter when there are no glyphs

    void Draw(QPainter& painter) const;
};

// Measures and places short texts - numbers, units, years - from the glyphs
// of one font, looked up once per character and kept. Qt's own text drawing
// itemises and shapes every text anew, which costs far more than drawing it;
// for text that changes with every mouse move that is most of the time
// spent. Characters outside the basic plane and characters the font has no
// glyph for send the whole text through Qt's shaping, so nothing is lost.
// Pairs are not kerned: fine for figures, not meant for running text.
class TGlyphTexts
{
public:
    explicit TGlyphTexts(const QFont& font);

    const QFont& Font() const { return font_; }
    int Ascent() const { return metrics_.ascent(); }
    int Height() const { return metrics_.height(); }

    // Rounded up to whole pixels, as the text will cover them.
    int Width(const QString& text);
    TPlacedText Place(const QString& text, QPointF baseline);

private:
    struct TGlyph
    {
        quint32 Index = 0;
        qreal Advance = 0;
    };

    // Nothing when the font has no glyph of its own for it.
    std::optional<TGlyph> Lookup(QChar c);

    QFont font_;
    QFontMetrics metrics_;
    QRawFont raw_;
    std::unordered_map<char16_t, std::optional<TGlyph>> glyphs_;
};
