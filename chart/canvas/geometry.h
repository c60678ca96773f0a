#pragma once

#include "chart/canvas/rect.h"

#include <utility>

// Small rectangle and angle helpers used all over the chart.

struct TExtent
{
    int Width = 0;
    int Height = 0;

    friend bool operator==(const TExtent&, const TExtent&) = default;
};

// Width = Right - Left, Height = Bottom - Top (negative for inverted rects).
constexpr TExtent ExtentOfRect(const TRect& r) { return {r.Right - r.Left, r.Bottom - r.Top}; }

// ((Left + Right) div 2, (Top + Bottom) div 2), truncating towards zero.
constexpr TPoint CentreOfRect(const TRect& r)
{
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

struct TSineCosine
{
    double Sine = 0;
    double Cosine = 1;
};

// Sine and cosine of an angle in radians.
TSineCosine SineCosine(double radians);

// Angle of the screen vector (dx, dy) in radians, counter-clockwise as seen
// on the screen (Y grows downwards), in [0, 2*pi). The null vector gives 0.
double AngleOfVector(int dx, int dy);

inline void SwapInt(int& a, int& b) { std::swap(a, b); }
inline void SwapDouble(double& a, double& b) { std::swap(a, b); }
constexpr int MinInt(int a, int b) { return a < b ? a : b; }
constexpr int MaxInt(int a, int b) { return a > b ? a : b; }
constexpr double MinDouble(double a, double b) { return a < b ? a : b; }
constexpr double MaxDouble(double a, double b) { return a > b ? a : b; }
