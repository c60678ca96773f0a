#pragma once

#include "chart/panel/axis_panel.h"
#include "chart/panel/chart_title.h"
#include "chart/panel/chart_wall.h"
#include "chart/panel/legend_area.h"

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

    // The legend, drawn by PlaceTitlesAndLegend; none until one is set.
    TLegendArea* Legend() const { return legend_.get(); }
    void SetLegend(std::unique_ptr<TLegendArea> legend);

    bool BackImageInside() const { return backImageInside_; }
    void SetBackImageInside(bool value) { SetProperty(backImageInside_, value); }

    bool MouseConsumed() const override { return mouseConsumed_; }
    void SetMouseConsumed(bool value) override { mouseConsumed_ = value; }

    bool IsFreeSeriesColor(TColor colour, bool checkBackground) const override;

protected:
    void PaintBackImage(const TRect& r) override;
    void PlaceTitlesAndLegend() override;
    void PaintWalls() override;
    int WallThickness(const TCustomChartAxis& axis) const override;
    int BackWallThickness() const override { return backWall_->Size(); }

private:
    void PaintWalls3D();

    std::unique_ptr<TChartTitle> title_;
    std::unique_ptr<TChartTitle> foot_;
    std::unique_ptr<TChartWall> backWall_;
    std::unique_ptr<TChartWall> leftWall_;
    std::unique_ptr<TLegendArea> legend_;
    std::unique_ptr<TChartWall> bottomWall_;
    bool backImageInside_ = false;
    bool mouseConsumed_ = false;
};
