#include "chart/canvas/chart_font.h"

#include "chart/canvas/pixel_math.h"

#include <algorithm>

int TFont::PixelHeight() const
{
    return std::max(1, MulDiv(Size, PixelsPerInch, 72));
}

TFont TFont::WithSize(int size) const
{
    TFont f = *this;
    f.Size = size;
    return f;
}

QFont TFont::ToQFont() const
{
    QFont f(Name);
    f.setPixelSize(PixelHeight());
    f.setBold((Style & fsBold) != 0);
    f.setItalic((Style & fsItalic) != 0);
    f.setUnderline((Style & fsUnderline) != 0);
    f.setStrikeOut((Style & fsStrikeOut) != 0);
    // Aliased drawing everywhere else; text stays smooth but must not
    // depend on subpixel layout of the target surface.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}
