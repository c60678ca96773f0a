#include "chart/canvas/colour.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <optional>

namespace {

struct TSystemRole
{
    int Number;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

constexpr std::array<TSystemRole, 16> kPaletteRoles{{
    {0, QPalette::Active, QPalette::Button},
    {4, QPalette::Active, QPalette::Window},
    {5, QPalette::Active, QPalette::Base},
    {7, QPalette::Active, QPalette::WindowText},
    {8, QPalette::Active, QPalette::Text},
    {13, QPalette::Active, QPalette::Highlight},
    {14, QPalette::Active, QPalette::HighlightedText},
    {15, QPalette::Active, QPalette::Button},
    {16, QPalette::Active, QPalette::Dark},
    {17, QPalette::Disabled, QPalette::Text},
    {18, QPalette::Active, QPalette::ButtonText},
    {20, QPalette::Active, QPalette::Light},
    {21, QPalette::Active, QPalette::Shadow},
    {22, QPalette::Active, QPalette::Midlight},
    {23, QPalette::Active, QPalette::ToolTipText},
    {24, QPalette::Active, QPalette::ToolTipBase},
}};

// Colours the palette has no role for, and the fallback of every role when
// no application object exists yet.
struct TFixedColour
{
    int Number;
    TColor Colour;
};

constexpr std::array<TFixedColour, 17> kFixedColours{{
    {0, 0xC8C8C8},  {3, 0xDBCDBF},  {4, 0xF0F0F0},  {5, clWhite},  {7, clBlack},    {8, clBlack},
    {13, 0xD77800}, {14, clWhite},  {15, 0xF0F0F0}, {16, 0xA0A0A0}, {17, 0x6D6D6D}, {18, clBlack},
    {20, clWhite},  {21, 0x696969}, {22, 0xE3E3E3}, {23, clBlack},  {27, 0xEAD1B9},
}};

std::optional<TColor> FromPalette(int number)
{
    if (QGuiApplication::instance() == nullptr)
        return std::nullopt;
    for (const TSystemRole& r : kPaletteRoles) {
        if (r.Number == number)
            return FromQColor(QGuiApplication::palette().color(r.Group, r.Role));
    }
    return std::nullopt;
}

TColor FixedColour(int number)
{
    for (const TFixedColour& f : kFixedColours) {
        if (f.Number == number)
            return f.Colour;
    }
    return clBlack;
}

constexpr std::array<TColor, PaletteSize> kPalette{
    clRed,  clGreen,  clYellow, clBlue, clWhite, clGray,   clFuchsia, clTeal,
    clNavy, clMaroon, clLime,   clOlive, clPurple, clSilver, clAqua,   clBlack,
};

} // namespace

TColor ResolveColour(TColor c)
{
    if (!IsSystemColour(c))
        return c;
    const int number = int(c & 0xFF);
    return FromPalette(number).value_or(FixedColour(number));
}

TColor DarkenColour(TColor c, int amount)
{
    const TColor rgb = ResolveColour(c);
    auto darken = [amount](int channel) { return channel > amount ? channel - amount : 0; };
    return RGBColour(darken(RedOf(rgb)), darken(GreenOf(rgb)), darken(BlueOf(rgb)));
}

QColor ToQColor(TColor c)
{
    if (c == clNone)
        return QColor(0, 0, 0, 0);
    const TColor rgb = ResolveColour(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor PaletteColour(int index)
{
    const int i = ((index % PaletteSize) + PaletteSize) % PaletteSize;
    return kPalette[std::size_t(i)];
}
