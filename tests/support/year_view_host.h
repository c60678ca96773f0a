#pragma once

#include "app/view/year_view.h"
#include "app/window/main_form.h"
#include "app/year/string_items.h"
#include "chart/panel/chart.h"

#include <QStringList>

// The year chart as the window holds it, without the window: a chart of the
// size the window first gives it, the metric names and the view drawing
// into the chart. Loads and picks go straight to the view.
class TYearViewHost
{
public:
    TYearViewHost() { chart_.resize(TForm1::DesignChartSize()); }

    void LoadFiles(const QStringList& paths) { view_.LoadFiles(paths); }
    QString SelectEvaluation(int mode, int metric) { return view_.Select(mode, metric); }
    void SetToday(const QDate& today) { view_.SetToday(today); }

    TYearView& View() { return view_; }
    TChart* Chart() { return &chart_; }
    const TChart* Chart() const { return &chart_; }
    const QStringList& Metrics() const { return metrics_.Items(); }
    const TYearStore& YearStore() const { return view_.YearStore(); }
    const TEvaluationState& EvaluationState() const { return view_.EvaluationState(); }

private:
    TChart chart_;
    TStringListItems metrics_;
    TYearView view_{chart_, metrics_};
};
