#include "app/year/year_evaluation.h"

#include "app/year/year_store.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>

const std::array<int, 13> MonthBucketStart = {1, 32, 60, 90, 120, 151, 181, 212, 243, 273, 304, 334, 367};

namespace {

constexpr int LastDayOfDecember = 366; // the monthly mean's December includes a leap day

// Month names at the first day of each month, shifted right by their leading
// blanks; translated where the labels are made.
const std::array<std::pair<int, const char*>, 13> MonthLabels = {{
    {0, QT_TRANSLATE_NOOP("YearEvaluation", "            Januar")},
    {31, QT_TRANSLATE_NOOP("YearEvaluation", "             Februar")},
    {59, QT_TRANSLATE_NOOP("YearEvaluation", "        März")},
    {90, QT_TRANSLATE_NOOP("YearEvaluation", "         April")},
    {120, QT_TRANSLATE_NOOP("YearEvaluation", "       Mai")},
    {151, QT_TRANSLATE_NOOP("YearEvaluation", "       Juni")},
    {181, QT_TRANSLATE_NOOP("YearEvaluation", "       Juli")},
    {212, QT_TRANSLATE_NOOP("YearEvaluation", "             August")},
    {243, QT_TRANSLATE_NOOP("YearEvaluation", "                 September")},
    {273, QT_TRANSLATE_NOOP("YearEvaluation", "              Oktober")},
    {304, QT_TRANSLATE_NOOP("YearEvaluation", "                 November")},
    {334, QT_TRANSLATE_NOOP("YearEvaluation", "                 Dezember")},
    {367, "   "},
}};

// From the first month label to the end label: day 1 and 31 December lie inside.
const TDayRange CalendarDays = {double(MonthLabels.front().first), double(MonthLabels.back().first)};

QString DayTickLabel(int x) { return QString::number(x / 30 * 30); }

// A metric list may offer more entries than the store has columns; such
// a column has no values, and neither has a day in a year not loaded.
float Cell(const TYearStore& store, const TSeason& season, int day, int column)
{
    const auto [slot, dayOfYear] = season.SlotDay(day);
    return slot > 0 && column >= 0 && column < TYearStore::ColumnCount ? store.Cell(slot, dayOfYear, column) : 0.0f;
}

QString MonthLabel(const char* text) { return QCoreApplication::translate("YearEvaluation", text); }

// The month names along a season that starts with the start month, placed
// as in a common year: the axis is shared by all seasons.
void AddMonthLabels(const TSeasonStart& start, std::vector<TEvalPoint>& points)
{
    if (start.IsNewYear()) {
        for (const auto& [x, text] : MonthLabels)
            points.push_back({double(x), 0.0, MonthLabel(text)});
        return;
    }
    const TSeasonCalendar common = TSeasonCalendar::Of(start, 1);
    for (std::size_t k = 0; k + 1 < common.MonthStarts.size(); ++k) {
        const int month = (start.Month - 1 + int(k)) % 12;
        points.push_back({double(k == 0 ? 0 : common.MonthStarts[k] - 1), 0.0,
                          MonthLabel(MonthLabels[std::size_t(month)].second)});
    }
    points.push_back({double(MonthLabels.back().first), 0.0, MonthLabel(MonthLabels.back().second)});
}

// The last day of a running line: the season's last day for a season that
// is over and loaded to its end; else the last dated row of one not over,
// or the last loaded day, and the line is noted as ending early.
int LastRunningDay(const TSeason& season, std::size_t index, bool running, TEvaluation& result)
{
    int last = season.LastLoadedDay();
    if (running && season.LastRowDay < last)
        last = season.LastRowDay;
    if (last < season.Days())
        result.lastDataDay[index] = last;
    return last;
}

bool IsRunningMode(TEvalMode mode)
{
    return mode == TEvalMode::RunningMean || mode == TEvalMode::MonthlyCumulative;
}

// Titles, legend flags, days and pick-list entries of the year series.
void NameYearSeries(const TSeason& season, std::size_t index, bool running, TEvaluation& result)
{
    auto& fill = result.series[index];
    fill.title = season.Title;
    fill.showInLegend = true;
    fill.days = season.Days();
    fill.running = running;
    fill.monthStarts = season.Calendar.MonthStarts;
    result.yearEntries << season.Title;
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

// The monthly buckets of one season.
struct TMonths
{
    const std::vector<int>& starts;

    bool Starts(int day) const { return std::binary_search(starts.begin(), starts.end(), day); }
};

// Mean of the positive values of the month that starts at day, and the report line about it.
float MonthMean(const TYearStore& store, const TSeason& season, std::size_t index, int day, int column,
                TEvaluation& result)
{
    const TSeasonCalendar& calendar = season.Calendar;
    const std::size_t k = std::size_t(calendar.MonthOf(day));
    // A calendar year's December includes a leap day even in a common year's table.
    const int end = season.Calendar.FirstPartDays == season.Days() ? LastDayOfDecember : season.Days();
    const int last = std::min(calendar.MonthStarts[k + 1] - 1, end);
    float sum = 0.0f;
    int count = 0;
    float mean = 0.0f;
    for (int j = calendar.MonthStarts[k]; j <= last; ++j) {
        const float t = Cell(store, season, j, column);
        if (t > 0.0f) {
            sum += t;
            ++count;
            mean = sum / static_cast<float>(count);
        }
    }
    result.reportLines << QStringLiteral("%1;%2;%3;%4").arg(index).arg(GeneralNumber(sum)).arg(count).arg(GeneralNumber(mean));
    return mean;
}

void EvaluateSeasonDaily(const TYearStore& store, const TSeason& season, std::size_t index, int column,
                         TEvalMode mode, bool running, TEvaluation& result)
{
    auto& points = result.series[index].points;
    const TMonths months{season.Calendar.MonthStarts};
    float sum = 0.0f;
    int count = 0;
    float monthMean = 0.0f;
    const int last = IsRunningMode(mode) ? LastRunningDay(season, index, running, result) : season.Days();
    for (int d = 1; d <= last; ++d) {
        float v = Cell(store, season, d, column);
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
            if (months.Starts(d)) {
                monthMean = MonthMean(store, season, index, d, column, result);
                v = monthMean;
            }
            if (v > 0.0f && monthMean > 0.0f) {
                v = monthMean;
                AddPoint(points, d, v);
            }
            break;
        case TEvalMode::MonthlyCumulative:
            if (months.Starts(d))
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

// The season's positive values as the sorted list holds them: written with
// three decimals, read back, largest first.
std::vector<float> SortedValues(const TYearStore& store, const TSeason& season, int column)
{
    std::vector<float> values;
    for (int d = 1, last = season.Days(); d <= last; ++d) {
        const float v = Cell(store, season, d, column);
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

// The seasons a chart can hold, each with its series index from 1 on.
template <typename Each>
void ForEachSeason(const TSeasonCut& cut, Each each)
{
    const std::size_t count = std::min(cut.Seasons.size(), std::size_t(TEvaluation::FillCount - 1));
    for (std::size_t i = 0; i < count; ++i)
        each(cut.Seasons[i], i + 1);
}

TEvaluation EvaluateDailySeasons(const TYearStore& store, const TSeasonCut& cut, int column, TEvalMode mode,
                                 TSeasonDate today)
{
    TEvaluation result;
    AddMonthLabels(cut.Start, result.series[0].points);
    ForEachSeason(cut, [&](const TSeason& season, std::size_t index) {
        const bool running = season.RunsOn(today);
        EvaluateSeasonDaily(store, season, index, column, mode, running, result);
        NameYearSeries(season, index, running, result);
    });
    result.tightenLeftAxis = true;
    result.dayRange = CalendarDays;
    return result;
}

TEvaluation EvaluateSortedSeasons(const TYearStore& store, const TSeasonCut& cut, int column, TSeasonDate today)
{
    TEvaluation result;
    int maxCount = 0;
    ForEachSeason(cut, [&](const TSeason& season, std::size_t index) {
        const std::vector<float> values = SortedValues(store, season, column);
        maxCount = std::max(maxCount, static_cast<int>(values.size()));
        auto& points = result.series[index].points;
        for (std::size_t k = 0; k < values.size(); ++k) {
            const float t = values[k];
            if (t > 0.0f) {
                AddPoint(points, int(k + 1), t);
                NoteMinimum(t, result);
            }
        }
        NameYearSeries(season, index, season.RunsOn(today), result);
    });
    result.reportLines << QString::number(maxCount);
    for (int x = 1; x < maxCount; x += 30)
        result.series[0].points.push_back({double(x), 0.0, DayTickLabel(x)});
    result.tightenLeftAxis = true;
    return result;
}

TEvaluation EvaluateCumulativeSeasons(const TYearStore& store, const TSeasonCut& cut, int column, TSeasonDate today)
{
    TEvaluation result;
    for (int x = 1; x <= 361; x += 30)
        result.series[0].points.push_back({double(x), 0.0, DayTickLabel(x)});
    ForEachSeason(cut, [&](const TSeason& season, std::size_t index) {
        const bool running = season.RunsOn(today);
        auto& points = result.series[index].points;
        float total = 0.0f;
        for (int d = 1, last = LastRunningDay(season, index, running, result); d <= last; ++d) {
            // A day of a year that is not loaded has no row, and no point.
            if (!season.HasRow(d))
                continue;
            total += Cell(store, season, d, column);
            AddPoint(points, d, total);
        }
        NameYearSeries(season, index, running, result);
    });
    result.dayRange = CalendarDays;
    return result;
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

TEvaluation EvaluateSeasons(const TYearStore& store, const TSeasonCut& cut, int column, TEvalMode mode,
                            TSeasonDate today)
{
    switch (mode) {
    case TEvalMode::Sorted: return EvaluateSortedSeasons(store, cut, column, today);
    case TEvalMode::Cumulative: return EvaluateCumulativeSeasons(store, cut, column, today);
    default: return EvaluateDailySeasons(store, cut, column, mode, today);
    }
}

// A calendar year from firstRunningYear on contains or follows its 1 January.
TEvaluation EvaluateDaily(const TYearStore& store, int column, TEvalMode mode, int firstRunningYear)
{
    return EvaluateDailySeasons(store, CutSeasons(store, {}), column, mode, {firstRunningYear, 1});
}

TEvaluation EvaluateSorted(const TYearStore& store, int column)
{
    return EvaluateSortedSeasons(store, CutSeasons(store, {}), column, {NoYearRunning, 1});
}

TEvaluation EvaluateCumulative(const TYearStore& store, int column, int firstRunningYear)
{
    return EvaluateCumulativeSeasons(store, CutSeasons(store, {}), column, {firstRunningYear, 1});
}
