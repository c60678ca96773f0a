#include "app/view/year_comparison_hover.h"

#include "app/view/arrow_key_filter.h"
#include "app/view/handler_guard.h"
#include "app/view/year_chart.h"
#include "app/view/year_comparison.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {

constexpr int FirstDay = 1;
constexpr int LastDay = 366;

THoverContent ContentOf(const TYearComparison& comparison)
{
    THoverContent content;
    content.Heading = QCoreApplication::translate("YearComparisonHover", "Tag %1").arg(comparison.Day);
    for (const TComparisonRow& row : comparison.Rows) {
        content.Rows.push_back({row.Colour, {row.Year, row.ValueText, row.DifferenceText}});
        // A year not over yet: where it heads, and what the goal asks of it.
        if (!row.ProjectionText.isEmpty())
            content.Rows.push_back({clNone, {QCoreApplication::translate("YearComparisonHover", "  Prognose"), row.ProjectionText}});
        for (const QString& line : {row.GoalText, row.NeededText})
            if (!line.isEmpty())
                content.Rows.push_back({clNone, {QStringLiteral("  ") + line}});
    }
    if (!comparison.GoalLineText.isEmpty())
        content.Rows.push_back({clNone, {YearChart::GoalTitle(), comparison.GoalLineText}});
    return content;
}

} // namespace

TYearComparisonHover::TYearComparisonHover(TChart& chart, const TEvaluationState& state)
    : chart_(chart), state_(state)
{
    chart_.OnMouseMove = [this](TCustomChartPanel&, TShiftState shift, int x, int y) { MouseMoved(shift, x, y); };
    chart_.OnMouseLeave = [this](TCustomChartPanel&) { pointer_.reset(); };
    // The arrow keys need the focus: a click or Tab gives it to the chart.
    chart_.setFocusPolicy(Qt::StrongFocus);
    // Qt's event delivery must not unwind: a failure is shown and leaves the key unused.
    keyFilter_ = std::make_unique<TArrowKeyFilter>(&chart_, [this](int step) noexcept {
        try {
            return StepDay(step);
        } catch (...) {
            ReportHandlerError(std::current_exception());
            return false;
        }
    });
}

TYearComparisonHover::~TYearComparisonHover()
{
    chart_.OnMouseMove = nullptr;
    chart_.OnMouseLeave = nullptr;
}

std::optional<TAxisMapping> TYearComparisonHover::DayMapping() const
{
    // The years are drawn along the top axis while the bottom one carries
    // the month labels; their ranges differ a little, and the marked day
    // must be the one of the points under the line.
    const TChartFrame& frame = chart_.LastFrame();
    const TSeriesAxis* axis = chart_.SeriesTotal() > 1 ? chart_.SeriesAt(1).BoundHorizAxis() : nullptr;
    int index = 0;
    for (const auto& candidate : chart_.Axes()) {
        if (axis != nullptr && static_cast<const TSeriesAxis*>(candidate.get()) == axis)
            break;
        ++index;
    }
    if (axis == nullptr || index >= int(frame.Axes.size()))
        index = 0; // the bottom axis
    if (frame.Axes.empty() || frame.Plot.Right <= frame.Plot.Left)
        return std::nullopt;
    const TAxisMapping& mapping = frame.Axes[std::size_t(index)].Mapping;
    if (mapping.PixelLength() <= 0 || !(mapping.RangeSpan() > 0))
        return std::nullopt;
    return mapping;
}

void TYearComparisonHover::MouseMoved(TShiftState shift, int x, int y)
{
    pointer_ = QPoint(x, y);
    const bool button = (shift & (ssLeft | ssRight | ssMiddle)) != 0;
    const std::optional<TAxisMapping> mapping = DayMapping();
    if (button || !ComparesDays(state_.EvalMode) || !mapping || !chart_.LastFrame().Plot.Contains({x, y})) {
        Hide();
        return;
    }
    // Halves to even, as every value-to-pixel rounding. The plot's margins
    // lie before the first day and after the last: they mark the nearest
    // day, as long as that day is in view.
    const double value = std::nearbyint(mapping->PixelToValue(x));
    if (!std::isfinite(value)) {
        Hide();
        return;
    }
    const int day = int(std::clamp(value, double(FirstDay), double(LastDay)));
    const TRect& plot = chart_.LastFrame().Plot;
    const int lineX = mapping->ValueToPixel(day);
    if (lineX < plot.Left || lineX > plot.Right) {
        Hide();
        return;
    }
    ShowDay(day, {x, y});
}

bool TYearComparisonHover::StepDay(int step)
{
    const std::optional<TAxisMapping> mapping = DayMapping();
    if (!ComparesDays(state_.EvalMode) || !mapping)
        return false;
    // The days the plot shows, zoomed or not.
    const double low = std::min(mapping->RangeMin, mapping->RangeMax);
    const double high = std::max(mapping->RangeMin, mapping->RangeMax);
    const int first = std::max(FirstDay, int(std::ceil(low)));
    const int last = std::min(LastDay, int(std::floor(high)));
    if (first > last)
        return false;
    const int from = day_ ? *day_ + step : int(std::nearbyint((low + high) / 2));
    const TRect& plot = chart_.LastFrame().Plot;
    const QPoint pointer = pointer_.value_or(QPoint(0, (plot.Top + plot.Bottom) / 2));
    ShowDay(std::clamp(from, first, last), pointer);
    return true;
}

void TYearComparisonHover::ShowDay(int day, QPoint pointer)
{
    const std::optional<TAxisMapping> mapping = DayMapping();
    const TRect& plot = chart_.LastFrame().Plot;
    const int lineX = mapping ? mapping->ValueToPixel(day) : pointer.x();
    THoverOverlay& overlay = chart_.HoverOverlay();
    if (!overlay.Visible() || day_ != day) {
        const std::optional<TYearComparison> comparison = CompareYearsAt(YearSeriesOf(chart_), state_, day, QLocale());
        if (!comparison) {
            Hide();
            return;
        }
        shown_ = ContentOf(*comparison);
    }
    day_ = day;
    shown_.LineX = std::clamp(lineX, plot.Left, plot.Right);
    shown_.LineTop = plot.Top;
    shown_.LineBottom = plot.Bottom;
    // A marker moved by the keyboard keeps clear of the line, not of a pointer elsewhere.
    shown_.Pointer = QPoint(shown_.LineX, std::clamp(pointer.y(), plot.Top, plot.Bottom));
    overlay.Show(shown_);
}

void TYearComparisonHover::Hide()
{
    chart_.HoverOverlay().Hide();
}
