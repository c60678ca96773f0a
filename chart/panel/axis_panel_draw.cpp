#include "chart/panel/axis_panel.h"

#include "chart/axes/axis_paint.h"
#include "chart/canvas/pixel_math.h"
#include "chart/panel/chart_settings.h"
#include "chart/panel/rubber_band.h"

#include <algorithm>
#include <tuple>
#include <cstdlib>

// The paint sequence of the chart: layout of titles and axes, walls, axes
// and series.

void TCustomAxisPanel::InternalDraw(const TRect& userRect)
{
    TCanvas3D& canvas = *Canvas();
    paintFrame_ = {};
    paintFrame_.Axes.resize(std::size_t(axes_->Count()));
    PaintPanelArea(userRect);
    ForEachActiveSeries([](TChartSeries& s) { s.PrepareForPaint(); });
    PlaceTitlesAndLegend();
    AssignDepthOrders();
    LayOutAxes();
    SetSeriesDepthPositions();
    ApplySeriesMargins();
    canvas.SetProjection(DepthWidth(), PaintBounds(), ChartRect());
    if (canvas.SupportsFullRotation()) {
        const TRect plot = ChartRect();
        SetChartRect(PaintBounds());
        PlaceTitlesAndLegend();
        SetChartRect(plot);
    }
    PaintWalls();
    if (axisVisible_ && DrawAxesBeforeSeries)
        DrawAxes();
    Fire(OnBeforeDrawSeries, *this);
    ForEachActiveSeries([this](TChartSeries& s) { DrawSeries(s); });
    if (axisVisible_ && !DrawAxesBeforeSeries)
        DrawAxes();
    paintFrame_.Bounds = PaintBounds();
    paintFrame_.Plot = ChartRect();
    for (int i = 0; i < axes_->Count(); ++i) {
        TAxisFrame& axis = paintFrame_.Axes[std::size_t(i)];
        TAxisTickList ticks = std::move(axis.Ticks);
        axis = axes_->At(i).Frame();
        axis.Shown = axisVisible_ && AxisShown(axes_->At(i));
        axis.Ticks = std::move(ticks);
    }
    canvas.ResetState();
    Fire(OnAfterDraw, *this);
}

void TCustomAxisPanel::AssignDepthOrders()
{
    highestDepthOrder_ = 0;
    if (!View3D() || !DepthOrdering())
        return;
    highestDepthOrder_ = -1;
    ForEachActiveSeries([](TChartSeries& s) { s.AssignDepthOrder(); });
}

void TCustomAxisPanel::SetSeriesDepthPositions()
{
    const bool ordered = View3D() && DepthOrdering();
    const int depth = SeriesDepthWidth();
    ForEachActiveSeries([&](TChartSeries& s) {
        const int index = ordered ? highestDepthOrder_ - s.DepthOrder() : 0;
        const int start = depth * index;
        const int end = start + depth;
        s.SetDepthPositions(start, (start + end) / 2, end);
    });
}

void TCustomAxisPanel::SettleDepthSizes()
{
    if (!View3D()) {
        SetDepthSizes(0, 0);
        return;
    }
    const bool orthogonal = View3DOptions().Orthogonal();
    const int seriesDepth = RoundPixel(PlotWidth() * Chart3DPercent() * 0.001 * (orthogonal ? 1 : 2));
    const int groups = DepthOrdering() ? std::max(1, highestDepthOrder_ + 1) : 1;
    SetDepthSizes(seriesDepth, seriesDepth * groups);
}

void TCustomAxisPanel::LayOutAxes()
{
    for (const auto& axis : *axes_)
        axis->SettleRange();
    SettleDepthSizes();
    if (View3D() && View3DOptions().Orthogonal()) {
        const int wall = view3DWalls_ ? BackWallThickness() : 0;
        TRect plot = ChartRect();
        plot.Right -= std::abs(DepthWidth()) + wall;
        plot.Top += std::abs(DepthHeight()) + wall;
        SetChartRect(plot);
    }
    UpdatePlotSize();
    // The space an axis takes depends on its labels, and their step on the
    // axis' length, known from the last layout. An axis without one (the
    // chart's first paint) is measured again once it has its length, so
    // that the first picture is laid out as every later one.
    const bool unplaced = std::any_of(axes_->begin(), axes_->end(), [](const auto& a) { return a->Mapping().PixelLength() == 0; });
    const TRect plot = ChartRect();
    for (int pass = unplaced ? 2 : 1; pass > 0; --pass) {
        SetChartRect(ReserveAxesSpace(plot));
        for (const auto& axis : *axes_)
            axis->PlaceOnPlot();
    }
}

