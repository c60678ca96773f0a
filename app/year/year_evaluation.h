#pragma once

#include "app/year/season_cut.h"
#include "app/year/year_store.h"

#include <QString>
#include <QStringList>

#include <array>
#include <limits>
#include <optional>
#include <vector>

// The evaluation modes, in the order of the mode list.
enum class TEvalMode {
    Daily = 0,             // "Datumsmäßig sortiert"
    Sorted = 1,            // "Wertemäßig sortiert "
    RunningMean = 2,       // "Mittelwert Verlauf"
    MonthlyMean = 3,       // "Monatsmittel"
    Cumulative = 4,        // "Werte kumulierte"
    MonthlyCumulative = 5, // "Kumuliert (monatsweise)"
};
constexpr int EvalModeCount = 6;

// An item index of the mode list that names a mode.
constexpr bool IsEvalMode(int index) { return index >= 0 && index < EvalModeCount; }

// The running totals evaluate the totals list (duration, distance, ...);
// every other mode evaluates a column of the year files.
constexpr bool UsesTotals(TEvalMode mode)
{
    return mode == TEvalMode::Cumulative || mode == TEvalMode::MonthlyCumulative;
}

// One point for a chart series: data points have an empty label, label
// points of the line series carry the bottom axis' text at y = 0.
struct TEvalPoint
{
    double x = 0.0;
    double y = 0.0;
    QString label;

    bool operator==(const TEvalPoint&) const = default;
};

// What an evaluation puts into the label series or gives one year.
struct TSeriesFill
{
    std::vector<TEvalPoint> points;
    QString title;             // the season's title for year series
    bool showInLegend = false;
    // Year series: the days of the season, whether it is not over yet, and
    // the season days on which the monthly modes' months begin.
    int days = 0;
    bool running = false;
    std::vector<int> monthStarts;
};

// The days a horizontal axis shows.
struct TDayRange
{
    double first = 0.0;
    double last = 0.0;
};

// The complete result of one evaluation, computed from the year store
// alone for every loaded year; the main window then hands the label series
// and the years it draws to the chart.
struct TEvaluation
{
    static constexpr int SeriesCount = MaxDrawnYears + 1; // of the chart: the label series, then the years
    static constexpr int FillCount = MaxSeasons + 1; // the labels, then one per season

    std::array<TSeriesFill, FillCount> series; // entry 0 the labels, entry s season s (slot s for calendar years)
    QStringList yearEntries;   // the year pick list, entry j for season j + 1
    QStringList reportLines;   // lines for the hidden report pane
    // Narrow the left axis around the plotted values once the chart has
    // been drawn; minPlotted is the smallest plotted value above 0.
    bool tightenLeftAxis = false;
    float minPlotted = 5000000.0f;
    // Per season, the last day of a running line that ends before the
    // season's last day because it is not over or its next year is not
    // loaded; 0 for a line to the end.
    std::array<int, FillCount> lastDataDay{};
    // Modes whose x is a day: the range the years' axis and the labels'
    // axis share, the whole calendar year whatever days the files cover.
    std::optional<TDayRange> dayRange;
};

// Years from this one on are not over yet: in the running modes their lines
// end at their last dated row instead of running on flat to 31 December.
// The default takes every year as over.
constexpr int NoYearRunning = std::numeric_limits<int>::max();

// Days 1, 32, 60, 90, ...: the month starts used by the monthly modes,
// indexed by day div 30.
extern const std::array<int, 13> MonthBucketStart;

// Slots from 1 on that hold a year: the walk stops at the first empty slot.
int LoadedYearCount(const TYearStore& store);

// The evaluations of the calendar years of the store.
TEvaluation EvaluateDaily(const TYearStore& store, int column, TEvalMode mode, int firstRunningYear = NoYearRunning);
TEvaluation EvaluateSorted(const TYearStore& store, int column);
TEvaluation EvaluateCumulative(const TYearStore& store, int column, int firstRunningYear = NoYearRunning);

// Any mode on the seasons cut from the store: x is the day of the season.
// Seasons that run on `today` end at their last dated row in the running
// modes; days in years that are not loaded have no point.
TEvaluation EvaluateSeasons(const TYearStore& store, const TSeasonCut& cut, int column, TEvalMode mode,
                            TSeasonDate today);

// Formats like a general number with up to 15 significant digits ("2011", "15.5").
QString GeneralNumber(double value);
