#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QString>

#include <optional>
#include <unordered_map>

class QPainter;

// Texts of one font that are not figures - month names, titles, units,
// legend names - shaped by Qt once and kept with their width. A chart
// draws the same few dozen of them on every paint, and shaping them anew
// each time was a large share of a paint. Kerning and font fallback stay
// Qt's own: the glyphs are the ones Qt's shaping chose.
class TShapedTexts
{
public:
    explicit TShapedTexts(const QFont& font);

    // As QFontMetrics::horizontalAdvance answers it.
    int Width(const QString& text);
    // The text with the left end of its baseline at `baseline`, in the
    // painter's pen; text Qt would lay out differently than on one plain
    // line (control characters) goes through QPainter::drawText.
    void Draw(QPainter& painter, const QString& text, QPointF baseline);

private:
    struct TShaped
    {
        std::optional<int> Width;
        // Glyph positions relative to the left end of the baseline.
        std::optional<QList<QGlyphRun>> Runs;
    };

    TShaped& Entry(const QString& text);
    QList<QGlyphRun> Shape(const QString& text) const;

    // Enough for every label of a chart; a chart that shows ever new texts
    // starts the cache over rather than grow without bound.
    static constexpr std::size_t MaxTexts = 512;

    QFont font_;
    QFontMetrics metrics_;
    std::unordered_map<QString, TShaped> texts_;
};
