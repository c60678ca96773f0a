#pragma once

#include "chart/canvas/chart_font.h"
#include "chart/canvas/glyph_texts.h"
#include "chart/canvas/shaped_texts.h"

#include <QFont>
#include <QFontMetrics>

#include <memory>
#include <vector>

// The platform fonts of the few chart fonts a canvas draws with (title,
// legend, axis labels...), each built once. Building a QFont per text, and
// with it a fresh font engine lookup per measurement, took a noticeable
// share of a paint full of axis labels.
class TPlatformFonts
{
public:
    struct TEntry
    {
        TFont Font;
        QFont Platform;
        QFontMetrics Metrics;

        // Figures (digits and their punctuation) measured and drawn from
        // the font's glyphs: axis labels are mostly figures, and shaping
        // each of them anew on every paint was a third of the paint.
        // Letters keep Qt's shaping and kerning. Null for any other text.
        TGlyphTexts* FigureTexts(const QString& text) const;

        // Every other text, shaped once (built on the first).
        TShapedTexts& Shaped() const;

        // Built on the first figure text.
        mutable std::unique_ptr<TGlyphTexts> Figures;
        mutable std::unique_ptr<TShapedTexts> Shapes;
    };

    // The entry for font, built when it is new.
    const TEntry& Get(const TFont& font);
    // The entry for font, or null when it has not been built yet.
    const TEntry* Find(const TFont& font) const;

private:
    // A chart uses a handful of fonts; zooming a 3D chart scales them, so
    // the list starts over rather than grow without bound.
    static constexpr std::size_t MaxEntries = 16;

    std::vector<TEntry> entries_;
};
