#include "app/year/evaluation_selection.h"

#include <QCoreApplication>

namespace {

QString UnitOf(const QString& title)
{
    const qsizetype bracket = title.indexOf(QLatin1Char('['));
    return bracket < 0 ? QStringLiteral(" ") : title.mid(bracket);
}

bool NamesDuration(const QString& text) { return text.contains(QStringLiteral("Dauer")); }

// "Strecke  [km]" -> "Die geladenen Dateien haben keine Spalte für Strecke."
QString AbsentTotalNote(const QString& metricText)
{
    const QString name = metricText.section(QLatin1Char('['), 0, 0).trimmed();
    return QCoreApplication::translate("Evaluation", "Die geladenen Dateien haben keine Spalte für %1.").arg(name);
}

// A typed mode text, or a metric text that is no entry of the mode's list:
// nothing to evaluate, the chart is shown as it was.
TEvaluationRequest KeepChart(const TEvaluationState& previous, std::optional<TMetricList> front = std::nullopt)
{
    TEvaluationRequest request;
    request.state = previous;
    request.state.EvalMode = -1;
    request.bringToFront = front;
    request.state.DurationMetric = false;
    request.state.UnitText = QStringLiteral(" ");
    request.bottomAxisTitle = QStringLiteral(" ");
    return request;
}

} // namespace

int FirstChartTotal(const TYearStore& store)
{
    const int column = store.SumColumn(DistanceTotal);
    if (column < 0)
        return DurationTotal;
    double distance = 0.0;
    for (int slot = 1, count = LoadedYearCount(store); slot <= count; ++slot)
        for (int day = 1; day <= TYearStore::MaxDayIndex; ++day)
            distance += double(store.Cell(slot, day, column));
    return distance != 0.0 ? DistanceTotal : DurationTotal;
}

QStringList TotalsListEntries()
{
    return {QCoreApplication::translate("Evaluation", "Dauer    [Std]"), QCoreApplication::translate("Evaluation", "Strecke  [km]"),
            QCoreApplication::translate("Evaluation", "Arbeit     [kcal]"), QCoreApplication::translate("Evaluation", "D-Alt      [m]"),
            QCoreApplication::translate("Evaluation", "TSS")};
}

TMetricList MetricListOf(int evalMode)
{
    return IsEvalMode(evalMode) && UsesTotals(TEvalMode(evalMode)) ? TMetricList::Kum : TMetricList::Wahl;
}

TEvaluationRequest ResolveEvaluation(const TListChoice& mode, const TListChoice& wahl, const TListChoice& kum,
                                     const std::array<int, 5>& sumColumns, const TEvaluationState& previous)
{
    const int evalMode = mode.index;
    if (!IsEvalMode(evalMode))
        return KeepChart(previous);
    const bool cumulative = MetricListOf(evalMode) == TMetricList::Kum;
    const int metric = cumulative ? kum.index : wahl.index;
    if (metric < 0 || (cumulative && metric >= int(sumColumns.size())))
        return KeepChart(previous, MetricListOf(evalMode));

    TEvaluationRequest request;
    TEvaluationState& state = request.state;
    state.EvalMode = evalMode;
    QString titleText;
    if (!cumulative) {
        state.SelectedColumn = wahl.index + 1;
        titleText = wahl.text;
        if (NamesDuration(titleText)) {
            titleText += QCoreApplication::translate("Evaluation", " [Std]");
            state.DurationMetric = true;
        }
        request.chartTitle = titleText;
        request.leftAxisTitle = titleText;
    } else {
        state.SelectedColumn = sumColumns[std::size_t(kum.index)];
        if (state.SelectedColumn < 0)
            request.fileNote = AbsentTotalNote(kum.text);
        state.DurationMetric = kum.index == DurationTotal || NamesDuration(kum.text);
        request.leftAxisTitle = kum.text;
        titleText = kum.text;
        request.chartTitle = kum.text;
    }
    request.bringToFront = MetricListOf(evalMode);
    state.UnitText = UnitOf(titleText);
    // The sorted mode counts days along x, the running total runs over them.
    const TEvalMode routine = TEvalMode(evalMode);
    request.bottomAxisTitle = routine == TEvalMode::Sorted || routine == TEvalMode::Cumulative ? QCoreApplication::translate("Evaluation", "TAGE")
                                                                                                : QStringLiteral(" ");
    request.routine = routine;
    return request;
}
