#include "chart/axes/label_step.h"

#include "chart/axes/date_time_steps.h"
#include "chart/canvas/pixel_math.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSmallestStep = 1e-12;
constexpr double kMaxRoundable = 2147483647.0;

} // namespace

int LabelsThatFit(int pixelLength, int size, int separation)
{
    if (size == 0)
        return 1;
    const int room = separation > 0 ? size + RoundPixel(separation * 0.01 * size) : size;
    if (room == 0)
        return 1;
    return RoundPixel(double(pixelLength) / room);
}

double NextNiceStep(double step)
{
    if (!(step > 0) || !std::isfinite(step))
        return 1;
    double scale = 1;
    while (step >= 10) {
        step /= 10;
        scale *= 10;
    }
    while (step < 1) {
        step *= 10;
        scale /= 10;
    }
    const double next = step < 2 ? 2 : step < 5 ? 5 : 10;
    return next * scale;
}

double NumericLabelStep(double span, int fit, double increment, int separation)
{
    if (fit < 1)
        return kSmallestStep;
    double step = increment > 0 ? increment : std::fabs(span) >= 1 ? 1 : kSmallestStep;
    if (separation > 0) {
        for (;;) {
            const double q = span / step;
            if (!std::isfinite(q))
                break;
            if (std::fabs(q) < kMaxRoundable && RoundPixel(q) <= fit)
                break;
            step = NextNiceStep(step);
        }
    }
    return std::max(kSmallestStep, step);
}

double DateTimeLabelStep(double span, int fit, double increment)
{
    if (fit < 1)
        return kOneSecond;
    double c = std::max(increment, kOneSecond);
    if (span / c > 1000000)
        c = span / 1000000;
    const double oneYear = kDateTimeStepDays[dtOneYear];
    while (std::isfinite(span / c) && RoundPixel(span / c) > fit)
        c = c >= oneYear ? c * 2 : NextDateTimeStep(c);
    return std::max(kOneSecond, c);
}
