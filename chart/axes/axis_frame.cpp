#include "chart/axes/axis_frame.h"

#include "chart/canvas/rect.h"

bool AxisFrameClicked(const TAxisFrame& frame, int x, int y)
{
    if (!frame.Shown || frame.Side == asDepth)
        return false;
    // +1 where moving away from the plot increases the coordinate.
    const int out = frame.Side == asBottom || frame.Side == asRight ? 1 : -1;
    const int acrossFrom = frame.AxisLinePos - 3 * out;
    const TAxisMapping& m = frame.Mapping;
    const TRect r = m.Horizontal ? TRect{m.PixelStart, acrossFrom, m.PixelEnd, frame.LabelBandPos}
                                 : TRect{acrossFrom, m.PixelStart, frame.LabelBandPos, m.PixelEnd};
    return r.Normalised().Contains({x, y});
}
