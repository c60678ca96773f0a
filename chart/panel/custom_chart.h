#pragma once

#include "chart/panel/axis_limits.h"
#include "chart/panel/axis_panel.h"
#include "chart/panel/chart_mouse_events.h"
#include "chart/panel/chart_title.h"
#include "chart/panel/chart_wall.h"
#include "chart/panel/clicked_part.h"
#include "chart/panel/hover_overlay.h"
#include "chart/panel/chart_legend.h"
#include "chart/panel/legend_events.h"
#include "chart/panel/qt_mouse_input.h"
#include "chart/panel/zoom_ranges.h"

#include <memory>

// The fourth layer of the chart control: title, foot, the three walls, the
// legend's place, and the background picture inside the plot area.
class TCustomChart : public TCustomAxisPanel
{
public:
    explicit TCustomChart(QWidget* parent = nullptr);
    ~TCustomChart() override;

    TChartTitle& Title() const { return *title_; }
    TChartTitle& Foot() const { return *foot_; }
    TChartWall& BackWall() const { return *backWall_; }
    TChartWall& LeftWall() const { return *leftWall_; }
    TChartWall& BottomWall() const { return *bottomWall_; }
    // The back wall's colour; setting it on a control with a parent also
    // makes the back wall's brush solid.
    TColor BackColor() const { return backWall_->Color(); }
    void SetBackColor(TColor value);
    // The back wall's pen.
    TChartPen& Frame() const { return backWall_->Pen(); }

    // The legend, drawn by PlaceTitlesAndLegend; every chart has one until
    // it is replaced (null: no legend).
    TChartLegend* Legend() const { return legend_.get(); }
    void SetLegend(std::unique_ptr<TChartLegend> legend);
    // The legend's colour of its last paint, for the series' symbols.
    // Marks of the legend style write a point as the legend would.
    TLegendTextStyle LegendTextStyle() const override { return legend_ ? legend_->TextStyle() : ltsLeftValue; }
    TOnGetLegendText OnGetLegendText;
    TOnGetLegendRect OnGetLegendRect;
    TOnGetLegendPos OnGetLegendPos;

    bool BackImageInside() const { return backImageInside_; }
    void SetBackImageInside(bool value) { SetProperty(backImageInside_, value); }

    bool MouseConsumed() const override { return mouseConsumed_; }
    void SetMouseConsumed(bool value) override { mouseConsumed_ = value; }

    bool IsFreeSeriesColor(TColor colour, bool checkBackground) const override;

    // --- mouse (chart_mouse.cpp, chart_zoom.cpp) ---------------------------------
    // What lies under (x, y) in the last paint: a point of the topmost
    // series, an axis, title, foot, the plot area or a legend item.
    TChartClickedPart FindClickedPart(int x, int y) const;
    // What the last picture or print-out laid out.
    const TChartFrame& PictureFrame() const { return pictureFrame_; }
    // The chart's handling of the mouse, after the plain mouse events.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // One notch scrolls every vertical axis by 3 % of its range.
    void WheelDown();
    void WheelUp();
    void MouseLeave();
    // The marker the application shows while the mouse hovers: hidden by a
    // press, by a zoom or pan, by leaving the chart and by every paint of
    // the whole chart (its place would be stale).
    THoverOverlay& HoverOverlay() const { return *hoverOverlay_; }

    // Zooms the four axes to the dragged rectangle of the zoom record.
    virtual void ZoomToDragRect();
    void ApplyZoom(const TZoomRanges& ranges);
    // Returns the axes to their scales before the first zoom, pan or wheel turn.
    void UndoZoom() override;
    // True after a zoom, pan or wheel turn saved the scales, until UndoZoom restores them.
    bool ScalesSaved() const { return !restoredScales_; }
    void SaveAxisLimits();
    void RestoreAxisLimits();

    TChartClickSeries OnClickSeries;
    TChartClickAxis OnClickAxis;
    TChartClick OnClickLegend;
    TChartClick OnClickBackground;
    TChartAllowScrollEvent OnAllowScroll;
    TChartMouseEvent OnMouseDown;
    TChartMouseEvent OnMouseUp;
    TChartMouseMoveEvent OnMouseMove;
    std::function<void(TCustomChartPanel& sender)> OnMouseLeave;
    // An error raised inside the chart's input handling or its paint (told
    // after the paint); without a handler it becomes a warning on the log.
    TChartExceptionEvent OnException;

protected:
    void InternalDraw(const TRect& userRect) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

    void PaintBackImage(const TRect& r) override;
    void PlaceTitlesAndLegend() override;
    void PaintWalls() override;
    int WallThickness(const TCustomChartAxis& axis) const override;
    int BackWallThickness() const override { return backWall_->Size(); }

private:
    void PaintWalls3D();
    // Completes the paint's frame; the window keeps it, a picture's paint
    // puts the window's working state back.
    void FinishFrame();

    // Mouse helpers.
    void FireClick(const std::function<void()>& call, bool& handled);
    void ClickBackground(TMouseButton button, TShiftState shift, int x, int y, bool& handled);
    bool StartZoomOrPanning(TMouseButton button, TShiftState shift, int x, int y);
    void MoveZoomRectangle(int x, int y);
    void EndZoom(int x, int y);
    void PanTo(int x, int y);
    bool PanAxes(TPanningMode mode, int from, int to);
    void HoverSeries(TShiftState shift, int x, int y);
    // One notch: 1 down, -1 up.
    void ScrollVerticalAxes(int direction);
    void ShowCursor(const QCursor& cursor);
    void SaveAxisLimitsOnce();
    void RunGuarded(const std::function<void()>& handler) noexcept;
    void ReportPaintError(std::exception_ptr error) noexcept;

    std::unique_ptr<TChartTitle> title_;
    std::unique_ptr<TChartTitle> foot_;
    std::unique_ptr<TChartWall> backWall_;
    std::unique_ptr<TChartWall> leftWall_;
    std::unique_ptr<TChartLegend> legend_;
    std::unique_ptr<TChartWall> bottomWall_;
    bool backImageInside_ = false;
    bool mouseConsumed_ = false;

    TChartFrame pictureFrame_;
    // Mouse state.
    TSavedAxisLimits savedLimits_;
    TWheelNotches wheelNotches_;
    // True while no saved scales wait to be restored.
    bool restoredScales_ = true;
    // Set by a failed paint until a paint succeeds.
    bool paintFailed_ = false;
    std::unique_ptr<THoverOverlay> hoverOverlay_;
};
