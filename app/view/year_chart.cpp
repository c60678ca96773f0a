#include "app/view/year_chart.h"

#include "app/view/drawn_years.h"
#include "app/year/year_evaluation.h"
#include "chart/panel/chart.h"
#include "chart/series/line_series.h"
#include "chart/series/point_series.h"

#include <QCoreApplication>

#include <array>

namespace YearChart {
namespace {

// Colours of the year series as the window is designed; every evaluation
// gives them the colours of the years they draw.
constexpr std::array<TColor, 8> DesignColours = {clRed, clGreen, clYellow, clBlue, clWhite, clFuchsia, clTeal, clNavy};

void ConfigureSeriesLists(TChartSeries& series, int index)
{
    series.SetName(QStringLiteral("Series%1").arg(index + 1));
    series.XValues().SetName(QStringLiteral("X"));
    series.XValues().SetOrder(loAscending);
    series.YValues().SetName(QStringLiteral("Y"));
    series.YValues().SetOrder(loNone);
    series.Marks().SetVisible(false);
}

void AddLabelSeries(TChart& chart)
{
    auto& line = chart.AddSeries(std::make_unique<TLineSeries>());
    line.SetSeriesColor(clBlack);
    line.SetDark3D(false);
    line.Marks().SetArrowLength(8);
    TSeriesPointer& pointer = line.Pointer();
    pointer.SetStyle(psRectangle);
    pointer.SetHorizSize(2);
    pointer.SetVertSize(2);
    pointer.SetVisible(false);
    pointer.SetInflateMargins(true);
    ConfigureSeriesLists(line, 0);
}

void AddYearSeries(TChart& chart, int index)
{
    auto& points = chart.AddSeries(std::make_unique<TPointSeries>());
    points.SetSeriesColor(DesignColours[std::size_t(index)]);
    points.Marks().SetArrowLength(0);
    TSeriesPointer& pointer = points.Pointer();
    pointer.SetStyle(psRectangle);
    pointer.SetHorizSize(3);
    pointer.SetVertSize(3);
    pointer.SetVisible(true);
    // The first year series is designed with a red marker brush and without margins.
    pointer.SetInflateMargins(index != 0);
    if (index == 0)
        pointer.Brush().SetColor(clRed);
    ConfigureSeriesLists(points, index + 1);
}

// Drawn in colours and dashes no year uses: the years' series are points.
void AddGoalSeries(TChart& chart)
{
    auto& goal = chart.AddSeries(std::make_unique<TLineSeries>());
    goal.SetSeriesColor(clPurple);
    goal.LinePen().SetWidth(2);
    goal.LinePen().SetStyle(psDash);
    goal.SetTitle(GoalTitle());
    ConfigureSeriesLists(goal, GoalSeries);
    for (int i = 0; i < MaxDrawnYears; ++i) {
        auto& projection = chart.AddSeries(std::make_unique<TLineSeries>());
        projection.LinePen().SetStyle(psDot);
        projection.LinePen().SetWidth(2);
        ConfigureSeriesLists(projection, FirstProjectionSeries + i);
    }
}

void ConfigureAxes(TChart& chart)
{
    TChartAxis& bottom = *chart.BottomAxis();
    bottom.SetLabelStyle(talText);
    bottom.SetLabelsMultiLine(true);
    bottom.SetLabelsSeparation(0);
    bottom.SetRoundFirstLabel(false);
    bottom.SetDateTimeFormat(QStringLiteral("dd.MM.yyyy"));
    bottom.Grid().SetColor(clBlack);

    TChartAxis& left = *chart.LeftAxis();
    left.SetLabelsSeparation(2);
    left.SetExactDateTime(false);
    left.Grid().SetColor(clBlack);

    chart.TopAxis()->SetVisible(false);
    chart.RightAxis()->SetVisible(false);
}

// The years are named below the plot, on the chart's gray, with wider
// symbols than the default and no shadow.
void ConfigureLegend(TChart& chart)
{
    TChartLegend& legend = *chart.Legend();
    legend.SetAlignment(laBottom);
    legend.SetColor(clGray);
    legend.SetColorWidth(20);
    legend.SetShadowSize(0);
    legend.SetTopPos(6);
}

// Each drawn year into the cleared year series of its colour. The first
// series draws its markers with a red brush whatever its colour: the colour
// and the series belong together.
void PutYears(TChart& chart, const TEvaluation& evaluation, const TDrawnYears& drawn)
{
    const auto rows = drawn.RowsByColour();
    for (std::size_t i = 0; i < rows.size() && int(i) + 1 < SeriesCount; ++i) {
        const std::size_t slot = std::size_t(rows[i] + 1);
        if (rows[i] < 0 || slot >= evaluation.series.size())
            continue;
        TChartSeries& series = chart.SeriesAt(int(i) + 1);
        const TSeriesFill& fill = evaluation.series[slot];
        series.SetSeriesColor(drawn.Colour(rows[i]));
        for (const TEvalPoint& point : fill.points)
            series.AddPoint(point.x, point.y, point.label, clDefault);
        if (fill.showInLegend) {
            series.SetTitle(fill.title);
            series.SetShowInLegend(true);
        }
    }
}

} // namespace

void Configure(TChart& chart)
{
    chart.SetView3D(false);
    chart.SetColor(clGray);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(bsClear);
    chart.Title().SetText({QStringLiteral("TChart")});
    ConfigureAxes(chart);
    ConfigureLegend(chart);
    AddLabelSeries(chart);
    for (int i = 0; i < SeriesCount - 1; ++i)
        AddYearSeries(chart, i);
    AddGoalSeries(chart);
}

QString GoalTitle()
{
    return QCoreApplication::translate("YearChart", "Ziel");
}

void PrepareSeries(TChart& chart)
{
    chart.setFocus();
    // A pan or a wheel turn saves the scales without counting as a zoom;
    // left saved, they would bring the old evaluation's limits back at the
    // next undo.
    if (chart.Zoomed() || chart.ScalesSaved())
        chart.UndoZoom();
    for (std::size_t i = 0; i < TDrawnYears::Palette.size(); ++i)
        chart.SeriesAt(int(i) + 1).SetSeriesColor(TDrawnYears::Palette[i]);

    TChartAxis& top = *chart.TopAxis();
    TChartAxis& bottom = *chart.BottomAxis();
    top.SetMaximum(200000);
    bottom.SetMaximum(200000);
    chart.LeftAxis()->SetAutomatic(true);
    top.SetAutomatic(true);
    top.SetMinimum(1);
    bottom.SetAutomatic(true);
    bottom.SetMinimum(1);

    for (int i = 0; i < AllSeriesCount; ++i)
        chart.SeriesAt(i).ClearPoints();
    for (int i = 1; i < AllSeriesCount; ++i)
        chart.SeriesAt(i).SetHorizAxis(aTopAxis);
    for (int i = 0; i < AllSeriesCount; ++i)
        chart.SeriesAt(i).SetShowInLegend(false);
}

void Fill(TChart& chart, const TEvaluation& evaluation, const TDrawnYears& drawn)
{
    TChartSeries& labels = chart.SeriesAt(0);
    for (const TEvalPoint& point : evaluation.series[0].points)
        labels.AddPoint(point.x, point.y, point.label, clDefault);
    PutYears(chart, evaluation, drawn);
    if (const auto& days = evaluation.dayRange) {
        // The years on the top axis, their month names on the bottom one: in
        // one fixed range every day sits under its month, and zoom, pan and
        // undo, which treat both axes alike, keep it there.
        chart.TopAxis()->FixRange(days->first, days->last);
        chart.BottomAxis()->FixRange(days->first, days->last);
    }
}

void FillYears(TChart& chart, const TEvaluation& evaluation, const TDrawnYears& drawn)
{
    for (int i = 1; i < SeriesCount; ++i) {
        chart.SeriesAt(i).ClearPoints();
        chart.SeriesAt(i).SetShowInLegend(false);
    }
    PutYears(chart, evaluation, drawn);
}

QString GoalLegendText(double goal, const QString& unitText)
{
    QString unit = unitText.trimmed();
    unit.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    const QString text = GoalTitle() + QLatin1Char(' ') + GoalText(goal);
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

void FillGoal(TChart& chart, const TEvaluationState& state)
{
    TChartSeries& goal = chart.SeriesAt(GoalSeries);
    goal.ClearPoints();
    goal.SetShowInLegend(state.Goal.has_value());
    if (state.Goal) {
        goal.AddPoint(1, 0, {}, clDefault);
        goal.AddPoint(state.Goal->LastDay, state.Goal->Goal, {}, clDefault);
    }
    for (int i = 0; i < MaxDrawnYears; ++i) {
        TChartSeries& projection = chart.SeriesAt(FirstProjectionSeries + i);
        projection.ClearPoints();
        const TChartSeries& year = chart.SeriesAt(i + 1);
        const std::optional<TYearPace>& pace = state.Pace[std::size_t(i) + 1];
        const std::optional<double> projected = pace ? pace->ProjectedTotal() : std::nullopt;
        if (!state.Goal || !projected)
            continue;
        projection.SetSeriesColor(year.SeriesColor());
        projection.SetTitle(QCoreApplication::translate("YearChart", "Prognose %1").arg(year.Title()));
        projection.AddPoint(pace->LastRowDay, pace->Total, {}, clDefault);
        projection.AddPoint(pace->DaysOfYear, *projected, {}, clDefault);
    }
}

void TightenLeftAxis(TChart& chart, float minPlotted)
{
    TChartAxis& left = *chart.LeftAxis();
    // The automatic range as the next paint would settle it: a paint just to
    // read it would draw the whole chart once more for every list change.
    left.SettleRange();
    left.SetMaximum(left.Maximum() * 1.01);
    if (double(minPlotted) < left.Maximum()) {
        left.SetMinimum(double(minPlotted) * 0.99);
        left.SetAutomatic(false);
    }
}

} // namespace YearChart
