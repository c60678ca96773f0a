#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"

#include <functional>

// The gradient that can fill the chart's background instead of its colour.
// Hidden by default. Every effective change calls OnChange (the owning
// chart repaints).
class TChartGradient : private TPropertyOwner<TChartGradient>
{
public:
    explicit TChartGradient(std::function<void()> onChange = {}) : OnChange(std::move(onChange)) {}
    TChartGradient(const TChartGradient&) = delete;
    TChartGradient& operator=(const TChartGradient&) = delete;

    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection v) { SetProperty(direction_, v); }
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor v) { SetProperty(startColor_, v); }
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor v) { SetProperty(endColor_, v); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { SetProperty(visible_, v); }

    // Copies every setting; notifies once when anything changed.
    void Assign(const TChartGradient& other)
    {
        bool changed = AssignIfChanged(direction_, other.direction_);
        changed |= AssignIfChanged(startColor_, other.startColor_);
        changed |= AssignIfChanged(endColor_, other.endColor_);
        changed |= AssignIfChanged(visible_, other.visible_);
        if (changed)
            Changed();
    }

    std::function<void()> OnChange;

private:
    friend class TPropertyOwner<TChartGradient>;
    void Changed() const
    {
        if (OnChange)
            OnChange();
    }

    TGradientDirection direction_ = gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    bool visible_ = false;
};
