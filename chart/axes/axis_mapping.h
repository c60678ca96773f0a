#pragma once

// The value <-> pixel mapping of one axis for one layout: the range in use,
// the pixel extent along the axis and the flags that shape the mapping. A
// plain value; the functions below are pure.
//
// A vertical axis that is not inverted, and a horizontal axis that is,
// count from PixelEnd: larger values lie higher on screen, or further left.
struct TAxisMapping
{
    double RangeMin = 0;
    double RangeMax = 0;
    int PixelStart = 0;
    int PixelEnd = 0;
    bool Horizontal = true;
    bool Inverted = false;
    bool Logarithmic = false;

    double RangeSpan() const { return RangeMax - RangeMin; }
    int PixelLength() const { return PixelEnd - PixelStart; }
    int PixelCentre() const { return (PixelStart + PixelEnd) / 2; }

    int ValueToPixel(double value) const;
    double PixelToValue(int pixel) const;
};

int LinearValueToPixel(const TAxisMapping& m, double value);
int LogarithmicValueToPixel(const TAxisMapping& m, double value);
double LinearPixelToValue(const TAxisMapping& m, int pixel);
double LogarithmicPixelToValue(const TAxisMapping& m, int pixel);
// The depth axis: a position in 0..depth; half the depth for a zero span.
int DepthValueToPixel(const TAxisMapping& m, double value, int depth);
