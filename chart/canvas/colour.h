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

// System colour numbers of the window system, as the chart's defaults and
// the main window use them. ResolveColour() maps them onto the application
// palette:
//
//   number  name                      resolved as
//   0       clScrollBar               QPalette::Button
//   3       clInactiveCaption         fixed 0xDBCDBF (light grey-blue; the
//                                     palette has no caption roles)
//   4       clMenu                    QPalette::Window
//   5       clWindow                  QPalette::Base
//   7       clMenuText                QPalette::WindowText
//   8       clWindowText              QPalette::Text
//   13      clHighlight               QPalette::Highlight
//   14      clHighlightText           QPalette::HighlightedText
//   15      clBtnFace                 QPalette::Button
//   16      clBtnShadow               QPalette::Dark
//   17      clGrayText                QPalette::Text of the Disabled group
//   18      clBtnText                 QPalette::ButtonText
//   20      clBtnHighlight            QPalette::Light
//   21      cl3DDkShadow              QPalette::Shadow
//   22      cl3DLight                 QPalette::Midlight
//   23      clInfoText                QPalette::ToolTipText
//   24      clInfoBk                  QPalette::ToolTipBase
//   27      clGradientActiveCaption   fixed 0xEAD1B9 (light blue)
//
// Any other system number resolves to clBlack. Without an application
// object (no palette) the values of a light desktop theme are used.
constexpr TColor SystemColour(int number) { return clSystemColourFlag | TColor(number); }

inline constexpr TColor clScrollBar = SystemColour(0);
inline constexpr TColor clInactiveCaption = SystemColour(3);
inline constexpr TColor clMenu = SystemColour(4);
inline constexpr TColor clWindow = SystemColour(5);
inline constexpr TColor clMenuText = SystemColour(7);
inline constexpr TColor clWindowText = SystemColour(8);
inline constexpr TColor clHighlight = SystemColour(13);
inline constexpr TColor clHighlightText = SystemColour(14);
inline constexpr TColor clBtnFace = SystemColour(15);
inline constexpr TColor clBtnShadow = SystemColour(16);
inline constexpr TColor clGrayText = SystemColour(17);
inline constexpr TColor clBtnText = SystemColour(18);
inline constexpr TColor clBtnHighlight = SystemColour(20);
inline constexpr TColor cl3DDkShadow = SystemColour(21);
inline constexpr TColor cl3DLight = SystemColour(22);
inline constexpr TColor clInfoText = SystemColour(23);
inline constexpr TColor clInfoBk = SystemColour(24);
inline constexpr TColor clGradientActiveCaption = SystemColour(27);

// A system colour becomes its RGB value from the application palette; every
// other value (RGB, clDefault, clNone) is returned unchanged.
TColor ResolveColour(TColor c);

// Each channel of the resolved colour less `amount`, 0 where the channel is
// not greater than the amount: DarkenColour(0xFF8040, 128) == 0x7F0000.
TColor DarkenColour(TColor c, int amount);

// The QColor to draw with: system colours resolved, always opaque.
// clNone gives a fully transparent colour; clDefault (never drawn with on
// purpose) gives black.
QColor ToQColor(TColor c);

// The chart colour of a QColor (alpha dropped).
inline TColor FromQColor(const QColor& c) { return RGBColour(c.red(), c.green(), c.blue()); }

// The 16-entry colour palette the chart hands out to series and points,
// taken as index mod 16 (negative indexes wrap too): clRed, clGreen,
// clYellow, clBlue, clWhite, clGray, clFuchsia, clTeal, clNavy, clMaroon,
// clLime, clOlive, clPurple, clSilver, clAqua, clBlack.
inline constexpr int PaletteSize = 16;
TColor PaletteColour(int index);
