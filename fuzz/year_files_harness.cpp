#include "fuzz/year_files_harness.h"

#include "app/year/evaluation_selection.h"
#include "app/year/load_report.h"
#include "app/year/string_items.h"
#include "app/year/year_evaluation.h"
#include "app/year/year_file_loader.h"
#include "app/year/year_store.h"


#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

const std::array<QString, 5> TotalTexts = {QStringLiteral("Dauer    [Std]"), QStringLiteral("Strecke  [km]"),
                                           QStringLiteral("Arbeit     [kcal]"), QStringLiteral("D-Alt      [m]"),
                                           QStringLiteral("TSS")};

void Expect(bool holds, const QString& what, QStringList& violations)
{
    if (!holds)
        violations << what;
}

void CheckReports(const std::vector<TFileLoadReport>& reports, int slotsFilled, QStringList& violations)
{
    int nextSlot = TYearStore::FirstYearSlot;
    for (const TFileLoadReport& report : reports) {
        const bool read = report.outcome == TFileLoadReport::TOutcome::Read;
        Expect(read ? report.slot == nextSlot++ : report.slot == 0, QStringLiteral("slot of a file"), violations);
        Expect(!read || report.acceptedRows > 0, QStringLiteral("a read file without rows"), violations);
        Expect(DescribeLoadReport(report, TYearStore::LastYearSlot).isEmpty() == !report.HasFindings(),
               QStringLiteral("pane line and findings disagree"), violations);
    }
    Expect(slotsFilled == nextSlot - 1, QStringLiteral("slots filled"), violations);
}

// Slots past the first empty one were cleared before the load and stay so.
void CheckStore(const TYearStore& store, int slotsFilled, QStringList& violations)
{
    for (int slot = 0; slot < TYearStore::SlotCount; ++slot) {
        const bool shouldHold = slot >= TYearStore::FirstYearSlot && slot <= slotsFilled;
        if (store.IsSlotLoaded(slot) != shouldHold)
            violations << QStringLiteral("slot %1 loaded: %2").arg(slot).arg(store.IsSlotLoaded(slot));
    }
    for (int slot = TYearStore::FirstYearSlot; slot <= slotsFilled; ++slot)
        for (int day = 0; day < TYearStore::DayCount; ++day)
            for (int column = 0; column < TYearStore::ColumnCount; ++column)
                if (!std::isfinite(store.Cell(slot, day, column)))
                    violations << QStringLiteral("cell %1/%2/%3 not finite").arg(slot).arg(day).arg(column);
}

void CheckMetrics(const TStringListItems& metrics, int slotsFilled, QStringList& violations)
{
    if (slotsFilled == 0)
        return;
    const QStringList& items = metrics.Items();
    Expect(items.size() >= 2 && items[items.size() - 2] == QStringLiteral("Power/HR")
               && items.back() == QStringLiteral("Torque [Nm]"),
           QStringLiteral("metric list of a load"), violations);
}

void CheckEvaluation(const TEvaluation& result, int years, QStringList& violations)
{
    Expect(result.yearEntries.size() == years, QStringLiteral("pick list entries"), violations);
    Expect(std::isfinite(result.minPlotted), QStringLiteral("smallest plotted value"), violations);
    for (int s = 0; s < TEvaluation::SeriesCount; ++s) {
        const TSeriesFill& fill = result.series[std::size_t(s)];
        const bool yearSeries = s >= 1 && s <= years;
        if (s > years && !fill.points.empty())
            violations << QStringLiteral("points in series %1 of no year").arg(s);
        if (fill.showInLegend != yearSeries)
            violations << QStringLiteral("legend flag of series %1").arg(s);
        for (const TEvalPoint& point : fill.points)
            if (!std::isfinite(point.y) || point.x < 0.0 || point.x > 367.0)
                violations << QStringLiteral("point (%1, %2) of series %3").arg(point.x).arg(point.y).arg(s);
    }
}

// The entries a mode is tried with: the first two metrics and the derived
// ones of the metric list, or all five totals.
std::vector<int> EntriesOf(int mode, int metricCount)
{
    if (mode == 4 || mode == 5)
        return {0, 1, 2, 3, 4};
    std::vector<int> entries;
    for (int entry : {0, 1, metricCount - 2, metricCount - 1})
        if (entry >= 0 && entry < metricCount && (entries.empty() || entries.back() < entry))
            entries.push_back(entry);
    return entries;
}

TEvaluation Evaluate(const TYearStore& store, TEvalMode routine, int column)
{
    switch (routine) {
    case TEvalMode::Sorted: return EvaluateSorted(store, column);
    case TEvalMode::Cumulative: return EvaluateCumulative(store, column);
    default: return EvaluateDaily(store, column, routine);
    }
}

