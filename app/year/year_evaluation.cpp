#include "app/year/year_evaluation.h"

#include "app/year/year_store.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>

const std::array<int, 13> MonthBucketStart = {1, 32, 60, 90, 120, 151, 181, 212, 243, 273, 304, 334, 367};

namespace {

constexpr int LastDayOfDecember = 366; // the monthly mean's December includes a leap day

// Month names at the first day of each month, shifted right by their leading blanks.
const std::array<std::pair<int, const char*>, 13> MonthLabels = {{
    {0, "            Januar"},
    {31, "             Februar"},
    {59, "        März"},
    {90, "         April"},
    {120, "       Mai"},
    {151, "       Juni"},
    {181, "       Juli"},
    {212, "             August"},
    {243, "                 September"},
    {273, "              Oktober"},
    {304, "                 November"},
    {334, "                 Dezember"},
    {367, "   "},
}};

// From the first month label to the end label: day 1 and 31 December lie inside.
const TDayRange CalendarDays = {double(MonthLabels.front().first), double(MonthLabels.back().first)};

QString DayTickLabel(int x) { return QString::number(x / 30 * 30); }

// A metric list may offer more entries than the store has columns; such
// a column has no values.
float Cell(const TYearStore& store, int slot, int day, int column)
{
    return column >= 0 && column < TYearStore::ColumnCount ? store.Cell(slot, day, column) : 0.0f;
}

// 31 December is day 366 in a year the loader counts as a leap year.
int LastDayShown(const TYearStore& store, int slot)
{
    return TYearStore::DaysOfYear(static_cast<int>(store.Year(slot)));
}

// The last day of a running line: 31 December for a year that is over, the
// last dated row for one that is not, whose line is noted as ending early.
int LastRunningDay(const TYearStore& store, int slot, int firstRunningYear, TEvaluation& result)
{
    const int last = LastDayShown(store, slot);
    if (store.Year(slot) < float(firstRunningYear) || store.LastRowDay(slot) >= last)
        return last;
    result.lastDataDay[std::size_t(slot)] = store.LastRowDay(slot);
    return store.LastRowDay(slot);
}

bool IsRunningMode(TEvalMode mode)
{
    return mode == TEvalMode::RunningMean || mode == TEvalMode::MonthlyCumulative;
}

// Titles, legend flags and pick-list entries of the year series.
void NameYearSeries(const TYearStore& store, int slot, TEvaluation& result)
{
    const QString year = GeneralNumber(store.Year(slot));
    auto& fill = result.series[std::size_t(slot)];
    fill.title = year;
    fill.showInLegend = true;
    result.yearEntries << year;
}

// Sums and means of huge values can leave the float range; such a day has
// no place on the axis and is left out.
void AddPoint(std::vector<TEvalPoint>& points, int x, float y)
{
    if (std::isfinite(y))
        points.push_back({double(x), double(y), {}});
}

void NoteMinimum(float v, TEvaluation& result)
{
    if (v > 0.0f && v < result.minPlotted)
        result.minPlotted = v;
}

bool StartsMonth(int day) { return day == MonthBucketStart[std::size_t(day / 30)]; }

// Mean of the positive values of the month that starts at day, and the report line about it.
float MonthMean(const TYearStore& store, int slot, int day, int column, TEvaluation& result)
{
    const std::size_t k = std::size_t(day / 30);
    const int last = std::min(MonthBucketStart[k + 1] - 1, LastDayOfDecember);
    float sum = 0.0f;
    int count = 0;
    float mean = 0.0f;
    for (int j = MonthBucketStart[k]; j <= last; ++j) {
        const float t = Cell(store, slot, j, column);
        if (t > 0.0f) {
            sum += t;
            ++count;
            mean = sum / static_cast<float>(count);
        }
    }
    result.reportLines << QStringLiteral("%1;%2;%3;%4").arg(slot).arg(GeneralNumber(sum)).arg(count).arg(GeneralNumber(mean));
    return mean;
}

void EvaluateYearDaily(const TYearStore& store, int slot, int column, TEvalMode mode, int firstRunningYear,
                       TEvaluation& result)
{
    auto& points = result.series[std::size_t(slot)].points;
    float sum = 0.0f;
    int count = 0;
    float monthMean = 0.0f;
    const int last = IsRunningMode(mode) ? LastRunningDay(store, slot, firstRunningYear, result)
                                         : LastDayShown(store, slot);
    for (int d = 1; d <= last; ++d) {
        float v = Cell(store, slot, d, column);
        if (!(v > 0.0f || mode == TEvalMode::MonthlyMean || mode == TEvalMode::MonthlyCumulative))
            continue;
        switch (mode) {
        case TEvalMode::RunningMean:
            sum += v;
            ++count;
            v = sum / static_cast<float>(count);
            AddPoint(points, d, v);
            break;
        case TEvalMode::MonthlyMean:
            if (StartsMonth(d)) {
                monthMean = MonthMean(store, slot, d, column, result);
                v = monthMean;
            }
            if (v > 0.0f && monthMean > 0.0f) {
                v = monthMean;
                AddPoint(points, d, v);
            }
            break;
        case TEvalMode::MonthlyCumulative:
            if (StartsMonth(d))
                sum = 0.0f;
            if (v > 0.0f) {
                sum += v;
                v = sum;
                AddPoint(points, d, v);
            }
            break;
        default:
            AddPoint(points, d, v);
            break;
        }
        NoteMinimum(v, result);
    }
}

// The year's positive values as the sorted list holds them: written with
// three decimals, read back, largest first.
std::vector<float> SortedValues(const TYearStore& store, int slot, int column)
{
    std::vector<float> values;
    for (int d = 1, last = LastDayShown(store, slot); d <= last; ++d) {
        const float v = Cell(store, slot, d, column);
        if (v > 0.0f) {
            // Both conversions round exactly as printf's "%.3f" and strtof
            // do, without their locale and format parsing.
            char text[64];
            const auto written = std::to_chars(text, text + sizeof text, double(v), std::chars_format::fixed, 3);
            float read = 0.0f;
            std::from_chars(text, written.ptr, read);
            values.push_back(read);
        }
    }
    std::sort(values.begin(), values.end(), std::greater<>());
    return values;
}

} // namespace

