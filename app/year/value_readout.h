#pragma once

#include "app/year/evaluation_selection.h"

#include <QString>

#include <optional>

// What the value panel needs of one axis, as the last paint left it.
struct TAxisReading
{
    double Minimum = 0;
    double Maximum = 0;
    int PixelStart = 0;  // the top end of the left axis, the left end of the bottom axis
    int PixelLength = 0;
};

// The day and the value under the pointer, computed from the axis ranges (not
// from the nearest point) in 32-bit floats, as the readout always has been.
struct TReadoutValue
{
    float X = 0;
    float Y = 0;
};

// The value at chart pixel (x, y); none below the plot, for an axis of no
// length, or for a bottom axis that ends below 0.
std::optional<TReadoutValue> ReadoutAt(const TAxisReading& left, const TAxisReading& bottom, int x, int y);

// True when a press at chart row y lies at or above the lower end of the left axis.
bool PressInsidePlotHeight(const TAxisReading& left, int y);

// "   1:45 [Std]", "   9.500 [km]", "    12.3 [km]": hours as h:mm, small
// values with three decimals, others with one.
QString ReadoutValueText(float y, bool durationMetric, const QString& unit);

// The panel's caption for the mode; none for a typed mode text.
std::optional<QString> ReadoutPanelText(int evalMode, float x, const QString& valueText);

// Left edge of the panel: at the pointer, or kept 10 px inside the chart's right edge.
int ReadoutPanelLeft(int x, int panelWidth, int chartWidth);
