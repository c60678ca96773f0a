#pragma once

// Fixed settings of the chart control.

// The axes are drawn before the series, so that series cover the grid.
inline constexpr bool DrawAxesBeforeSeries = true;
// Series may be clipped to the plot area when printing or recording.
inline constexpr bool ClipWhenPrinting = true;
inline constexpr bool ClipWhenMetafiling = true;
// Pixels between the title (or foot) and the plot area.
inline constexpr int TitleFootDistance = 5;
// Whether the panel background and bevels are printed.
inline constexpr bool PrintPanel = false;
// A new chart control's size.
inline constexpr int DefaultChartWidth = 400;
inline constexpr int DefaultChartHeight = 250;
