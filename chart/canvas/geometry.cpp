#include "chart/canvas/geometry.h"

#include <cmath>
#include <numbers>

TSineCosine SineCosine(double radians)
{
    return {std::sin(radians), std::cos(radians)};
}

double AngleOfVector(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return 0;
    const double a = std::atan2(-double(dy), double(dx));
    return a < 0 ? a + 2 * std::numbers::pi : a;
}
