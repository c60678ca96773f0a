#include "chart/axes/axis_mapping.h"

#include "chart/canvas/pixel_math.h"

#include <cmath>

namespace {

// Offsets this large cannot be pixels; the mapping answers the centre.
constexpr double kMaxPixelOffset = 2147483647.0;

double LnOrZero(double v) { return v > 0 ? std::log(v) : 0.0; }

// Counting from PixelEnd for a vertical axis that is not inverted and a
// horizontal one that is.
bool CountsFromEnd(const TAxisMapping& m) { return m.Horizontal == m.Inverted; }

} // namespace

int TAxisMapping::ValueToPixel(double value) const
{
    return Logarithmic ? LogarithmicValueToPixel(*this, value) : LinearValueToPixel(*this, value);
}

double TAxisMapping::PixelToValue(int pixel) const
{
    return Logarithmic ? LogarithmicPixelToValue(*this, pixel) : LinearPixelToValue(*this, pixel);
}

int LinearValueToPixel(const TAxisMapping& m, double value)
{
    const double span = m.RangeSpan();
    if (span == 0)
        return m.PixelCentre();
    const double t = (value - m.RangeMin) * m.PixelLength() / span;
    if (!(std::fabs(t) < kMaxPixelOffset))
        return m.PixelCentre();
    return CountsFromEnd(m) ? m.PixelEnd - RoundPixel(t) : m.PixelStart + RoundPixel(t);
}

int LogarithmicValueToPixel(const TAxisMapping& m, double value)
{
    const double lnMin = LnOrZero(m.RangeMin);
    const double lnMax = LnOrZero(m.RangeMax);
    const double r = lnMax - lnMin;
    if (r == 0)
        return m.PixelCentre();
    if (value <= 0)
        return CountsFromEnd(m) ? m.PixelEnd : m.PixelStart;
    const double t = m.Inverted ? lnMax - std::log(value) : std::log(value) - lnMin;
    const double b = m.PixelLength() * t / r;
    return m.Horizontal ? m.PixelStart + RoundPixel(b) : m.PixelEnd - RoundPixel(b);
}

double LinearPixelToValue(const TAxisMapping& m, int pixel)
{
    if (m.PixelLength() < 1)
        return 0;
    const double d = double(m.Inverted ? m.PixelEnd - pixel : pixel - m.PixelStart) * m.RangeSpan()
                     / m.PixelLength();
    return m.Horizontal ? m.RangeMin + d : m.RangeMax - d;
}

double LogarithmicPixelToValue(const TAxisMapping& m, int pixel)
{
    // The ends answer the limits exactly.
    const double atStart = m.Horizontal != m.Inverted ? m.RangeMin : m.RangeMax;
    const double atEnd = m.Horizontal != m.Inverted ? m.RangeMax : m.RangeMin;
    if (pixel == m.PixelStart)
        return atStart;
    if (pixel == m.PixelEnd)
        return atEnd;
    const double lnMin = LnOrZero(m.RangeMin);
    const double lnMax = LnOrZero(m.RangeMax);
    const double r = lnMax - lnMin;
    if (r == 0 || m.PixelLength() == 0)
        return m.RangeMin;
    const double d = double(m.Inverted ? m.PixelEnd - pixel : pixel - m.PixelStart) * r / m.PixelLength();
    return m.Horizontal ? std::exp(lnMin + d) : std::exp(lnMax - d);
}

int DepthValueToPixel(const TAxisMapping& m, double value, int depth)
{
    const double span = m.RangeSpan();
    if (span == 0)
        return depth / 2;
    const double offset = m.Inverted ? m.RangeMax - value : value - m.RangeMin;
    return RoundPixel(depth * offset / span);
}
