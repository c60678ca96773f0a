#include "chart/axes/axis_geometry.h"

#include "chart/canvas/drawing_styles.h"
#include "chart/canvas/pixel_math.h"

namespace {

constexpr int kLeftTop = TextAlignLeft | TextAlignTop;
constexpr int kRightTop = TextAlignRight | TextAlignTop;
constexpr int kCentreTop = TextAlignCenter | TextAlignTop;
constexpr int kCentreBottom = TextAlignCenter | TextAlignBottom;

// Alignment and pre-shift for the four right angles; the depth axis is
// laid out like the right one.
void Align(TLabelLayout& l, TAxisSide side, int angle, int half)
{
    const bool bottom = side == asBottom;
    const bool top = side == asTop;
    const bool left = side == asLeft;
    switch (angle) {
    case 0:
        l.Align = bottom ? kCentreTop : top ? kCentreBottom : left ? kRightTop : kLeftTop;
        if (!bottom && !top)
            l.StartY -= half;
        break;
    case 90:
        l.Align = bottom ? kRightTop : top ? kLeftTop : left ? kCentreBottom : kCentreTop;
        if (bottom || top)
            l.StartX -= half;
        break;
    case 180:
        l.Align = bottom ? kCentreBottom : top ? kCentreTop : left ? kLeftTop : kRightTop;
        if (!bottom && !top)
            l.StartY += half;
        break;
    case 270:
        l.Align = bottom ? kLeftTop : top ? kRightTop : left ? kCentreTop : kCentreBottom;
        if (bottom || top)
            l.StartX += half;
        break;
    default:
        l.Align = kLeftTop;
    }
}

int HalfBlock(int d, int n) { return RoundPixel(d * (n + 1) / 2.0); }

} // namespace

TLabelLayout CalcLabelLayout(TAxisSide side, int angle, int x, int y, int lines, int fontHeight)
{
    TLabelLayout l;
    l.StartX = x;
    l.StartY = y;
    Align(l, side, angle, fontHeight / 2);
    const int n = lines;
    const int d = angle == 180 || angle == 270 ? -fontHeight : fontHeight;
    const bool horizontal = side == asBottom || side == asTop;
    const bool bottomOrLeft = side == asBottom || side == asLeft;
    if (angle == 90 || angle == 270) {
        l.StepX = d;
        if (horizontal)
            l.StartX -= HalfBlock(d, n);
        else if ((angle == 90) == (side == asLeft))
            l.StartX -= n * d;
        else
            l.StartX -= d;
    } else {
        // 0, 180 and other angles: lines run downwards on screen.
        l.StepY = d;
        if (!horizontal && (angle == 0 || angle == 180))
            l.StartY -= HalfBlock(d, n);
        else if (angle == 0 || angle == 180)
            l.StartY -= (angle == 0) == bottomOrLeft ? d : n * d;
        else
            l.StartY -= d;
    }
    return l;
}

std::vector<int> GridPixels(const std::vector<int>& ticks, bool centred)
{
    if (!centred)
        return ticks;
    std::vector<int> out;
    for (size_t i = 1; i < ticks.size(); ++i)
        out.push_back(RoundPixel((ticks[i - 1] + ticks[i]) / 2.0));
    return out;
}

std::vector<int> MinorTickPixels(const std::vector<int>& ticks, int count, const TAxisMapping& mapping, int base)
{
    std::vector<int> out;
    if (ticks.empty() || count < 1)
        return out;
    auto keep = [&](int p) {
        if (mapping.PixelStart < p && p < mapping.PixelEnd)
            out.push_back(p);
    };
    auto part = [&](int gap, int j) { return RoundPixel(double(gap) * j / (count + 1)); };
    if (mapping.Logarithmic) {
        for (size_t i = 0; i + 1 < ticks.size(); ++i) {
            const double v = mapping.PixelToValue(ticks[i]);
            for (int k = 1; k <= count; ++k) {
                const double m = v + k * (base * v - v) / (count + 1);
                if (m > mapping.RangeMax)
                    break;
                keep(mapping.ValueToPixel(m));
            }
        }
        return out;
    }
    for (size_t i = 1; i < ticks.size(); ++i)
        for (int j = 1; j <= count; ++j)
            keep(ticks[i] - part(ticks[i] - ticks[i - 1], j));
    if (ticks.size() >= 2) {
        const int gap = ticks[1] - ticks[0];
        for (int j = 1; j <= count; ++j) {
            keep(ticks.front() - part(gap, j));
            keep(ticks.back() + part(gap, j));
        }
    }
    return out;
}
