#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <limits>
#include <optional>
#include <vector>

class TYearStore;

// The evaluation modes, in the order of the mode list.
enum class TEvalMode {
    Daily = 0,             // "Datumsmäßig sortiert"
    Sorted = 1,            // "Wertemäßig sortiert "
    RunningMean = 2,       // "Mittelwert Verlauf"
    MonthlyMean = 3,       // "Monatsmittel"
    Cumulative = 4,        // "Werte kumulierte"
    MonthlyCumulative = 5, // "Kumuliert (monatsweise)"
};

// One point for a chart series: data points have an empty label, label
// points of the line series carry the bottom axis' text at y = 0.
struct TEvalPoint
{
    double x = 0.0;
    double y = 0.0;
    QString label;

    bool operator==(const TEvalPoint&) const = default;
};

// What an evaluation puts into one of the nine series.
struct TSeriesFill
{
    std::vector<TEvalPoint> points;
    QString title;             // the year for year series
    bool showInLegend = false;
};

// The days a horizontal axis shows.
struct TDayRange
{
    double first = 0.0;
    double last = 0.0;
};

// The complete result of one evaluation, computed from the year store
// alone; the main window then hands it to the chart.
struct TEvaluation
{
    static constexpr int SeriesCount = 9;     // the label series and eight year series
    static constexpr int MaxYears = SeriesCount - 1;

    std::array<TSeriesFill, SeriesCount> series;
    QStringList yearEntries;   // the year pick list, entry j for series j + 1
    QStringList reportLines;   // lines for the hidden report pane
    // Narrow the left axis around the plotted values once the chart has
    // been drawn; minPlotted is the smallest plotted value above 0.
    bool tightenLeftAxis = false;
    float minPlotted = 5000000.0f;
    // Per series, the last day of a running line that ends before
    // 31 December because its year is not over; 0 for a line to the end.
    std::array<int, SeriesCount> lastDataDay{};
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

// Slots 1 to 8 that hold a year: the walk stops at the first empty slot.
int LoadedYearCount(const TYearStore& store);

TEvaluation EvaluateDaily(const TYearStore& store, int column, TEvalMode mode, int firstRunningYear = NoYearRunning);
TEvaluation EvaluateSorted(const TYearStore& store, int column);
TEvaluation EvaluateCumulative(const TYearStore& store, int column, int firstRunningYear = NoYearRunning);

// Formats like a general number with up to 15 significant digits ("2011", "15.5").
QString GeneralNumber(double value);
