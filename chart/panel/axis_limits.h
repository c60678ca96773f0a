#pragma once

class TCustomChartAxis;

// The scale settings of one axis, kept while the user zooms or pans so
// that undoing returns to them.
struct TAxisLimits
{
    bool Automatic = true;
    bool AutomaticMinimum = true;
    bool AutomaticMaximum = true;
    double Minimum = 0;
    double Maximum = 0;
};

TAxisLimits SaveLimits(const TCustomChartAxis& axis);
// Fixed limits first: fixing the range clears every automatic flag, so the
// flags set afterwards survive (an automatic minimum under a fixed maximum).
void RestoreLimits(TCustomChartAxis& axis, const TAxisLimits& limits);

// The four axes a zoom changes.
struct TSavedAxisLimits
{
    TAxisLimits Top;
    TAxisLimits Left;
    TAxisLimits Right;
    TAxisLimits Bottom;
};
