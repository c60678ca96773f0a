#include "chart/canvas/platform_fonts.h"

#include <algorithm>

const TPlatformFonts::TEntry& TPlatformFonts::Get(const TFont& font)
{
    if (const TEntry* entry = Find(font))
        return *entry;
    if (entries_.size() >= MaxEntries)
        entries_.clear();
    QFont platform = font.ToQFont();
    QFontMetrics metrics(platform);
    entries_.push_back({font, std::move(platform), std::move(metrics), {}, {}});
    return entries_.back();
}

TShapedTexts& TPlatformFonts::TEntry::Shaped() const
{
    if (!Shapes)
        Shapes = std::make_unique<TShapedTexts>(Platform);
    return *Shapes;
}

const TPlatformFonts::TEntry* TPlatformFonts::Find(const TFont& font) const
{
    const auto it = std::ranges::find(entries_, font, &TEntry::Font);
    return it == entries_.end() ? nullptr : &*it;
}

TGlyphTexts* TPlatformFonts::TEntry::FigureTexts(const QString& text) const
{
    const bool figures = !text.isEmpty() && std::ranges::all_of(text, [](QChar c) {
        return c.isDigit() || QStringView(u" .,:;+-%/()'").contains(c);
    });
    if (!figures)
        return nullptr;
    if (!Figures)
        Figures = std::make_unique<TGlyphTexts>(Platform);
    return Figures.get();
}
