#pragma once

#include <cstdint>

// Styles of the canvas' pen, brush, background and gradients. Plain enums
// on purpose: the chart names their values directly (psSolid, bsClear...).

enum TPenStyle : std::uint8_t {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    // Solid; a wide pen stays inside the outlined shape.
    psInsideFrame,
};

// How a pen combines with the pixels below it.
enum TPenMode : std::uint8_t {
    pmCopy,    // pen colour
    pmNotCopy, // inverse of the pen colour
    pmXor,     // pen xor surface
    pmNotXor,  // not (pen xor surface): drawing twice restores the surface
    pmNot,     // inverse of the surface
    pmBlack,
    pmWhite,
    pmNop, // leaves the surface unchanged
};

enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross,
};

// Whether text and the gaps of styled lines and hatches are painted with
// the background colour.
enum TBackgroundMode : std::uint8_t {
    bmTransparent,
    bmOpaque,
};

enum TGradientDirection : std::uint8_t {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft,
};

// Font style flags, combined with |.
enum TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = std::uint8_t;

// Reference point of TextOut within the text's box: one horizontal flag
// plus one vertical flag.
inline constexpr int TextAlignLeft = 0;
inline constexpr int TextAlignRight = 2;
inline constexpr int TextAlignCenter = 6;
inline constexpr int TextAlignTop = 0;
inline constexpr int TextAlignBottom = 8;
inline constexpr int TextAlignBaseline = 24;
