#include "chart/canvas/raster_fill.h"

#include <algorithm>

bool IsDirectFillTarget(const QImage& image)
{
    if (image.isNull() || image.devicePixelRatio() != 1.0)
        return false;
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return true;
    default: return false;
    }
}

void FillPixels(QImage& image, const TRect& r, const TRect& clip, std::uint32_t pixel)
{
    const TRect area = IntersectRect(IntersectRect(r, clip), TRect{0, 0, image.width(), image.height()});
    if (area.IsEmpty())
        return;
    const qsizetype stride = image.bytesPerLine();
    uchar* row = image.bits() + area.Top * stride;
    for (int y = area.Top; y < area.Bottom; ++y, row += stride) {
        auto* line = reinterpret_cast<std::uint32_t*>(row);
        std::fill(line + area.Left, line + area.Right, pixel);
    }
}

void FillOutlinedRect(QImage& image, const TRect& r, const TRect& clip, bool outline, std::uint32_t penPixel,
                      bool fill, std::uint32_t brushPixel)
{
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
