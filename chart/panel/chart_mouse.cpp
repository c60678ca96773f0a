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
    try {
        TCustomAxisPanel::InternalDraw(userRect);
    } catch (...) {
        // A picture that failed must not leave its layout to the window.
        if (!PaintingForWindow())
            FinishFrame();
        throw;
    }
    FinishFrame();
}

void TCustomChart::FinishFrame()
{
    TChartFrame& frame = PaintFrame();
    frame.TitleShown = title_->Visible();
    frame.TitleBox = title_->PaintedBox();
    frame.FootShown = foot_->Visible();
    frame.FootBox = foot_->PaintedBox();
    frame.LegendShown = legend_ && legend_->Visible() && ActiveCount() > 0;
    if (frame.LegendShown)
        frame.Legend = legend_->PaintedLayout();
    frame.LegendBackColour = LegendBackColour();
    if (PaintingForWindow()) {
        KeepWindowFrame();
        hoverOverlay_->Forget();
        return;
    }
    pictureFrame_ = std::move(frame);
    RestoreWorkingState(LastFrame());
}

TChartClickedPart TCustomChart::FindClickedPart(int x, int y) const
{
    const TChartClickedPart part = ClickedPartAt(LastFrame(), x, y);
    // A legend of its own kind may answer clicks its layout does not show.
    if (part.Part == cpNone && legend_ && legend_->Visible() && LastFrame().LegendShown)
        if (const int item = legend_->Clicked(x, y); item != -1)
            return {cpLegend, item};
    return part;
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
    const std::vector<TSeriesFrame>& drawn = LastFrame().Series;
    const auto hovered = std::find_if(drawn.begin(), drawn.end(), [x, y](const TSeriesFrame& f) {
        return f.Series->Cursor() != crDefault && f.Series->PointAtIn(f, x, y) != -1;
    });
    if (hovered != drawn.end())
        ShowCursor(ToQCursor(hovered->Series->Cursor()));
    for (TChartSeries* s : SeriesList())
        s->MouseMoved(shift, x, y);
    if (hovered == drawn.end())
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
