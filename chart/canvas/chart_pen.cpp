#include "chart/canvas/chart_pen.h"

#include <utility>

TChartPen::TChartPen(std::function<void()> onChange)
    : TChartPen(TDefaults{}, std::move(onChange))
{
}

TChartPen::TChartPen(const TDefaults& defaults, std::function<void()> onChange)
    : OnChange(std::move(onChange)),
      color_(defaults.Color),
      width_(defaults.Width),
      style_(defaults.Style),
      visible_(defaults.Visible)
{
}

void TChartPen::Assign(const TChartPen& other)
{
    if (&other == this)
        return;
    bool changed = AssignIfChanged(color_, other.color_);
    changed |= AssignIfChanged(width_, other.width_);
    changed |= AssignIfChanged(style_, other.style_);
    changed |= AssignIfChanged(mode_, other.mode_);
    changed |= AssignIfChanged(visible_, other.visible_);
    changed |= AssignIfChanged(smallDots_, other.smallDots_);
    if (changed)
        Changed();
}

void TChartPen::Changed() const
{
    if (OnChange)
        OnChange();
}

TChartHiddenPen::TChartHiddenPen(std::function<void()> onChange)
    : TChartPen(TDefaults{.Visible = false}, std::move(onChange))
{
}

TDottedGrayPen::TDottedGrayPen(std::function<void()> onChange)
    : TChartPen(TDefaults{.Color = clGray, .Style = psDot}, std::move(onChange))
{
}

TDarkGrayPen::TDarkGrayPen(std::function<void()> onChange)
    : TChartPen(TDefaults{.Color = clGray}, std::move(onChange))
{
}

TChartAxisPen::TChartAxisPen(std::function<void()> onChange)
    : TChartPen(TDefaults{.Width = 2}, std::move(onChange))
{
}

TChartArrowPen::TChartArrowPen(std::function<void()> onChange)
    : TChartPen(TDefaults{.Color = clWhite}, std::move(onChange))
{
}
