#include "chart/panel/axis_limits.h"

#include "chart/axes/custom_chart_axis.h"

TAxisLimits SaveLimits(const TCustomChartAxis& axis)
{
    return {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(), axis.Maximum()};
}

void RestoreLimits(TCustomChartAxis& axis, const TAxisLimits& limits)
{
    if (!limits.Automatic)
        axis.FixRange(limits.Minimum, limits.Maximum);
    axis.SetAutomatic(limits.Automatic);
    axis.SetAutomaticMinimum(limits.AutomaticMinimum);
    axis.SetAutomaticMaximum(limits.AutomaticMaximum);
}
