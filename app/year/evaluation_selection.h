#pragma once

#include "app/year/year_evaluation.h"
#include "app/year/year_goal.h"
#include "app/year/year_store.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The evaluation state the point inspection reads until the next change.
struct TEvaluationState
{
    int EvalMode = 0;          // item index of the mode list, -1 for a typed text
    int SelectedColumn = 0;    // column of the year store that is evaluated
    bool DurationMetric = false; // values are hours: shown as hours and minutes
    QString UnitText = QStringLiteral(" ");
    // Per series, the day a year not over yet has its last row: it has no
    // value after it. 0 for a year whose values run to 31 December.
    std::array<int, TEvaluation::SeriesCount> LastDataDay{};
    // Per series, the season days on which the monthly modes' months begin.
    std::array<std::vector<int>, TEvaluation::SeriesCount> MonthStarts{};
    // In the running total with a goal: the goal line, and per series the
    // pace of a year not over yet.
    std::optional<TYearGoal> Goal;
    std::array<std::optional<TYearPace>, TEvaluation::SeriesCount> Pace{};
};

// A drop-down list as the change handler reads it.
struct TListChoice
{
    int index = -1;
    QString text;
};

// Which list of metrics is in front.
enum class TMetricList { Wahl, Kum };

// The list whose entries a mode evaluates: the totals for the cumulative
// modes, the files' columns for all others.
TMetricList MetricListOf(int evalMode);

// The entries of the totals list, in the order of the store's sum columns.
QStringList TotalsListEntries();
constexpr int DurationTotal = 0; // "Dauer    [Std]"
constexpr int DistanceTotal = 1; // "Strecke  [km]"

// The total a load shows first, as a running total: the distance, or the
// duration where no loaded year has any distance.
int FirstChartTotal(const TYearStore& store);

// What one change of the three lists asks of the window and the chart;
// computed without widgets.
struct TEvaluationRequest
{
    TEvaluationState state;
    std::optional<TMetricList> bringToFront;
    std::optional<QString> chartTitle;     // unset: the title stays
    std::optional<QString> leftAxisTitle;  // unset: the title stays
    QString bottomAxisTitle;
    std::optional<TEvalMode> routine;      // unset: the chart keeps its content
    QString fileNote;                      // a line for the file pane, empty when there is nothing to say
};

// The change handler's decisions for the current lists. previous is the
// state of the last change: a selection that names no mode or no metric
// (a typed text, the metric list's initial text) keeps its column and
// titles and is not evaluated; a mode still brings its metric list forward. A sum column below 0 is a total the loaded
// files do not have: it is evaluated as all 0, and the file pane says so.
TEvaluationRequest ResolveEvaluation(const TListChoice& mode, const TListChoice& wahl, const TListChoice& kum,
                                     const std::array<int, 5>& sumColumns, const TEvaluationState& previous);
