#pragma once

#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"

#include <QFont>
#include <QString>

// A chart font as a plain value: the canvas holds one, titles, legend and
// axes keep theirs and copy them into the canvas before drawing text.
// Its pixel height is Size points at PixelsPerInch, so text is the same
// size on every surface (window, off-screen buffer, exported image).
struct TFont
{
    QString Name = QStringLiteral("Arial");
    int Size = 8; // points
    int PixelsPerInch = 96;
    TColor Color = clBlack;
    TFontStyles Style = 0;

    // Character height in pixels: MulDiv(Size, PixelsPerInch, 72), at least 1.
    int PixelHeight() const;
    // The same font at another point size.
    TFont WithSize(int size) const;
    QFont ToQFont() const;

    friend bool operator==(const TFont&, const TFont&) = default;
};
