#include "chart/panel/chart_frame.h"

#include "chart/axes/custom_chart_axis.h"
#include "chart/series/chart_series.h"

#include <algorithm>

namespace {

TChartClickedPart SeriesPartAt(const TChartFrame& frame, int x, int y)
{
    // The last series is drawn on top: it answers first.
    for (auto s = frame.Series.rbegin(); s != frame.Series.rend(); ++s) {
        // A series hidden since the paint answers no click.
        if (!s->Series->Active())
            continue;
        const int index = s->Series->PointAtIn(*s, x, y);
        if (index != -1)
            return {cpSeries, index, s->Series, nullptr};
    }
    return {};
}

} // namespace

TChartClickedPart ClickedPartAt(const TChartFrame& frame, int x, int y)
{
    if (const TChartClickedPart series = SeriesPartAt(frame, x, y); series.Part != cpNone)
        return series;
    for (const TAxisFrame& axis : frame.Axes)
        if (AxisFrameClicked(axis, x, y))
            return {cpAxis, -1, nullptr, const_cast<TCustomChartAxis*>(axis.Axis)};
    if (frame.TitleShown && frame.TitleBox.Contains({x, y}))
        return {cpTitle};
    if (frame.FootShown && frame.FootBox.Contains({x, y}))
        return {cpFoot};
    const bool anyActive
        = std::any_of(frame.Series.begin(), frame.Series.end(), [](const TSeriesFrame& s) { return s.Series->Active(); });
    if (anyActive && frame.Plot.Contains({x, y}))
        return {cpChartRect};
    if (frame.LegendShown) {
        const int item = LegendSlotAt(frame.Legend, x, y);
        if (item != -1)
            return {cpLegend, item};
    }
    return {};
}

TAxisMapping& FrameMapping(TChartFrame& frame, int index, const TCustomChartAxis& axis)
{
    const auto i = std::size_t(index);
    if (i >= frame.Axes.size())
        frame.Axes.resize(i + 1, axis.Frame());
    return frame.Axes[i].Mapping;
}
