#include "chart/panel/custom_chart.h"

#include "chart/panel/chart_cursor.h"
#include "chart/panel/mouse_settings.h"

#include <QScopeGuard>

#include <algorithm>
#include <cstdlib>

// The chart's reading of the mouse: what was clicked, which drag starts,
// where a drag goes, and the cursor over series. Zooming and panning
// themselves live in chart_zoom.cpp, the Qt events in chart_mouse_qt.cpp.

void TCustomChart::InternalDraw(const TRect& userRect)
{
    TCustomAxisPanel::InternalDraw(userRect);
    mouseFrame_ = CalcMouseFrame(ChartRect(), Axes());
    hoverOverlay_->Forget();
}

TChartClickedPart TCustomChart::FindClickedPart(int x, int y) const
{
    const TChartSeriesList& list = SeriesList();
    // The last series is drawn on top: it answers first.
    for (int i = list.Count() - 1; i >= 0; --i) {
        TChartSeries& series = list.Series(i);
        if (!series.Active())
            continue;
        const int index = series.PointAt(x, y);
        if (index != -1)
            return {cpSeries, index, &series, nullptr};
    }
    for (const auto& axis : Axes())
        if (axis->Clicked(x, y))
            return {cpAxis, -1, nullptr, axis.get()};
    if (title_->Clicked(x, y))
        return {cpTitle};
    if (foot_->Clicked(x, y))
        return {cpFoot};
    if (mouseFrame_.Plot.Contains({x, y}) && ActiveCount() > 0)
        return {cpChartRect};
    if (legend_ && legend_->Visible()) {
        const int item = legend_->Clicked(x, y);
        if (item != -1)
            return {cpLegend, item};
    }
    return {};
}

// A click event may hand the click back by clearing MouseConsumed; what it
// leaves set is how the click counts as handled.
void TCustomChart::FireClick(const std::function<void()>& call, bool& handled)
{
    mouseConsumed_ = true;
    call();
    handled = mouseConsumed_;
}

void TCustomChart::ClickBackground(TMouseButton button, TShiftState shift, int x, int y, bool& handled)
{
    if (OnClickBackground)
        FireClick([&] { OnClickBackground(*this, button, shift, x, y); }, handled);
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    hoverOverlay_->Hide();
    Fire(OnMouseDown, *this, button, shift, x, y);
    if (ZoomRecord().Active || PanningRecord().Active)
        return;
    // However the click ends, even by an exception, the next one starts
    // unconsumed.
    const auto clear = qScopeGuard([this] { mouseConsumed_ = false; });
    if (mouseConsumed_)
        return;
    const TChartClickedPart part = FindClickedPart(x, y);
    bool handled = false;
    switch (part.Part) {
    case cpLegend:
        if (OnClickLegend)
            FireClick([&] { OnClickLegend(*this, button, shift, x, y); }, handled);
        break;
    case cpAxis:
        if (OnClickAxis)
            FireClick([&] { OnClickAxis(*this, *part.AAxis, button, shift, x, y); }, handled);
        if (!handled)
            handled = StartZoomOrPanning(button, shift, x, y);
        break;
    case cpSeries:
        handled = part.ASeries->HandleClick(part.PointIndex, button, shift, x, y);
        if (OnClickSeries)
            FireClick([&] { OnClickSeries(*this, *part.ASeries, part.PointIndex, button, shift, x, y); }, handled);
        if (!handled)
            handled = StartZoomOrPanning(button, shift, x, y);
        break;
    case cpChartRect:
        ClickBackground(button, shift, x, y, handled);
        if (!handled)
            handled = StartZoomOrPanning(button, shift, x, y);
        break;
    case cpNone:
    case cpTitle:
    case cpFoot:
        break;
    }
    if (!handled)
        ClickBackground(button, shift, x, y, handled);
}

