#include "app/cli/windowless_chart.h"

#include "app/import/imported_years.h"
#include "app/view/load_narration.h"
#include "app/view/load_pane.h"
#include "app/window/main_form.h"
#include "app/year/evaluation_selection.h"

#include <algorithm>

TWindowlessChart::TWindowlessChart(TLoadPane& pane, const QDate& today, const TSeasonStart& seasonStart,
                                   std::optional<double> goal)
    : pane_(pane), goal_(goal)
{
    chart_.resize(TForm1::DesignChartSize());
    view_.SetToday(today);
    view_.SetSeasonStart(seasonStart);
}

void TWindowlessChart::LoadFiles(const QStringList& paths)
{
    view_.BeginLoad();
    TLoadNarration narration(view_, pane_);
    narration.ReadYearFiles(paths);
    FinishLoad(narration);
}

void TWindowlessChart::LoadImportedYears(const TImportedYears& imported)
{
    view_.BeginLoad();
    TLoadNarration narration(view_, pane_);
    narration.ReadImport(imported.texts, [&](int year) { return imported.YearLine(year); }, imported.source,
                         imported.notes, imported.seasons);
    FinishLoad(narration);
}

// The first chart of a load: the running total of the distance (or the duration).
void TWindowlessChart::FinishLoad(TLoadNarration& narration)
{
    if (narration.Finish() == 0) {
        ShowModeMetric();
        return;
    }
    mode_ = int(TEvalMode::Cumulative);
    kum_ = FirstChartTotal(view_.YearStore());
    Change();
}

// A mode shows an entry of its metric list: the one picked, else the first.
void TWindowlessChart::ShowModeMetric()
{
    int& metric = MetricListOf(mode_) == TMetricList::Kum ? kum_ : wahl_;
    if (MetricCount(mode_) > 0)
        metric = std::max(metric, 0);
}

int TWindowlessChart::MetricCount(int mode) const
{
    return MetricListOf(mode) == TMetricList::Kum ? int(TotalsListEntries().size()) : metrics_.Count();
}

QString TWindowlessChart::SelectEvaluation(std::optional<int> mode, std::optional<int> metric)
{
    if (!mode && !metric)
        return {};
    const int modeIndex = mode.value_or(mode_);
    if (!IsEvalMode(modeIndex))
        return QStringLiteral("mode %1 is not in the mode list").arg(modeIndex);
    const int count = MetricCount(modeIndex);
    if (metric && (*metric < 0 || *metric >= count))
        return QStringLiteral("metric %1 is not in the list of %2 metrics").arg(*metric).arg(count);
    mode_ = modeIndex;
    if (metric)
        (MetricListOf(mode_) == TMetricList::Kum ? kum_ : wahl_) = *metric;
    ShowModeMetric();
    Change();
    return {};
}

// As a change of the window's lists: the goal of a running total, the
// evaluation, and the note of a total the files do not have.
void TWindowlessChart::Change()
{
    const bool runningTotal = mode_ == int(TEvalMode::Cumulative);
    view_.SetGoal(runningTotal ? goal_ : std::nullopt);
    const QStringList totals = TotalsListEntries();
    const TListChoice wahl = wahl_ >= 0 ? TListChoice{wahl_, metrics_.At(wahl_)} : TListChoice{};
    const TEvaluationRequest request = ResolveEvaluation({mode_, {}}, wahl, {kum_, totals[kum_]},
                                                         view_.SumColumns(), view_.EvaluationState());
    if (!request.fileNote.isEmpty())
        pane_.Line(request.fileNote);
    view_.Apply(request);
}
