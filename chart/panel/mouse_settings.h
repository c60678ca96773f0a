#pragma once

#include "chart/series/mouse_input.h"

// How the chart reads the mouse: the buttons and keys that start a zoom or
// a pan (an empty key set accepts any keys), the share of the remaining
// distance each step of an animated zoom covers, the smallest drag that
// zooms, and how far one wheel notch scrolls.
inline constexpr TMouseButton ZoomMouseButton = mbLeft;
inline constexpr TMouseButton PanningMouseButton = mbRight;
inline constexpr TShiftState ZoomKeyShift = 0;
inline constexpr TShiftState PanningKeyShift = 0;
inline constexpr double ZoomStepShare = 3.0;
// A zoom rectangle must be wider and higher than this many pixels.
inline constexpr int ZoomMinimumDrag = 16;
// Percent of an axis' range that one wheel notch scrolls.
inline constexpr double WheelStepPercent = 3.0;
// Units of a wheel event's angle delta per notch.
inline constexpr int WheelNotchDelta = 120;
