#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Turns a coordinate into a pixel: nearest integer, halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4). Values beyond the int range (or NaN) are
// clamped so that a degenerate scale cannot overflow into undefined
// behaviour further down the drawing code.
inline int RoundPixel(double v)
{
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (std::isnan(v))
        return 0;
    if (v <= lo)
        return std::numeric_limits<int>::min();
    if (v >= hi)
        return std::numeric_limits<int>::max();
    // The default floating point environment rounds to nearest-even.
    return static_cast<int>(std::nearbyint(v));
}

// a * b / c with a 64-bit intermediate, rounded to nearest with halves away
// from zero. A zero divisor gives 0 (never used as a valid result: callers
// that can hit it handle that case themselves).
inline int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const std::int64_t num = std::int64_t(a) * b;
    const std::int64_t den = c;
    const bool negative = (num < 0) != (den < 0);
    const std::int64_t an = num < 0 ? -num : num;
    const std::int64_t ad = den < 0 ? -den : den;
    const std::int64_t q = (2 * an + ad) / (2 * ad);
    return static_cast<int>(negative ? -q : q);
}
