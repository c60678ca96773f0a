#pragma once

#include "app/view/year_view.h"
#include "app/year/string_items.h"
#include "chart/panel/chart.h"

#include <QDate>

#include <optional>

class TLoadNarration;
class TLoadPane;
struct TImportedYears;

// The year chart of a run that writes files: the chart at the size the
// window gives it, loaded, told and picked as the window would, without
// building the window. The three lists are kept as their picks alone.
class TWindowlessChart
{
public:
    // Each line the window's file pane would show goes to pane. The day
    // taken as today (invalid: the system's), the season start and the goal
    // of every running total of the run.
    TWindowlessChart(TLoadPane& pane, const QDate& today, const TSeasonStart& seasonStart,
                     std::optional<double> goal);

    void LoadFiles(const QStringList& paths);
    void LoadImportedYears(const TImportedYears& imported);
    // A mode and a metric of the list it uses, by index; either may be
    // left to what the lists show. An error text when one is out of range.
    QString SelectEvaluation(std::optional<int> mode, std::optional<int> metric);

    TChart& Chart() { return chart_; }
    const TEvaluationState& EvaluationState() const { return view_.EvaluationState(); }

private:
    void FinishLoad(TLoadNarration& narration);
    void ShowModeMetric();
    int MetricCount(int mode) const;
    void Change();

    TChart chart_;
    TStringListItems metrics_;
    TYearView view_{chart_, metrics_};
    TLoadPane& pane_;
    std::optional<double> goal_;
    // The lists' picks: the mode, the metric of the files' columns (none
    // until a mode using them is shown) and the total.
    int mode_ = 0;
    int wahl_ = -1;
    int kum_ = 0;
};
