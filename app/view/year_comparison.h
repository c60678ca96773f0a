#pragma once

#include "app/year/evaluation_selection.h"
#include "chart/canvas/colour.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class TChart;
class TChartSeries;

// One year's row of the comparison at a day.
struct TComparisonRow
{
    TColor Colour = clBlack;
    QString Year;
    std::optional<double> Value;  // none: the year has no value on that day
    QString ValueText;            // "1234.5 [km]", "2:05 [Std]", "—"
    QString DifferenceText;       // to the row above: "+12.4", "−3:05"; empty when either has no value
    // A year not over yet, in the running total with a goal: its projected
    // total, "Ziel: +132 km" on the day and "Noch 38 km pro Woche"; empty otherwise.
    QString ProjectionText;
    QString GoalText;
    QString NeededText;
};

// Every shown year's value at one day, in slot order.
struct TYearComparison
{
    int Day = 0;
    QString Heading;  // "Tag 123"
    std::vector<TComparisonRow> Rows;
    QString GoalLineText; // the goal line's value on the day; empty without a goal

    // The heading, then one line per row: year, value and difference, and
    // "Prognose" with the projected total; then "Ziel" with the goal line's
    // value. Separated by tabs for scripts.
    QStringList Lines() const;
};

// The modes whose x is the day of the year: all but the one sorted by value.
bool ComparesDays(int evalMode);

// The comparison at `day` from the year series (series 1 on, in slot
// order): series that are hidden or carry no year are left out, and a year
// past its last data day has no value. None for a mode whose x is no day.
// Numbers are written as scripts read them, or with the separators of a
// reader's locale (the same digits).
std::optional<TYearComparison> CompareYearsAt(const std::vector<const TChartSeries*>& yearSeries,
                                              const TEvaluationState& state, int day,
                                              const QLocale& numbers = QLocale::c());

// The chart's year series, series 1 to 8, in slot order.
std::vector<const TChartSeries*> YearSeriesOf(const TChart& chart);

// A difference with its sign: "+12.4", "−0.250", "−3:05"; durations as h:mm.
QString ComparisonDifferenceText(double difference, bool durationMetric);
