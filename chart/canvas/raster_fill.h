#pragma once

#include "chart/canvas/colour.h"
#include "chart/canvas/rect.h"

#include <QImage>

#include <cstdint>
#include <optional>

// Direct pixel fills on 32-bit raster images. The chart's hot path is
// thousands of small outlined squares (point markers); filling their
// pixels directly avoids QPainter's per-call setup and is several times
// faster, with the very same pixels. Grid lines and ticks, one pixel wide
// and straight, are set directly for the same reason.

// The pixels of a 32-bit image, taken once for a whole paint: asking the
// image for them checks for shared data on every call.
//
// Scale is the image's device pixels per logical pixel (a whole number):
// the fills take logical rectangles and set Scale x Scale device pixels for
// each logical one, the picture QPainter draws on such an image.
struct TRasterPixels
{
    uchar* Bits = nullptr;
    qsizetype BytesPerLine = 0;
    int Width = 0;  // device pixels
    int Height = 0; // device pixels
    int Scale = 1;

    // In logical pixels.
    TRect Bounds() const { return {0, 0, Width / Scale, Height / Scale}; }
    std::uint32_t* Line(int y) const { return reinterpret_cast<std::uint32_t*>(Bits + y * BytesPerLine); }
};

// The pixels of image when the fills below can write it: 32 bits per
// pixel, a whole number of device pixels per logical pixel. Taken while a QPainter is
// open on the image, they are the very pixels the painter draws on.
std::optional<TRasterPixels> DirectPixels(QImage& image);

// The 32-bit pixel value of a chart colour (system colours resolved), as
// QPainter stores the opaque colour.
inline std::uint32_t PixelOf(TColor c)
{
    const TColor rgb = ResolveColour(c);
    return 0xFF000000u | std::uint32_t(RedOf(rgb)) << 16 | std::uint32_t(GreenOf(rgb)) << 8 | std::uint32_t(BlueOf(rgb));
}

// Sets every pixel of r that lies inside clip (and the image).
void FillPixels(const TRasterPixels& image, const TRect& r, const TRect& clip, std::uint32_t pixel);

// A one-pixel horizontal or vertical line from `from` towards `to`, without
// the pixel at `to`, as QPainter draws it aliased. Dotted, it sets every
// third pixel counting from `from`: QPainter's one-pixel dot pattern, which
// starts afresh with every line. (QPainter also restarts the pattern where
// the image edge cuts a line; callers leave such lines to it.)
void FillStraightLine(const TRasterPixels& image, TPoint from, TPoint to, const TRect& clip, std::uint32_t pixel,
                      bool dotted);

// Outline (one pixel, pen) and interior (brush) of r, each skipped when
// its flag is false.
void FillOutlinedRect(const TRasterPixels& image, const TRect& r, const TRect& clip, bool outline,
                      std::uint32_t penPixel, bool fill, std::uint32_t brushPixel);
