#include "chart/panel/mouse_frame.h"

#include "chart/axes/chart_axis_list.h"

TChartMouseFrame CalcMouseFrame(const TRect& plot, const TChartAxisList& axes)
{
    TChartMouseFrame frame{plot, {}};
    frame.Axes.reserve(std::size_t(axes.Count()));
    for (const auto& axis : axes)
        frame.Axes.push_back(axis->Mapping());
    return frame;
}

TAxisMapping& FrameMapping(TChartMouseFrame& frame, int index, const TCustomChartAxis& axis)
{
    const auto i = std::size_t(index);
    if (i >= frame.Axes.size())
        frame.Axes.resize(i + 1, axis.Mapping());
    return frame.Axes[i];
}
