// Range, extent and hit test of an axis.
#include "chart/axes/custom_chart_axis.h"

#include "chart/axes/axis_data_range.h"
#include "chart/axes/axis_host.h"
#include "chart/canvas/pixel_math.h"
#include "chart/series/chart_series.h"

#include <algorithm>

namespace {

TAxisDataRange DataRangeOf(const TCustomChartAxis& axis)
{
    const TAxisHost* host = axis.Host();
    if (!host)
        return {};
    const TChartSeriesList& list = host->SeriesList();
    if (axis.IsDepthAxis())
        return DepthAxisDataRange(list, axis.EffectiveLabelStyle() != talValue, host->HighestDepthOrder());
    return AxisDataRange(list, axis, {host->MaxPointsPerPage(), host->Page(), host->ScaleLastPage()});
}

} // namespace

bool TCustomChartAxis::HasDateTimeValues() const
{
    if (!host_ || depth_)
        return false;
    for (const TChartSeries* s : host_->SeriesList())
        if (s->Active() && s->IsBoundToAxis(this))
            return horizontal_ ? s->XValues().DateTime() : s->YValues().DateTime();
    return false;
}

void TCustomChartAxis::SettleRange()
{
    if (automatic_ || automaticMinimum_ || automaticMaximum_) {
        const TAxisDataRange data = DataRangeOf(*this);
        if (automatic_ || automaticMinimum_)
            minimum_ = data.Min;
        if (automatic_ || automaticMaximum_)
            maximum_ = data.Max;
    }
    mapping_.RangeMin = minimum_;
    mapping_.RangeMax = maximum_;
    showsDateTime_ = HasDateTimeValues();
}

void TCustomChartAxis::PlaceOnPlot()
{
    if (!host_)
        return;
    const TRect plot = host_->ChartRect();
    const int origin = horizontal_ ? plot.Left : plot.Top;
    const int extent = horizontal_ ? plot.Width() : plot.Height();
    mapping_.PixelStart = origin + RoundPixel(extent * 0.01 * startPosition_);
    mapping_.PixelEnd = origin + RoundPixel(extent * 0.01 * endPosition_);
}

void TCustomChartAxis::WidenRangeForMargins(int before, int after)
{
    TAxisMapping narrowed = mapping_;
    narrowed.PixelStart = mapping_.PixelStart + before;
    narrowed.PixelEnd = mapping_.PixelEnd - after;
    // Margins that leave no pixel would map everything to 0: keep the range.
    if (narrowed.PixelLength() < 1)
        return;
    const double u = narrowed.PixelToValue(mapping_.PixelStart);
    const double w = narrowed.PixelToValue(mapping_.PixelEnd);
    PlaceOnPlot();
    mapping_.RangeMin = std::min(u, w);
    mapping_.RangeMax = std::max(u, w);
}

void TCustomChartAxis::Scroll(double offset, bool checkLimits)
{
    if (checkLimits) {
        const TAxisDataRange data = DataRangeOf(*this);
        const bool passes = (offset > 0 && data.Max > maximum_) || (offset < 0 && data.Min < minimum_);
        if (!passes)
            return;
    }
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    minimum_ += offset;
    maximum_ += offset;
    Repaint();
}

bool TCustomChartAxis::Clicked(int x, int y) const
{
    TAxisFrame frame = Frame();
    frame.Shown = host_ && host_->AxisShown(*this);
    return AxisFrameClicked(frame, x, y);
}

TAxisFrame TCustomChartAxis::Frame() const
{
    TAxisFrame frame;
    frame.Axis = this;
    frame.Side = Side();
    frame.Mapping = mapping_;
    frame.AxisLinePos = axisLinePos_;
    frame.LabelBandPos = labelBandPos_;
    frame.TitleBandPos = titleBandPos_;
    frame.ShowsDateTime = showsDateTime_;
    return frame;
}

const TAxisFrame* TCustomChartAxis::ShownFrame() const
{
    return host_ ? host_->ShownAxisFrame(*this) : nullptr;
}

const TAxisMapping& TCustomChartAxis::ShownMapping() const
{
    const TAxisFrame* shown = ShownFrame();
    return shown ? shown->Mapping : mapping_;
}

int TCustomChartAxis::AxisLinePos() const
{
    const TAxisFrame* shown = ShownFrame();
    return shown ? shown->AxisLinePos : axisLinePos_;
}

int TCustomChartAxis::LabelBandPos() const
{
    const TAxisFrame* shown = ShownFrame();
    return shown ? shown->LabelBandPos : labelBandPos_;
}

int TCustomChartAxis::TitleBandPos() const
{
    const TAxisFrame* shown = ShownFrame();
    return shown ? shown->TitleBandPos : titleBandPos_;
}

void TCustomChartAxis::RestoreFrame(const TAxisFrame& frame)
{
    mapping_ = frame.Mapping;
    SyncMappingFlags();
    axisLinePos_ = frame.AxisLinePos;
    labelBandPos_ = frame.LabelBandPos;
    titleBandPos_ = frame.TitleBandPos;
    showsDateTime_ = frame.ShowsDateTime;
}