// Every mode, with its metric chosen as the window's lists would choose it.
void EvaluateAll(const TYearStore& store, const TStringListItems& metrics, QStringList& violations)
{
    const int years = LoadedYearCount(store);
    std::array<int, 5> sumColumns{};
    for (int m = 0; m < TYearStore::SumMetricCount; ++m)
        sumColumns[std::size_t(m)] = store.SumColumn(m);
    for (int mode = 0; mode <= 5; ++mode) {
        const bool cumulative = mode == 4 || mode == 5;
        for (int entry : EntriesOf(mode, metrics.Count())) {
            const TListChoice wahl{cumulative ? 0 : entry, cumulative ? QString() : metrics.At(entry)};
            const TListChoice kum{cumulative ? entry : 0, TotalTexts[std::size_t(cumulative ? entry : 0)]};
            const TEvaluationRequest request = ResolveEvaluation({mode, {}}, wahl, kum, sumColumns, {});
            if (!request.routine) {
                violations << QStringLiteral("mode %1 without routine").arg(mode);
                continue;
            }
            CheckEvaluation(Evaluate(store, *request.routine, request.state.SelectedColumn), years, violations);
        }
    }
}

} // namespace

TYearFilesHarness::TYearFilesHarness()
    : store_(std::make_unique<TYearStore>())
{
}

TYearFilesHarness::~TYearFilesHarness() = default;

std::vector<std::string_view> TYearFilesHarness::SplitIntoFiles(std::string_view input)
{
    std::vector<std::string_view> files;
    while (int(files.size()) < MaxFiles - 1) {
        const std::size_t marker = input.find(FileMarker);
        if (marker == std::string_view::npos)
            break;
        files.push_back(input.substr(0, marker));
        input.remove_prefix(marker + 1);
    }
    files.push_back(input);
    return files;
}

QStringList TYearFilesHarness::Run(std::string_view input)
{
    QStringList violations;
    const TLoad load = Load(input, *store_, violations);
    if (!violations.isEmpty())
        return violations;
    CheckReports(load.reports, load.slotsFilled, violations);
    CheckStore(*store_, load.slotsFilled, violations);
    CheckMetrics(load.metrics, load.slotsFilled, violations);
    EvaluateAll(*store_, load.metrics, violations);
    if (input.find('\r') == std::string_view::npos && input.find('\n') != std::string_view::npos)
        CompareWithReturnLineEnds(input, load, violations);
    return violations;
}

TYearFilesHarness::TLoad TYearFilesHarness::Load(std::string_view input, TYearStore& store, QStringList& violations)
{
    TLoad load;
    store.ClearYearStore();
    TYearFileLoader loader(store, load.metrics);
    loader.BeginLoad();
    for (std::string_view bytes : SplitIntoFiles(input))
        load.reports.push_back(loader.ReadYearText(QStringLiteral("%1.csv").arg(load.reports.size() + 1),
                                                   QByteArrayView(bytes.data(), qsizetype(bytes.size()))));
    load.slotsFilled = loader.SlotsFilled();
    return load;
}

// Files whose lines end in a lone carriage return (old Mac files) must load
// exactly as the same files with line feeds.
void TYearFilesHarness::CompareWithReturnLineEnds(std::string_view input, const TLoad& load, QStringList& violations)
{
    std::string returns(input);
    std::replace(returns.begin(), returns.end(), '\n', '\r');
    if (!mirror_)
        mirror_ = std::make_unique<TYearStore>();
    const TLoad mirrored = Load(returns, *mirror_, violations);
    if (mirrored.reports != load.reports || mirrored.metrics.Items() != load.metrics.Items())
        violations << QStringLiteral("carriage returns load otherwise than line feeds");
    for (int slot = TYearStore::FirstYearSlot; slot <= load.slotsFilled; ++slot)
        for (int day = 0; day < TYearStore::DayCount; ++day)
            for (int column = 0; column < TYearStore::ColumnCount; ++column)
                if (mirror_->Cell(slot, day, column) != store_->Cell(slot, day, column))
                    violations << QStringLiteral("cell %1/%2/%3 differs with carriage returns")
                                      .arg(slot)
                                      .arg(day)
                                      .arg(column);
    for (int metric = 0; metric < TYearStore::SumMetricCount; ++metric)
        if (mirror_->SumColumn(metric) != store_->SumColumn(metric))
            violations << QStringLiteral("total %1 differs with carriage returns").arg(metric);
}