TRect TCustomAxisPanel::ReserveAxesSpace(TRect r)
{
    for (int i = 0; i < axes_->Count(); ++i) {
        TCustomChartAxis& axis = axes_->At(i);
        if (!AxisShown(axis))
            continue;
        TRect shrunk = r;
        axis.ReserveAxisSpace(shrunk, i < TChartAxisList::BuiltInCount, WallSize(axis.Side()));
        // An axis that would leave no room takes none.
        if (!IntersectRect(shrunk, r).IsEmpty())
            r = shrunk;
    }
    return r;
}

void TCustomAxisPanel::ApplySeriesMargins()
{
    for (TCustomChartAxis* axis : {TopAxis(), LeftAxis(), RightAxis(), BottomAxis()}) {
        int before = 0; // left or top
        int after = 0;  // right or bottom
        ForEachActiveSeries([&](const TChartSeries& s) {
            if (!s.IsBoundToAxis(axis))
                return;
            int a = 0;
            int b = 0;
            if (axis->Horizontal()) {
                s.HorizontalMargins(a, b);
                if (axis->AutomaticMinimum())
                    before = std::max(before, a);
                if (axis->AutomaticMaximum())
                    after = std::max(after, b);
            } else {
                s.VerticalMargins(a, b);
                if (axis->AutomaticMaximum())
                    before = std::max(before, a);
                if (axis->AutomaticMinimum())
                    after = std::max(after, b);
            }
        });
        // Zero margins leave the range as it is.
        if (before != 0 || after != 0)
            axis->WidenRangeForMargins(before, after);
    }
}

void TCustomAxisPanel::DrawAxes()
{
    Fire(OnBeforeDrawAxes, *this);
    TAxisPaint paint{.Canvas = *Canvas(), .Plot = ChartRect(), .ChartColour = Color(), .Printing = Printing()};
    for (TAxisSide side : {asBottom, asLeft})
        paint.Walls[std::size_t(side)] = WallSize(side);
    for (int i = 0; i < axes_->Count(); ++i)
        if (TCustomChartAxis& axis = axes_->At(i); AxisShown(axis))
            paintFrame_.Axes[std::size_t(i)].Ticks = axis.Draw(paint, true);
}

TSeriesPaint TCustomAxisPanel::SeriesPaint(const TChartSeries& series) const
{
    return {.Canvas = *Canvas(), .Plot = ChartRect(), .HorizAxis = series.BoundHorizAxis(),
            .VertAxis = series.BoundVertAxis(), .ChartColour = Color(), .LegendBackColour = legendBackColour_,
            .TextStyle = LegendTextStyle(), .View3D = View3D()};
}

void TCustomAxisPanel::RestoreWorkingState(const TChartFrame& frame)
{
    RestoreLayout(frame.Bounds, frame.Plot);
    for (int i = 0; i < axes_->Count() && i < int(frame.Axes.size()); ++i)
        if (frame.Axes[std::size_t(i)].Axis == &axes_->At(i))
            axes_->At(i).RestoreFrame(frame.Axes[std::size_t(i)]);
}

const TSeriesFrame* TCustomAxisPanel::ShownFrame(const TChartSeries& series) const
{
    for (const TSeriesFrame& s : lastFrame_.Series)
        if (s.Series == &series)
            return &s;
    return nullptr;
}

const TAxisFrame* TCustomAxisPanel::ShownAxisFrame(const TCustomChartAxis& axis) const
{
    for (const TAxisFrame& a : lastFrame_.Axes)
        if (a.Axis == &axis)
            return &a;
    return nullptr;
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series)
{
    TSeriesPaint paint = SeriesPaint(series);
    std::tie(paint.FirstVisible, paint.LastVisible) = series.VisibleRangeIn(paint.Plot);
    if (paint.FirstVisible == -1) {
        paintFrame_.Series.push_back(series.FrameOf(paint));
        return;
    }
    series.FireBeforeDrawValues();
    // Mapped once, after the event that may still change the points.
    TSeriesFrame frame = series.FrameOf(paint);
    paint.Pixels = &frame.Pixels;
    TCanvas3D& canvas = paint.Canvas;
    const bool clip = clipPoints_ && ClippingAllowed();
    if (clip)
        canvas.ClipToPlot(paint.Plot, 0, DepthWidth());
    series.DrawVisiblePoints(paint);
    if (clip)
        canvas.RemoveClip();
    if (series.Marks().Visible()) {
        // Marks may stand out of the plot unless they are told to clip.
        const bool clipMarks = series.Marks().Clip() && ClippingAllowed();
        if (clipMarks)
            canvas.ClipToPlot(paint.Plot, 0, DepthWidth());
        series.DrawMarks(paint);
        if (clipMarks)
            canvas.RemoveClip();
    }
    paintFrame_.Series.push_back(std::move(frame));
    series.FireAfterDrawValues();
}

void TCustomAxisPanel::DrawZoomRectangle()
{
    // The rectangle lies over the picture (the chart's paint event draws
    // it): only its outline needs a repaint, never the chart.
    update(RubberBandRegion(ZoomRecord()));
}
