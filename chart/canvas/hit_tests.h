#pragma once

#include "chart/canvas/rect.h"

#include <span>

// Geometric hit tests on integer pixels; the series use them to find the
// point or segment under the mouse.

// True when p lies on the segment (x0, y0)-(x1, y1): within less than one
// pixel of the line (exactly on it for horizontal and vertical segments)
// and not beyond either end by more than `tolerance` pixels. A segment of
// two equal points never matches.
bool HitSegmentWithin(TPoint p, int x0, int y0, int x1, int y1, int tolerance);

// HitSegmentWithin with no tolerance.
bool HitSegment(TPoint p, int x0, int y0, int x1, int y1);

// Even-odd test of p against the closed polygon through `points`. A point
// on a left or top edge counts as inside, on a right or bottom edge as
// outside. An empty polygon contains nothing.
bool HitPolygon(TPoint p, std::span<const TPoint> points);

// Triangle (x0, yBase), ((x0 + x1) div 2, yApex), (x1, yBase).
bool HitTriangle(TPoint p, int x0, int x1, int yBase, int yApex);

// Triangle (xBase, y0), (xApex, (y0 + y1) div 2), (xBase, y1).
bool HitSideTriangle(TPoint p, int y0, int y1, int xApex, int xBase);

// Inside or on the ellipse inscribed in r (centre and radii as integer
// halves); a rectangle with a zero radius contains nothing.
bool HitEllipse(TPoint p, const TRect& r);
