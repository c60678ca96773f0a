#include "chart/canvas/raster_fill.h"

#include <algorithm>
#include <cmath>

std::optional<TRasterPixels> DirectPixels(QImage& image)
{
    const qreal ratio = image.devicePixelRatio();
    if (image.isNull() || ratio < 1.0 || ratio != std::floor(ratio))
        return std::nullopt;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return TRasterPixels{image.bits(), image.bytesPerLine(), image.width(), image.height(), int(ratio)};
    default: return std::nullopt;
    }
}

void FillPixels(const TRasterPixels& image, const TRect& r, const TRect& clip, std::uint32_t pixel)
{
    const TRect area = IntersectRect(IntersectRect(r, clip), image.Bounds());
    const int s = image.Scale;
    for (int y = area.Top * s; y < area.Bottom * s; ++y) {
        std::uint32_t* line = image.Line(y);
        std::fill(line + area.Left * s, line + area.Right * s, pixel);
    }
}

void FillStraightLine(const TRasterPixels& image, TPoint from, TPoint to, const TRect& clip, std::uint32_t pixel,
                      bool dotted)
{
    const bool horizontal = from.Y == to.Y;
    const int start = horizontal ? from.X : from.Y;
    const int end = horizontal ? to.X : to.Y;
    // The covered span, [low, high): a line running backwards covers end + 1 .. start.
    const int low = start < end ? start : end + 1;
    const int high = start < end ? end : start + 1;
    const TRect line = horizontal ? TRect{low, from.Y, high, from.Y + 1} : TRect{from.X, low, from.X + 1, high};
    const TRect area = IntersectRect(IntersectRect(line, clip), image.Bounds());
    if (area.IsEmpty())
        return;
    if (!dotted) {
        FillPixels(image, area, area, pixel);
        return;
    }
    const int first = horizontal ? area.Left : area.Top;
    const int last = horizontal ? area.Right : area.Bottom;
    // The first dot at or after `first`, on the pattern that starts at `start`.
    const int offset = ((start - first) % 3 + 3) % 3;
    if (image.Scale != 1) {
        for (int p = first + offset; p < last; p += 3)
            FillPixels(image, horizontal ? TRect{p, area.Top, p + 1, area.Bottom} : TRect{area.Left, p, area.Right, p + 1},
                       area, pixel);
        return;
    }
    // Pixel steps between neighbouring positions along the line.
    const qsizetype step = horizontal ? 1 : image.BytesPerLine / qsizetype(sizeof(std::uint32_t));
    std::uint32_t* origin = image.Line(area.Top) + area.Left;
    for (qsizetype i = offset; i < last - first; i += 3)
        origin[i * step] = pixel;
}

namespace {

// The marker case: a whole outlined rectangle of at least 2 x 2 inside the
// clip, one device pixel per pixel. Each row is written once, left to
// right, instead of clipping and filling five rectangles.
void StampOutlinedRect(const TRasterPixels& image, const TRect& r, std::uint32_t penPixel, bool fill,
                       std::uint32_t brushPixel)
{
    const int width = r.Width();
    std::fill_n(image.Line(r.Top) + r.Left, width, penPixel);
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        std::uint32_t* row = image.Line(y) + r.Left;
        row[0] = penPixel;
        if (fill)
            std::fill_n(row + 1, width - 2, brushPixel);
        row[width - 1] = penPixel;
    }
    std::fill_n(image.Line(r.Bottom - 1) + r.Left, width, penPixel);
}

bool Stampable(const TRasterPixels& image, const TRect& r, const TRect& clip)
{
    return image.Scale == 1 && r.Width() >= 2 && r.Height() >= 2
           && IntersectRect(IntersectRect(r, clip), image.Bounds()) == r;
}

} // namespace

void FillOutlinedRect(const TRasterPixels& image, const TRect& r, const TRect& clip, bool outline,
                      std::uint32_t penPixel, bool fill, std::uint32_t brushPixel)
{
    if (outline && Stampable(image, r, clip)) {
        StampOutlinedRect(image, r, penPixel, fill, brushPixel);
        return;
    }
    if (!outline) {
        if (fill)
            FillPixels(image, r, clip, brushPixel);
        return;
    }
    if (fill)
        FillPixels(image, r.Inflated(-1, -1), clip, brushPixel);
    FillPixels(image, {r.Left, r.Top, r.Right, r.Top + 1}, clip, penPixel);
    FillPixels(image, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, clip, penPixel);
    FillPixels(image, {r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, clip, penPixel);
    FillPixels(image, {r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, clip, penPixel);
}
