#pragma once

#include "app/view/drawn_years.h"
#include "app/view/year_comparison.h"
#include "app/year/evaluation_selection.h"
#include "app/year/load_report.h"
#include "app/year/season_cut.h"
#include "app/year/year_evaluation.h"
#include "app/year/year_store.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TChart;
class TStringItems;
class TYearComparisonHover;
class TYearFileLoader;

// The year chart without a window: the loaded years, the state of their
// evaluation, the chart they are drawn into and the comparison hover on it.
// The main window owns one and shows its chart; the command line's exports,
// the tests and the benchmarks use one alone.
class TYearView
{
public:
    // Sets the chart up as the year chart and hooks the hover to it. The
    // loader puts the metric names of a load's header into metricItems.
    // Both outlive the view.
    TYearView(TChart& chart, TStringItems& metricItems);
    ~TYearView();
    TYearView(const TYearView&) = delete;
    TYearView& operator=(const TYearView&) = delete;

    // One load: BeginLoad, a read per year file or year text, FinishLoad.
    void BeginLoad();
    TFileLoadReport ReadYearFile(const QString& path);
    TFileLoadReport ReadYearText(const QString& name, QByteArrayView text);
    // The loaded years, cut into seasons, become the pick list's rows; the
    // latest eight are drawn.
    void FinishLoad();

    // The day the seasons begin (1 January: calendar years). A change cuts
    // the loaded years anew and draws the latest eight seasons; the next
    // evaluation shows them.
    const TSeasonStart& SeasonStart() const { return seasons_.Start; }
    void SetSeasonStart(const TSeasonStart& start);
    // Only the seasons beginning in these years are cut from this load (an
    // import of seasons A to B loads the years A to B + 1); none: all. Set
    // before FinishLoad; a new load or season start forgets it.
    void SetSeasonYears(std::optional<std::vector<int>> firstYears) { seasonYears_ = std::move(firstYears); }
    const TSeasonCut& Seasons() const { return seasons_; }

    // A whole load of year files, for runs without the window's pane.
    std::vector<TFileLoadReport> LoadFiles(const QStringList& paths);
    // Picks a mode and a metric of the list that mode uses by index, as a
    // pick in the lists would, and evaluates. An error text when an index
    // is out of range.
    QString Select(int mode, int metric);

    // Takes the state a change of the lists resolved to, sets the chart's
    // titles and runs the evaluation it asks for; returns that evaluation.
    const TEvaluation* Apply(const TEvaluationRequest& request);
    // The drawn years of the last evaluation into the year series again.
    void RefillYears();
    // Shows or hides the year of a pick-list row; a change refills the years.
    TDrawnYears::TToggle ToggleYear(int row);
    // Hides the loaded years of these numbers (never the last drawn one).
    void HideYears(const std::vector<int>& years);

    // The goal of the running total (of the metric shown); none: no goal.
    // Drawn with the next evaluation or refill, only in the running total.
    std::optional<double> Goal() const { return goal_; }
    void SetGoal(std::optional<double> goal);

    // Every drawn year's value at a day, as the hover box lists them; none
    // for a mode whose x is no day.
    std::optional<TYearComparison> CompareAt(int day) const;

    TChart& Chart() const { return chart_; }
    TYearComparisonHover& Hover() const { return *hover_; }
    const TYearStore& YearStore() const { return store_; }
    const TEvaluationState& EvaluationState() const { return evaluation_; }
    const TDrawnYears& DrawnYears() const { return drawnYears_; }
    // The sum columns of the totals list, in its order; below 0 where the
    // loaded files have no such column.
    std::array<int, TYearStore::SumMetricCount> SumColumns() const;

    // The date taken as today: the system's, unless one is fixed (scripts
    // and tests must not depend on the day they run). Years from today's on
    // are not over, and their running lines end at their last row.
    QDate Today() const { return today_.isValid() ? today_ : QDate::currentDate(); }
    void SetToday(const QDate& today) { today_ = today; }

private:
    void RunEvaluation(TEvalMode mode);
    void CutSeasons(const TSeasonStart& start);
    void MapLastDataDays();
    // The goal line and the paces of the years not over yet into the
    // state, and into the chart.
    void DrawGoal();

    TChart& chart_;
    TStringItems& metricItems_;
    TYearStore store_;
    TSeasonCut seasons_;
    std::optional<std::vector<int>> seasonYears_;
    std::unique_ptr<TYearFileLoader> loader_;
    TEvaluationState evaluation_;
    TDrawnYears drawnYears_;
    std::optional<TEvaluation> lastEvaluation_; // for a year shown or hidden
    std::unique_ptr<TYearComparisonHover> hover_;
    QDate today_; // invalid: the system's date
    std::optional<double> goal_;
};
