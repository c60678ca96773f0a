#include "app/view/year_view.h"

#include "app/view/year_chart.h"
#include "app/view/year_comparison_hover.h"
#include "app/year/string_items.h"
#include "app/year/year_file_loader.h"
#include "chart/panel/chart.h"

#include <algorithm>

TYearView::TYearView(TChart& chart, TStringItems& metricItems)
    : chart_(chart),
      metricItems_(metricItems),
      loader_(std::make_unique<TYearFileLoader>(store_, metricItems)),
      hover_(std::make_unique<TYearComparisonHover>(chart, evaluation_))
{
    YearChart::Configure(chart_);
    // The goal line's legend entry names the goal.
    chart_.OnGetLegendText = [this](TCustomChart&, TLegendStyle, int, QString& text) {
        if (evaluation_.Goal && text == YearChart::GoalTitle())
            text = YearChart::GoalLegendText(evaluation_.Goal->Goal, evaluation_.UnitText);
    };
}

TYearView::~TYearView() = default;

void TYearView::BeginLoad()
{
    loader_->BeginLoad();
    store_.ClearYearStore();
    seasons_.Seasons.clear();
    seasonYears_.reset();
    drawnYears_.Reset({});
    lastEvaluation_.reset();
}

TFileLoadReport TYearView::ReadYearFile(const QString& path)
{
    return loader_->ReadYearFile(path);
}

TFileLoadReport TYearView::ReadYearText(const QString& name, QByteArrayView text)
{
    return loader_->ReadYearText(name, text);
}

void TYearView::FinishLoad()
{
    CutSeasons(seasons_.Start);
}

void TYearView::SetSeasonStart(const TSeasonStart& start)
{
    if (start == seasons_.Start)
        return;
    seasonYears_.reset(); // they named seasons of the other start
    CutSeasons(start);
    // The rows are other seasons now: a refill before the next evaluation
    // has nothing to refill.
    lastEvaluation_.reset();
}

void TYearView::CutSeasons(const TSeasonStart& start)
{
    seasons_ = ::CutSeasons(store_, start, seasonYears_);
    std::vector<int> years;
    for (const TSeason& season : seasons_.Seasons)
        years.push_back(season.FirstYear());
    drawnYears_.Reset(years);
}

std::vector<TFileLoadReport> TYearView::LoadFiles(const QStringList& paths)
{
    BeginLoad();
    std::vector<TFileLoadReport> reports;
    for (const QString& path : paths)
        reports.push_back(ReadYearFile(path));
    FinishLoad();
    return reports;
}

QString TYearView::Select(int mode, int metric)
{
    if (!IsEvalMode(mode))
        return QStringLiteral("mode %1 is not in the mode list").arg(mode);
    const bool totals = MetricListOf(mode) == TMetricList::Kum;
    const QStringList metrics = totals ? TotalsListEntries() : metricItems_.ToStringList();
    if (metric < 0 || metric >= metrics.size())
        return QStringLiteral("metric %1 is not in the list of %2 metrics").arg(metric).arg(metrics.size());
    const TListChoice chosen{metric, metrics[metric]};
    const TListChoice none;
    Apply(ResolveEvaluation({mode, {}}, totals ? none : chosen, totals ? chosen : none, SumColumns(), evaluation_));
    return {};
}

std::array<int, TYearStore::SumMetricCount> TYearView::SumColumns() const
{
    std::array<int, TYearStore::SumMetricCount> columns{};
    for (int i = 0; i < TYearStore::SumMetricCount; ++i)
        columns[std::size_t(i)] = store_.SumColumn(i);
    return columns;
}

const TEvaluation* TYearView::Apply(const TEvaluationRequest& request)
{
    evaluation_ = request.state;
    if (request.chartTitle)
        chart_.Title().SetText({*request.chartTitle});
    if (request.leftAxisTitle)
        chart_.LeftAxis()->Title().SetCaption(*request.leftAxisTitle);
    chart_.BottomAxis()->Title().SetCaption(request.bottomAxisTitle);
    if (!request.routine)
        return nullptr;
    RunEvaluation(*request.routine);
    return &*lastEvaluation_;
}

