#include "app/view/year_comparison.h"

#include "app/year/value_readout.h"
#include "app/year/year_evaluation.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString NoValue = QStringLiteral("—");
const QString Minus = QStringLiteral("−");

// The month buckets of a series: its season's, or a calendar year's.
const std::vector<int>& MonthStartsOf(const TEvaluationState& state, std::size_t seriesIndex)
{
    static const std::vector<int> calendar(MonthBucketStart.begin(), MonthBucketStart.end());
    const bool known = seriesIndex < state.MonthStarts.size() && state.MonthStarts[seriesIndex].size() > 1;
    return known ? state.MonthStarts[seriesIndex] : calendar;
}

// The month bucket that holds `day`: the index of its first day.
std::size_t BucketOf(const std::vector<int>& starts, int day)
{
    const auto next = std::upper_bound(starts.begin(), starts.end(), day);
    return std::size_t(std::max<std::ptrdiff_t>(0, next - starts.begin() - 1));
}

// Index of the last point at or before day, -1 when there is none (the
// points are kept sorted by x).
int LastPointUpTo(const TChartSeries& series, int day)
{
    const TChartValueList& xs = series.XValues();
    int low = 0;
    int high = series.PointCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (xs.ValueAt(middle) <= day)
            low = middle + 1;
        else
            high = middle;
    }
    return low - 1;
}

std::optional<double> YAt(const TChartSeries& series, int index)
{
    if (index < 0)
        return std::nullopt;
    return series.YValues().ValueAt(index);
}

// The year's value on `day` as the mode's points hold it.
std::optional<double> ValueOnDay(const TChartSeries& series, TEvalMode mode, const std::vector<int>& months, int day)
{
    const int last = LastPointUpTo(series, day);
    const double lastX = last >= 0 ? series.XValues().ValueAt(last) : 0.0;
    const std::size_t bucket = BucketOf(months, day);
    switch (mode) {
    case TEvalMode::Daily:
        // A day without a workout has no point, and no value to compare.
        return last >= 0 && lastX == day ? YAt(series, last) : std::nullopt;
    case TEvalMode::MonthlyMean: {
        // Every point of a month carries the month's mean, so any point of
        // the day's month answers; a month without workouts has none.
        if (bucket + 1 >= months.size())
            return std::nullopt;
        const int lastInMonth = LastPointUpTo(series, months[bucket + 1] - 1);
        if (lastInMonth >= 0 && series.XValues().ValueAt(lastInMonth) >= months[bucket])
            return YAt(series, lastInMonth);
        return std::nullopt;
    }
    case TEvalMode::MonthlyCumulative:
        // The total restarts with each month: before the month's first
        // workout it is 0, not the last month's total.
        if (last >= 0 && lastX >= months[bucket])
            return YAt(series, last);
        return 0.0;
    case TEvalMode::RunningMean:
    case TEvalMode::Cumulative:
        return YAt(series, last);
    case TEvalMode::Sorted:
        break;
    }
    return std::nullopt;
}

// A year not over yet has no value after its last row: its running value
// there is not known, and a difference against it would be meaningless.
bool EndedBefore(const TEvaluationState& state, std::size_t seriesIndex, int day)
{
    const int last = seriesIndex < state.LastDataDay.size() ? state.LastDataDay[seriesIndex] : 0;
    return last > 0 && day > last;
}

QString SignOf(double value) { return value < 0 ? Minus : QStringLiteral("+"); }

