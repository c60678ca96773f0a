#pragma once

#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"

#include <QImage>

// The canvas' current pen and brush, as plain values. Chart parts set them
// field by field (canvas.Pen().Color = ...); the canvas reads them at each
// drawing operation.

struct TCanvasPen
{
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
    // Cosmetic one-pixel pen setting every other pixel (a chart pen's
    // SmallDots); Width and Style are then ignored, Style psClear excepted.
    bool Alternate = false;

    bool IsVisible() const { return Style != psClear && Mode != pmNop; }

    friend bool operator==(const TCanvasPen&, const TCanvasPen&) = default;
};

struct TCanvasBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    // When set, fills use this bitmap tiled and ignore Color and Style.
    QImage Bitmap;

    bool IsVisible() const { return Style != bsClear || !Bitmap.isNull(); }

    friend bool operator==(const TCanvasBrush& a, const TCanvasBrush& b)
    {
        return a.Color == b.Color && a.Style == b.Style && a.Bitmap.isNull() == b.Bitmap.isNull()
               && (a.Bitmap.isNull() || a.Bitmap.cacheKey() == b.Bitmap.cacheKey());
    }
};
