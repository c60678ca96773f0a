#include "chart/panel/custom_chart.h"

#include "chart/panel/mouse_settings.h"

// Zooming into a dragged rectangle, undoing it, and panning: all of them
// fix axis limits, and the scales from before the first of them are kept
// so that undoing can return to them.

namespace {

// Index of the built-in axes in the axes list, for the last paint's mappings.
constexpr int BottomIndex = 0;
constexpr int TopIndex = 1;
constexpr int LeftIndex = 2;
constexpr int RightIndex = 3;

} // namespace

void TCustomChart::SaveAxisLimits()
{
    savedLimits_ = {SaveLimits(*TopAxis()), SaveLimits(*LeftAxis()), SaveLimits(*RightAxis()),
                    SaveLimits(*BottomAxis())};
}

void TCustomChart::RestoreAxisLimits()
{
    RestoreLimits(*TopAxis(), savedLimits_.Top);
    RestoreLimits(*LeftAxis(), savedLimits_.Left);
    RestoreLimits(*RightAxis(), savedLimits_.Right);
    RestoreLimits(*BottomAxis(), savedLimits_.Bottom);
}

// Only the first zoom, pan or wheel turn after an undo saves: later ones must not
// overwrite the scales an undo returns to.
void TCustomChart::SaveAxisLimitsOnce()
{
    if (!restoredScales_)
        return;
    SaveAxisLimits();
    restoredScales_ = false;
}

void TCustomChart::ZoomToDragRect()
{
    TZoomPanningRecord& zoom = ZoomRecord();
    zoom.Check();
    const auto value = [this](int index, TCustomChartAxis& axis, int pixel) {
        return FrameMapping(WindowFrame(), index, axis).PixelToValue(pixel);
    };
    TZoomRanges ranges;
    ranges.TopMin = value(TopIndex, *TopAxis(), zoom.X0);
    ranges.TopMax = value(TopIndex, *TopAxis(), zoom.X1);
    ranges.BottomMin = value(BottomIndex, *BottomAxis(), zoom.X0);
    ranges.BottomMax = value(BottomIndex, *BottomAxis(), zoom.X1);
    // The lower edge holds the smaller value on a normal vertical axis.
    ranges.LeftMin = value(LeftIndex, *LeftAxis(), zoom.Y1);
    ranges.LeftMax = value(LeftIndex, *LeftAxis(), zoom.Y0);
    ranges.RightMin = value(RightIndex, *RightAxis(), zoom.Y1);
    ranges.RightMax = value(RightIndex, *RightAxis(), zoom.Y0);
    ApplyZoom(ranges);
}

void TCustomChart::ApplyZoom(const TZoomRanges& ranges)
{
    SaveAxisLimitsOnce();
    struct TTarget
    {
        TCustomChartAxis& Axis;
        double Min;
        double Max;
    };
    const TTarget targets[] = {{*LeftAxis(), ranges.LeftMin, ranges.LeftMax},
                               {*RightAxis(), ranges.RightMin, ranges.RightMax},
                               {*TopAxis(), ranges.TopMin, ranges.TopMax},
                               {*BottomAxis(), ranges.BottomMin, ranges.BottomMax}};
    if (AnimatedZoom()) {
        // Each step covers a share of the remaining distance and is shown
        // before the next.
        for (int step = 1; step < AnimatedZoomSteps(); ++step) {
            for (const TTarget& t : targets) {
                const double min = t.Axis.Minimum();
                const double max = t.Axis.Maximum();
                t.Axis.FixRange(min + (t.Min - min) / ZoomStepShare, max - (max - t.Max) / ZoomStepShare);
            }
            Repaint();
        }
    }
    for (const TTarget& t : targets)
        t.Axis.FixRange(t.Min, t.Max);
    SetZoomed(true);
    Fire(OnZoom, *this);
}

void TCustomChart::UndoZoom()
{
    if (!restoredScales_)
        RestoreAxisLimits();
    restoredScales_ = true;
    TCustomChartPanelExtended::UndoZoom();
}

void TCustomChart::PanTo(int x, int y)
{
    TZoomPanningRecord& pan = PanningRecord();
    if (!LastFrame().Plot.Contains({x, y})) {
        pan.Active = false;
        return;
    }
    if (x == pan.X1 && y == pan.Y1)
        return;
    SaveAxisLimitsOnce();
    // Each step pans from the last mouse position, never from a reordered
    // corner of the record: the values under the mouse follow the mouse in
    // every direction, and returning to the start returns to the start.
    bool moved = PanAxes(pmHorizontal, pan.X1, x);
    moved = PanAxes(pmVertical, pan.Y1, y) || moved;
    pan.X1 = x;
    pan.Y1 = y;
    if (moved) {
        Fire(OnScroll, *this);
        Invalidate();
    }
}

bool TCustomChart::PanAxes(TPanningMode mode, int from, int to)
{
    if (from == to || (AllowPanning() != mode && AllowPanning() != pmBoth))
        return false;
    const bool horizontal = mode == pmHorizontal;
    for (int i = 0; i < Axes().Count(); ++i) {
        TCustomChartAxis& axis = Axes().At(i);
        if (axis.IsDepthAxis() || axis.Horizontal() != horizontal)
            continue;
        TAxisMapping& mapping = FrameMapping(WindowFrame(), i, axis);
        const double shift = mapping.PixelToValue(from) - mapping.PixelToValue(to);
        double min = axis.Minimum() + shift;
        double max = axis.Maximum() + shift;
        bool allow = true;
        Fire(OnAllowScroll, axis, min, max, allow);
        if (!allow)
            continue;
        axis.FixRange(min, max);
        // Fixed limits are what the next paint maps: the next step measures
        // against them even before that paint.
        mapping.RangeMin = axis.Minimum();
        mapping.RangeMax = axis.Maximum();
    }
    return true;
}
