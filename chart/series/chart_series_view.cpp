// The series as the chart and its axes see it: membership, axis binding,
// value <-> pixel mapping, the visible range, drawing hooks, clicks, depth.

#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"

#include <algorithm>
#include <tuple>

void TChartSeries::SetParentChart(TSeriesHost* chart)
{
    if (chart == parentChart_)
        return;
    // Cleared before the old chart is told, so that a call back from it
    // (clearing the parent) finds nothing left to do.
    TSeriesHost* old = std::exchange(parentChart_, nullptr);
    if (old)
        old->RemoveSeries(*this);
    parentChart_ = chart;
    ResolveAxes();
    if (chart)
        chart->AddSeries(*this);
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (!AssignIfChanged(horizAxis_, value))
        return;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (!AssignIfChanged(vertAxis_, value))
        return;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetCustomHorizAxis(TSeriesAxis* axis)
{
    if (!AssignIfChanged(customHorizAxis_, axis))
        return;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetCustomVertAxis(TSeriesAxis* axis)
{
    if (!AssignIfChanged(customVertAxis_, axis))
        return;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::ResolveAxes()
{
    if (!parentChart_) {
        boundHorizAxis_ = boundVertAxis_ = nullptr;
        return;
    }
    switch (horizAxis_) {
    case aTopAxis:
        boundHorizAxis_ = parentChart_->TopAxis();
        break;
    case aCustomHorizAxis:
        boundHorizAxis_ = customHorizAxis_ ? customHorizAxis_ : parentChart_->BottomAxis();
        break;
    case aBottomAxis:
    case aBothHorizAxis:
        boundHorizAxis_ = parentChart_->BottomAxis();
        break;
    }
    switch (vertAxis_) {
    case aRightAxis:
        boundVertAxis_ = parentChart_->RightAxis();
        break;
    case aCustomVertAxis:
        boundVertAxis_ = customVertAxis_ ? customVertAxis_ : parentChart_->LeftAxis();
        break;
    case aLeftAxis:
    case aBothVertAxis:
        boundVertAxis_ = parentChart_->LeftAxis();
        break;
    }
}

bool TChartSeries::IsBoundToAxis(const TSeriesAxis* axis) const
{
    if (!UsesAxes() || !axis)
        return false;
    if (axis->Horizontal())
        return horizAxis_ == aBothHorizAxis || axis == boundHorizAxis_;
    return vertAxis_ == aBothVertAxis || axis == boundVertAxis_;
}

int TChartSeries::ValueToPixelX(double value) const
{
    return boundHorizAxis_ ? boundHorizAxis_->ValueToPixel(value) : 0;
}

int TChartSeries::ValueToPixelY(double value) const
{
    return boundVertAxis_ ? boundVertAxis_->ValueToPixel(value) : 0;
}

double TChartSeries::PixelToValueX(int pixel) const
{
    return boundHorizAxis_ ? boundHorizAxis_->PixelToValue(pixel) : 0;
}

void TChartSeries::HorizontalMargins(int& left, int& right) const
{
    left = right = 0;
}

void TChartSeries::VerticalMargins(int& top, int& bottom) const
{
    top = bottom = 0;
}

std::pair<int, int> TChartSeries::VisibleRangeIn(const TRect& plot) const
{
    const int count = PointCount();
    if (count < 1)
        return {-1, -1};
    const int last = count - 1;

    // The list running along the category axis, and that axis.
    const bool horizontal = IsYMain();
    const TChartValueList& list = horizontal ? *xValues_ : *yValues_;
    const TSeriesAxis* axis = horizontal ? boundHorizAxis_ : boundVertAxis_;
    if (!limitToVisible_ || list.Order() == loNone || !axis)
        return {0, last};

    const bool inverted = axis->Inverted();
    int lowPixel, highPixel;
    if (horizontal) {
        lowPixel = inverted ? plot.Right : plot.Left;
        highPixel = inverted ? plot.Left : plot.Right;
    } else {
        lowPixel = inverted ? plot.Top : plot.Bottom;
        highPixel = inverted ? plot.Bottom : plot.Top;
    }
    const double low = axis->PixelToValue(lowPixel);
    const double high = axis->PixelToValue(highPixel);

    int first = 0;
    while (first <= last && list.ValueAt(first) < low)
        ++first;
    if (first > last)
        return {-1, -1}; // everything lies before the visible range
    if (list.LastValue() <= high)
        return {first, last};
    int end = first;
    while (end < last && list.ValueAt(end) < high)
        ++end;
    // Without ExtendToEdges the first point beyond the far edge is dropped.
    if (!extendToEdges_ && list.ValueAt(end) > high)
        --end;
    return {first, end};
}

void TChartSeries::CalcVisibleRange(const TRect& plot)
{
    std::tie(firstVisible_, lastVisible_) = VisibleRangeIn(plot);
}

TSeriesPaint TChartSeries::PaintContext(TCanvas3D& canvas, const TRect& plot) const
{
    const auto [first, last] = VisibleRangeIn(plot);
    return {.Canvas = canvas, .Plot = plot, .HorizAxis = boundHorizAxis_, .VertAxis = boundVertAxis_,
            .FirstVisible = first, .LastVisible = last};
}

TPoint TChartSeries::PointPixelIn(const TSeriesPaint& paint, int index) const
{
    if (paint.Pixels && index >= paint.FirstVisible && index - paint.FirstVisible < int(paint.Pixels->size()))
        return (*paint.Pixels)[std::size_t(index - paint.FirstVisible)];
    return {paint.HorizAxis ? paint.HorizAxis->ValueToPixel(PointX(index)) : 0,
            paint.VertAxis ? paint.VertAxis->ValueToPixel(PointY(index)) : 0};
}

void TChartSeries::FireBeforeDrawValues()
{
    if (BeforeDrawValues)
        BeforeDrawValues(*this);
}

void TChartSeries::FireAfterDrawValues()
{
    if (AfterDrawValues)
        AfterDrawValues(*this);
}

void TChartSeries::DrawVisiblePoints(const TSeriesPaint& paint)
{
    const int first = paint.FirstVisible;
    const int last = paint.LastVisible;
    if (first < 0 || last < first)
        return;
    if (DrawsPointsForward()) {
        for (int i = first; i <= last; ++i)
            DrawPoint(paint, i);
    } else {
        for (int i = last; i >= first; --i)
            DrawPoint(paint, i);
    }
}

bool TChartSeries::HandleClick(int index, TMouseButton button, TShiftState shift, int x, int y)
{
    // Without a chart the flag lives here for the duration of the call.
    bool localConsumed = false;
    auto setConsumed = [&](bool value) {
        if (parentChart_)
            parentChart_->SetMouseConsumed(value);
        else
            localConsumed = value;
    };
    setConsumed(false);
    if ((shift & ssDouble) && OnDblClick) {
        setConsumed(true);
        OnDblClick(*this, index, button, shift, x, y);
    } else if (OnClick) {
        setConsumed(true);
        OnClick(*this, index, button, shift, x, y);
    }
    return parentChart_ ? parentChart_->MouseConsumed() : localConsumed;
}

void TChartSeries::SetDepthOrder(int value)
{
    SetProperty(depthOrder_, value);
}

void TChartSeries::AssignDepthOrder()
{
    if (!parentChart_)
        return;
    if (depthOrder_ == -1) {
        if (parentChart_->View3D()) {
            parentChart_->SetHighestDepthOrder(parentChart_->HighestDepthOrder() + 1);
            computedDepth_ = parentChart_->HighestDepthOrder();
        } else {
            computedDepth_ = 0;
        }
    } else if (depthOrder_ > parentChart_->HighestDepthOrder()) {
        parentChart_->SetHighestDepthOrder(depthOrder_);
    }
}

bool TChartSeries::SharesDepth() const
{
    if (!parentChart_ || !parentChart_->DepthOrdering())
        return false;
    const TChartSeriesList& list = parentChart_->SeriesList();
    return std::any_of(list.begin(), list.end(), [this](const TChartSeries* s) {
        return s != this && s->active_ && !s->ownDepthValues_ && s->DepthOrder() == DepthOrder();
    });
}

void TChartSeries::Apply3DSetting(bool view3D)
{
    if (!parentChart_)
        return;
    parentChart_->SetView3D(view3D);
    parentChart_->SetClipPoints(!view3D);
}

void TChartSeries::SetDepthPositions(int start, int middle, int end)
{
    startZ_ = start;
    middleZ_ = middle;
    endZ_ = end;
}

TSeriesFrame TChartSeries::FrameOf(const TSeriesPaint& paint) const
{
    TSeriesFrame frame{const_cast<TChartSeries*>(this), paint.FirstVisible, paint.LastVisible, startZ_, middleZ_,
                       endZ_, dataChanges_, {}};
    if (frame.FirstVisible < 0 || frame.LastVisible < frame.FirstVisible)
        return frame;
    frame.Pixels.reserve(std::size_t(frame.LastVisible - frame.FirstVisible + 1));
    for (int i = frame.FirstVisible; i <= frame.LastVisible; ++i)
        frame.Pixels.push_back(PointPixelIn(paint, i));
    return frame;
}

int TChartSeries::FirstVisible() const
{
    const TSeriesFrame* shown = parentChart_ ? parentChart_->ShownFrame(*this) : nullptr;
    return shown ? shown->FirstVisible : firstVisible_;
}

int TChartSeries::LastVisible() const
{
    const TSeriesFrame* shown = parentChart_ ? parentChart_->ShownFrame(*this) : nullptr;
    return shown ? shown->LastVisible : lastVisible_;
}

TSeriesFrame TChartSeries::Frame() const
{
    if (const TSeriesFrame* shown = parentChart_ ? parentChart_->ShownFrame(*this) : nullptr)
        return *shown;
    TSeriesFrame frame{const_cast<TChartSeries*>(this), firstVisible_, lastVisible_, startZ_, middleZ_, endZ_,
                       dataChanges_, {}};
    if (firstVisible_ < 0 || lastVisible_ < firstVisible_)
        return frame;
    frame.Pixels.reserve(std::size_t(lastVisible_ - firstVisible_ + 1));
    for (int i = firstVisible_; i <= lastVisible_; ++i)
        frame.Pixels.push_back({PointPixelX(i), PointPixelY(i)});
    return frame;
}

int TChartSeries::PointAt(int x, int y) const
{
    return PointAtIn(Frame(), x, y);
}