bool TCustomChart::StartZoomOrPanning(TMouseButton button, TShiftState shift, int x, int y)
{
    bool started = false;
    if (AllowZoom() && button == ZoomMouseButton && (shift & ZoomKeyShift) == ZoomKeyShift) {
        ShowCursor(ToQCursor(crDefault));
        ZoomRecord().Activate(x, y);
        DrawZoomRectangle();
        started = true;
    }
    if (AllowPanning() != pmNone && button == PanningMouseButton && (shift & PanningKeyShift) == PanningKeyShift) {
        ShowCursor(ToQCursor(crDefault));
        PanningRecord().Activate(x, y);
        started = true;
    }
    return started;
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y)
{
    Fire(OnMouseMove, *this, shift, x, y);
    if (ZoomRecord().Active || PanningRecord().Active)
        hoverOverlay_->Hide();
    if (ZoomRecord().Active)
        MoveZoomRectangle(x, y);
    else if (PanningRecord().Active)
        PanTo(x, y);
    else
        HoverSeries(shift, x, y);
}

void TCustomChart::MoveZoomRectangle(int x, int y)
{
    TZoomPanningRecord& zoom = ZoomRecord();
    if (x == zoom.X1 && y == zoom.Y1)
        return;
    // The old outline is repainted from the picture, the new one drawn.
    DrawZoomRectangle();
    zoom.X1 = x;
    zoom.Y1 = y;
    DrawZoomRectangle();
}

void TCustomChart::HoverSeries(TShiftState shift, int x, int y)
{
    const TChartSeriesList& list = SeriesList();
    const auto hovered = std::find_if(list.begin(), list.end(), [x, y](const TChartSeries* s) {
        return s->Active() && s->Cursor() != crDefault && s->PointAt(x, y) != -1;
    });
    if (hovered != list.end())
        ShowCursor(ToQCursor((*hovered)->Cursor()));
    for (TChartSeries* s : list)
        s->MouseMoved(shift, x, y);
    if (hovered == list.end())
        ShowCursor(SavedCursor());
}

void TCustomChart::ShowCursor(const QCursor& cursor)
{
    // Setting an unchanged cursor still costs a call into the window system.
    if (cursor.shape() == Qt::BitmapCursor || this->cursor().shape() != cursor.shape())
        setCursor(cursor);
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    Fire(OnMouseUp, *this, button, shift, x, y);
    for (TChartSeries* s : SeriesList())
        s->MouseReleased(button, shift, x, y);
    if (ZoomRecord().Active && button == ZoomMouseButton)
        EndZoom(x, y);
    PanningRecord().Active = false;
}

void TCustomChart::EndZoom(int x, int y)
{
    TZoomPanningRecord& zoom = ZoomRecord();
    DrawZoomRectangle();
    zoom.Active = false;
    zoom.X1 = x;
    zoom.Y1 = y;
    if (std::abs(zoom.X1 - zoom.X0) <= ZoomMinimumDrag || std::abs(zoom.Y1 - zoom.Y0) <= ZoomMinimumDrag)
        return;
    // Dragged right and down zooms in; any other way undoes.
    if (zoom.X0 < zoom.X1 && zoom.Y0 < zoom.Y1)
        ZoomToDragRect();
    else
        UndoZoom();
    Invalidate();
}

void TCustomChart::WheelDown() { ScrollVerticalAxes(1); }

void TCustomChart::WheelUp() { ScrollVerticalAxes(-1); }

void TCustomChart::ScrollVerticalAxes(int direction)
{
    // A turn changes the view as a zoom or pan does: undoing returns to the
    // scales before it.
    SaveAxisLimitsOnce();
    for (const auto& axis : Axes()) {
        if (axis->Horizontal())
            continue;
        const double step = (axis->Maximum() - axis->Minimum()) * WheelStepPercent * 0.01;
        axis->Scroll(step * direction, false);
    }
}

void TCustomChart::MouseLeave()
{
    ShowCursor(SavedCursor());
    PanningRecord().Active = false;
    hoverOverlay_->Hide();
    Fire(OnMouseLeave, *this);
}
