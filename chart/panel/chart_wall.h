#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/chart_brush.h"
#include "chart/canvas/chart_pen.h"

#include <memory>

class TCustomChartPanel;

// One of the chart's three walls. In 2D only the back wall is drawn, as
// the outline around the plot area; in 3D the walls are planes or blocks
// along the back, left and bottom of the plot. Every effective change
// repaints the owning chart.
class TChartWall : private TPropertyOwner<TChartWall>
{
public:
    // defaultColor: the wall's own default colour (clDefault for most).
    explicit TChartWall(TCustomChartPanel& chart, TColor defaultColor = clDefault);
    ~TChartWall();
    TChartWall(const TChartWall&) = delete;
    TChartWall& operator=(const TChartWall&) = delete;

    TCustomChartPanel& ParentChart() const { return *chart_; }

    TChartBrush& Brush() const { return *brush_; }
    // clDefault with a solid brush: the wall is not filled.
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetProperty(color_, value); }
    TColor DefaultColor() const { return defaultColor_; }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { SetProperty(dark3D_, value); }
    TChartPen& Pen() const { return *pen_; }
    // Thickness in pixels of a 3D wall.
    int Size() const { return size_; }
    void SetSize(int value) { SetProperty(size_, value); }

    // Whether the sides of a 3D wall are drawn darker.
    bool AppliesDark3D() const { return brush_->Style() != bsClear && !brush_->HasBitmap() && dark3D_; }

    // Sets the chart canvas' pen and brush for drawing this wall.
    void PrepareCanvas() const;

    void Assign(const TChartWall& other);

private:
    friend class TPropertyOwner<TChartWall>;
    void Changed() const;

    TCustomChartPanel* chart_;
    std::unique_ptr<TChartBrush> brush_;
    std::unique_ptr<TChartPen> pen_;
    TColor color_;
    TColor defaultColor_;
    int size_ = 0;
    bool dark3D_ = true;
};
