#pragma once

#include <QColor>

#include <cstdint>

// A chart colour: 0x00BBGGRR for plain RGB colours (red in the low byte).
// The top bit marks a system colour number, resolved through the
// application palette by ResolveColour().
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;

// "Use the colour of the owning series or point"; never drawn with.
inline constexpr TColor clDefault = 0x20000000;
// "No colour": a point with this colour is a null point.
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor clSystemColourFlag = 0x80000000;

constexpr TColor RGBColour(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int RedOf(TColor c) { return int(c & 0xFF); }
constexpr int GreenOf(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return int((c >> 16) & 0xFF); }
constexpr bool IsSystemColour(TColor c) { return (c & clSystemColourFlag) != 0; }