QString GeneralNumber(double value)
{
    return QString::number(value, 'g', 15);
}

int LoadedYearCount(const TYearStore& store)
{
    int count = 0;
    while (count < TYearStore::LastYearSlot && store.IsSlotLoaded(count + 1))
        ++count;
    return count;
}

TEvaluation EvaluateDaily(const TYearStore& store, int column, TEvalMode mode, int firstRunningYear)
{
    TEvaluation result;
    for (const auto& [x, text] : MonthLabels)
        result.series[0].points.push_back({double(x), 0.0, QString::fromUtf8(text)});
    const int years = LoadedYearCount(store);
    for (int slot = 1; slot <= years; ++slot) {
        EvaluateYearDaily(store, slot, column, mode, firstRunningYear, result);
        NameYearSeries(store, slot, result);
    }
    result.tightenLeftAxis = true;
    result.dayRange = CalendarDays;
    return result;
}

TEvaluation EvaluateSorted(const TYearStore& store, int column)
{
    TEvaluation result;
    int maxCount = 0;
    const int years = LoadedYearCount(store);
    for (int slot = 1; slot <= years; ++slot) {
        const std::vector<float> values = SortedValues(store, slot, column);
        maxCount = std::max(maxCount, static_cast<int>(values.size()));
        auto& points = result.series[std::size_t(slot)].points;
        for (std::size_t k = 0; k < values.size(); ++k) {
            const float t = values[k];
            if (t > 0.0f) {
                AddPoint(points, int(k + 1), t);
                NoteMinimum(t, result);
            }
        }
        NameYearSeries(store, slot, result);
    }
    result.reportLines << QString::number(maxCount);
    for (int x = 1; x < maxCount; x += 30)
        result.series[0].points.push_back({double(x), 0.0, DayTickLabel(x)});
    result.tightenLeftAxis = true;
    return result;
}

TEvaluation EvaluateCumulative(const TYearStore& store, int column, int firstRunningYear)
{
    TEvaluation result;
    for (int x = 1; x <= 361; x += 30)
        result.series[0].points.push_back({double(x), 0.0, DayTickLabel(x)});
    const int years = LoadedYearCount(store);
    for (int slot = 1; slot <= years; ++slot) {
        auto& points = result.series[std::size_t(slot)].points;
        float total = 0.0f;
        for (int d = 1, last = LastRunningDay(store, slot, firstRunningYear, result); d <= last; ++d) {
            total += Cell(store, slot, d, column);
            AddPoint(points, d, total);
        }
        NameYearSeries(store, slot, result);
    }
    result.dayRange = CalendarDays;
    return result;
}
