#pragma once

#include "app/year/evaluation_selection.h"
#include "app/year/year_evaluation.h"

#include <QString>

class QWidget;
class TChart;
class TDrawnYears;

// The year-comparison chart of the main window: one line series that
// carries the bottom axis' labels and eight point series, one per year.
namespace YearChart {

inline constexpr int SeriesCount = TEvaluation::SeriesCount;
// After them, in the running total with a goal: the goal line, then one
// dashed projection per year series.
inline constexpr int GoalSeries = SeriesCount;
inline constexpr int FirstProjectionSeries = GoalSeries + 1;
inline constexpr int AllSeriesCount = FirstProjectionSeries + MaxDrawnYears;
// The goal line's title in the chart's points; the legend adds the goal.
QString GoalTitle();
// The goal line's legend entry: "Ziel 5.000 km".
QString GoalLegendText(double goal, const QString& unitText);

// Sets the chart up as the window shows it: colours, walls, axes, title,
// the legend of years at the bottom and the nine series.
void Configure(TChart& chart);

// The first steps of every evaluation: series colours, axis ranges back
// to automatic, all points cleared, the years on the top axis, no series
// in the legend.
void PrepareSeries(TChart& chart);

// Puts an evaluation's labels into series 0, its day range into the top
// and bottom axes, and the drawn years into the year series (FillYears).
void Fill(TChart& chart, const TEvaluation& evaluation, const TDrawnYears& drawn);

// The drawn years of an evaluation into the year series of their colours,
// with points and titles; the series of free colours are emptied and leave
// the legend. Zoom and axes stay as they are.
void FillYears(TChart& chart, const TEvaluation& evaluation, const TDrawnYears& drawn);

// The goal line from day 1 to its last day, and for each year series with
// a pace its projection from the last dated row to 31 December. Empty (and
// out of the legend) without a goal.
void FillGoal(TChart& chart, const TEvaluationState& state);

// Widens the left axis' automatic maximum a little and, when there are
// values below it, starts the axis just below the smallest plotted value.
void TightenLeftAxis(TChart& chart, float minPlotted);

} // namespace YearChart
