#pragma once

#include "app/year/evaluation_selection.h"
#include "chart/axes/axis_mapping.h"
#include "chart/panel/hover_layout.h"
#include "chart/series/mouse_input.h"

#include <memory>
#include <optional>

class TArrowKeyFilter;
class TChart;

// The years compared at the day under the pointer: the chart's hover
// marker at that day, with a box listing every shown year's value there.
// Arrow keys move the marked day when the chart has the focus.
class TYearComparisonHover
{
public:
    // Hooks the chart's mouse-move and leave events and its arrow keys; the
    // state is the window's, read at every move.
    TYearComparisonHover(TChart& chart, const TEvaluationState& state);
    // Unhooks the chart, which outlives this.
    ~TYearComparisonHover();

    TYearComparisonHover(const TYearComparisonHover&) = delete;
    TYearComparisonHover& operator=(const TYearComparisonHover&) = delete;

    // A move without a button over the plot marks the day under it.
    void MouseMoved(TShiftState shift, int x, int y);
    // Left (-1) and Right (+1): the marked day moves by one; without one,
    // the day in the middle of the plot is marked first. False when no
    // day can be marked (a mode without days, no plot yet).
    bool StepDay(int step);
    void Hide();

    // The last marked day, also while the marker is hidden.
    std::optional<int> Day() const { return day_; }

private:
    // The mapping of the axis the years are drawn along, as the last paint left it.
    std::optional<TAxisMapping> DayMapping() const;
    void ShowDay(int day, QPoint pointer);

    TChart& chart_;
    std::unique_ptr<TArrowKeyFilter> keyFilter_;
    const TEvaluationState& state_;
    std::optional<int> day_;
    std::optional<QPoint> pointer_;
    // The rows of the day shown, reused while the marker stays up.
    THoverContent shown_;
};
