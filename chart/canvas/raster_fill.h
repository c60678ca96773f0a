#pragma once

#include "chart/canvas/rect.h"

#include <QImage>

#include <cstdint>

// Direct pixel fills on 32-bit raster images. The chart's hot path is
// thousands of small outlined squares (point markers); filling their
// pixels directly avoids QPainter's per-call setup and is several times
// faster, with the very same pixels. Grid lines and ticks, one pixel wide
// and straight, are set directly for the same reason.

// True for images the fills below can write: 32 bits per pixel, one
// device pixel per logical pixel.
bool IsDirectFillTarget(const QImage& image);

// The 32-bit pixel value of an opaque RGB colour (0xRRGGBB as QRgb).
constexpr std::uint32_t OpaquePixel(std::uint32_t qrgb) { return 0xFF000000u | qrgb; }

// Sets every pixel of r that lies inside clip (and the image).
void FillPixels(QImage& image, const TRect& r, const TRect& clip, std::uint32_t pixel);

// A one-pixel horizontal or vertical line from `from` towards `to`, without
// the pixel at `to`, as QPainter draws it aliased. Dotted, it sets every
// third pixel counting from `from`: QPainter's one-pixel dot pattern, which
// starts afresh with every line. (QPainter also restarts the pattern where
// the image edge cuts a line; callers leave such lines to it.)
void FillStraightLine(QImage& image, TPoint from, TPoint to, const TRect& clip, std::uint32_t pixel, bool dotted);

// Outline (one pixel, pen) and interior (brush) of r, each skipped when
// its flag is false.
void FillOutlinedRect(QImage& image, const TRect& r, const TRect& clip, bool outline, std::uint32_t penPixel,
                      bool fill, std::uint32_t brushPixel);
