#include "chart/panel/rubber_band.h"

#include "chart/canvas/painter_style.h"

#include <QPainter>

#include <algorithm>

std::vector<QRect> RubberBandStrips(const TZoomPanningRecord& zoom)
{
    const int left = std::min(zoom.X0, zoom.X1);
    const int right = std::max(zoom.X0, zoom.X1);
    const int top = std::min(zoom.Y0, zoom.Y1);
    const int bottom = std::max(zoom.Y0, zoom.Y1);
    const int width = right - left;
    const int height = bottom - top;
    std::vector<QRect> strips;
    if (width < 1 || height < 1)
        return strips;
    strips.emplace_back(left, top, width, 1);
    if (height > 1)
        strips.emplace_back(left, bottom - 1, width, 1);
    if (height > 2) {
        strips.emplace_back(left, top + 1, 1, height - 2);
        if (width > 1)
            strips.emplace_back(right - 1, top + 1, 1, height - 2);
    }
    return strips;
}

QRegion RubberBandRegion(const TZoomPanningRecord& zoom)
{
    QRegion region;
    for (const QRect& strip : RubberBandStrips(zoom))
        region += strip;
    return region;
}

TColor RubberBandColour(TColor panelColour)
{
    const TColor colour = ResolveColour(panelColour);
    return colour == clWhite ? clBlack : colour;
}

void PaintRubberBand(QPaintDevice& device, const TZoomPanningRecord& zoom, TColor panelColour)
{
    const std::vector<QRect> strips = RubberBandStrips(zoom);
    if (strips.empty())
        return;
    QPainter painter(&device);
    painter.setCompositionMode(ToCompositionMode(pmNotXor));
    const QColor colour = ToQColor(RubberBandColour(panelColour));
    // Qt's raster engine hands a blended fill of more than about a hundred
    // rows to worker threads; for a one-pixel side the hand-off costs many
    // times the fill, and a drag paints two sides per move. Filled in
    // pieces short enough to stay on this thread.
    constexpr int PieceRows = 64;
    for (const QRect& strip : strips)
        for (int top = strip.top(); top <= strip.bottom(); top += PieceRows)
            painter.fillRect(QRect(strip.left(), top, strip.width(), std::min(PieceRows, strip.bottom() + 1 - top)), colour);
}