// A text that starts with a number written the C way ("1193.3 [km]",
// "−0.250") as a reader of locale writes it ("1.193,3 [km]", "−0,250"): the
// same digits, the locale's separators. Durations ("1:45") stay as they are.
QString ForReader(const QString& text, const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return text;
    static const QRegularExpression number(QStringLiteral("^([^0-9]*)([0-9]+)(\\.[0-9]+)?(?![0-9:])"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return text;
    QString digits = match.captured(2);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, locale.groupSeparator());
    QString fraction = match.captured(3);
    if (!fraction.isEmpty())
        fraction.replace(0, 1, locale.decimalPoint());
    return match.captured(1) + digits + fraction + text.mid(match.capturedEnd());
}

// An amount against the goal, in the metric's unit: "132 km", "5:30 Std".
QString GoalAmountText(double amount, const TEvaluationState& state, const QLocale& locale)
{
    QString unit = state.UnitText.trimmed();
    unit.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    const double magnitude = std::fabs(amount);
    QString text;
    if (state.DurationMetric) {
        const double minutes = std::min(std::round(magnitude * 60.0), double(std::numeric_limits<int>::max()));
        const int m = std::isfinite(minutes) ? int(minutes) : 0;
        text = QString::asprintf("%i:%02i", m / 60, m % 60);
    } else {
        text = QString::number(magnitude, 'f', magnitude < 10 ? 1 : 0);
    }
    text = ForReader(text, locale);
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

// The readout's formats, applied to the magnitude: a negative duration
// reads "−0:30", not "0:-30".
QString ValueText(double value, const TEvaluationState& state, const QLocale& locale)
{
    const QString magnitude = ReadoutValueText(float(std::fabs(value)), state.DurationMetric, state.UnitText);
    return (value < 0 ? Minus : QString()) + ForReader(magnitude.trimmed(), locale);
}

// Where a year not over yet stands against the goal on the day, and what it
// needs per week from its last row on.
void AddGoalTexts(const TEvaluationState& state, std::size_t seriesIndex, int day, const QLocale& locale,
                  TComparisonRow& row)
{
    const std::optional<TYearPace>& pace
        = seriesIndex < state.Pace.size() ? state.Pace[seriesIndex] : std::optional<TYearPace>();
    if (!state.Goal || !pace)
        return;
    if (const std::optional<double> projected = pace->ProjectedTotal())
        row.ProjectionText = ValueText(*projected, state, locale);
    if (row.Value) {
        const double difference = *row.Value - state.Goal->ValueOn(day);
        row.GoalText = QCoreApplication::translate("YearComparison", "Ziel: %1").arg(SignOf(difference) + GoalAmountText(difference, state, locale));
    }
    if (const std::optional<double> needed = pace->NeededPerWeek(state.Goal->Goal))
        row.NeededText = *needed > 0 ? QCoreApplication::translate("YearComparison", "Noch %1 pro Woche").arg(GoalAmountText(*needed, state, locale))
                                     : QCoreApplication::translate("YearComparison", "Ziel erreicht");
}

} // namespace

QString ComparisonDifferenceText(double difference, bool durationMetric)
{
    const double magnitude = std::fabs(difference);
    if (durationMetric) {
        const double minutes = std::min(std::floor(magnitude * 60.0), double(std::numeric_limits<int>::max()));
        const int m = std::isfinite(minutes) ? int(minutes) : 0;
        return SignOf(difference) + QString::asprintf("%i:%02i", m / 60, m % 60);
    }
    return SignOf(difference) + QString::asprintf(magnitude < 10 ? "%.3f" : "%.1f", magnitude);
}

bool ComparesDays(int evalMode)
{
    return IsEvalMode(evalMode) && evalMode != int(TEvalMode::Sorted);
}

std::optional<TYearComparison> CompareYearsAt(const std::vector<const TChartSeries*>& yearSeries,
                                              const TEvaluationState& state, int day, const QLocale& numbers)
{
    if (!ComparesDays(state.EvalMode))
        return std::nullopt;
    const auto mode = TEvalMode(state.EvalMode);
    TYearComparison result;
    result.Day = day;
    result.Heading = QStringLiteral("Tag %1").arg(day);
    std::optional<double> previous;
    for (std::size_t i = 0; i < yearSeries.size(); ++i) {
        const TChartSeries* series = yearSeries[i];
        if (series == nullptr || !series->Active() || !series->ShowInLegend())
            continue;
        TComparisonRow row;
        row.Colour = series->SeriesColor();
        row.Year = series->Title();
        row.Value = EndedBefore(state, i + 1, day) ? std::nullopt
                                                    : ValueOnDay(*series, mode, MonthStartsOf(state, i + 1), day);
        row.ValueText = row.Value ? ValueText(*row.Value, state, numbers) : NoValue;
        if (row.Value && previous && !result.Rows.empty())
            row.DifferenceText
                = ForReader(ComparisonDifferenceText(*row.Value - *previous, state.DurationMetric), numbers);
        previous = row.Value;
        AddGoalTexts(state, i + 1, day, numbers, row);
        result.Rows.push_back(std::move(row));
    }
    if (state.Goal)
        result.GoalLineText = ValueText(state.Goal->ValueOn(day), state, numbers);
    return result;
}

QStringList TYearComparison::Lines() const
{
    QStringList lines{Heading};
    for (const TComparisonRow& row : Rows) {
        QString line = row.Year + QLatin1Char('\t') + row.ValueText;
        if (!row.DifferenceText.isEmpty())
            line += QLatin1Char('\t') + row.DifferenceText;
        if (!row.ProjectionText.isEmpty())
            line += QStringLiteral("\tPrognose\t") + row.ProjectionText;
        lines << line;
    }
    if (!GoalLineText.isEmpty())
        lines << QStringLiteral("Ziel\t") + GoalLineText;
    return lines;
}

std::vector<const TChartSeries*> YearSeriesOf(const TChart& chart)
{
    std::vector<const TChartSeries*> series;
    for (int i = 1; i < std::min(chart.SeriesTotal(), int(TEvaluation::SeriesCount)); ++i)
        series.push_back(&chart.SeriesAt(i));
    return series;
}
