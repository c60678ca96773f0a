#include "chart/panel/chart_wall.h"

#include "chart/panel/chart_panel.h"

TChartWall::TChartWall(TCustomChartPanel& chart, TColor defaultColor)
    : chart_(&chart),
      brush_(std::make_unique<TChartBrush>([this] { Changed(); })),
      pen_(std::make_unique<TChartPen>([this] { Changed(); })),
      color_(defaultColor),
      defaultColor_(defaultColor)
{
}

TChartWall::~TChartWall() = default;

void TChartWall::Changed() const
{
    chart_->Invalidate();
}

void TChartWall::Assign(const TChartWall& other)
{
    if (&other == this)
        return;
    bool changed = AssignIfChanged(color_, other.color_);
    changed |= AssignIfChanged(dark3D_, other.dark3D_);
    changed |= AssignIfChanged(size_, other.size_);
    brush_->Assign(other.Brush());
    pen_->Assign(other.Pen());
    if (changed)
        Changed();
}

void TChartWall::PrepareCanvas() const
{
    TCanvas3D& canvas = *chart_->Canvas();
    canvas.AssignVisiblePen(*pen_);
    if (brush_->HasBitmap()) {
        canvas.Brush().Bitmap = brush_->Bitmap();
        return;
    }
    canvas.Brush().Bitmap = QImage();
    if (color_ == clDefault && brush_->Style() == bsSolid)
        canvas.Brush().Style = bsClear;
    else
        chart_->PrepareBrush(color_, brush_->Style(), brush_->Color());
}
