#include "chart/panel/back_image.h"

std::vector<TPoint> TiledImagePositions(const TRect& r, int pw, int ph)
{
    std::vector<TPoint> positions;
    if (pw <= 0 || ph <= 0)
        return positions;
    for (int y = 0; y < r.Height(); y += ph)
        for (int x = 0; x < r.Width(); x += pw)
            positions.push_back({r.Left + x, r.Top + y});
    return positions;
}

TPoint CentredImagePosition(const TRect& r, int pw, int ph)
{
    return {r.Left + (r.Width() - pw) / 2, r.Top + (r.Height() - ph) / 2};
}