void TYearView::RunEvaluation(TEvalMode mode)
{
    const int column = evaluation_.SelectedColumn;
    const QDate today = Today();
    const TSeasonDate date{today.year(), DayOfYear(today.year(), today.month(), today.day())};
    lastEvaluation_ = EvaluateSeasons(store_, seasons_, column, mode, date);
    YearChart::PrepareSeries(chart_);
    YearChart::Fill(chart_, *lastEvaluation_, drawnYears_);
    MapLastDataDays();
    DrawGoal();
    if (lastEvaluation_->tightenLeftAxis)
        YearChart::TightenLeftAxis(chart_, lastEvaluation_->minPlotted);
}

// The hover and the comparison read a year's last data day by its series.
void TYearView::MapLastDataDays()
{
    evaluation_.LastDataDay.fill(0);
    evaluation_.MonthStarts.fill({});
    if (!lastEvaluation_)
        return;
    const auto rows = drawnYears_.RowsByColour();
    for (std::size_t i = 0; i < rows.size() && i + 1 < evaluation_.LastDataDay.size(); ++i) {
        const std::size_t fill = std::size_t(rows[i]) + 1;
        if (rows[i] >= 0 && fill < lastEvaluation_->series.size()) {
            evaluation_.LastDataDay[i + 1] = lastEvaluation_->lastDataDay[fill];
            evaluation_.MonthStarts[i + 1] = lastEvaluation_->series[fill].monthStarts;
        }
    }
}

void TYearView::RefillYears()
{
    if (!lastEvaluation_)
        return;
    YearChart::FillYears(chart_, *lastEvaluation_, drawnYears_);
    MapLastDataDays();
    DrawGoal();
}

void TYearView::SetGoal(std::optional<double> goal)
{
    goal_ = goal;
}

void TYearView::DrawGoal()
{
    evaluation_.Goal.reset();
    evaluation_.Pace.fill(std::nullopt);
    const bool runningTotal = evaluation_.EvalMode == int(TEvalMode::Cumulative);
    if (goal_ && runningTotal && lastEvaluation_) {
        // The goal line runs over the newest drawn season; a season not
        // over yet gets its pace.
        const auto rows = drawnYears_.RowsByColour();
        int newest = 0;
        int newestDays = 0;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::size_t fillIndex = std::size_t(rows[i]) + 1;
            if (rows[i] < 0 || fillIndex >= lastEvaluation_->series.size())
                continue;
            const TSeriesFill& fill = lastEvaluation_->series[fillIndex];
            if (const int year = drawnYears_.Year(rows[i]); year >= newest) {
                newest = year;
                newestDays = fill.days;
            }
            const int lastDay = evaluation_.LastDataDay[i + 1];
            if (fill.running && lastDay > 0 && !fill.points.empty())
                evaluation_.Pace[i + 1] = TYearPace{lastDay, fill.points.back().y, fill.days};
        }
        if (newestDays > 0)
            evaluation_.Goal = TYearGoal{*goal_, newestDays};
    }
    YearChart::FillGoal(chart_, evaluation_);
}

TDrawnYears::TToggle TYearView::ToggleYear(int row)
{
    const TDrawnYears::TToggle result = drawnYears_.Toggle(row);
    if (result == TDrawnYears::TToggle::Shown || result == TDrawnYears::TToggle::Hidden)
        RefillYears();
    return result;
}

void TYearView::HideYears(const std::vector<int>& years)
{
    drawnYears_.HideYears(years);
    RefillYears();
}

std::optional<TYearComparison> TYearView::CompareAt(int day) const
{
    return CompareYearsAt(YearSeriesOf(chart_), evaluation_, day);
}
