#include "chart/panel/custom_chart.h"

#include "chart/panel/placement_order.h"

TCustomChart::TCustomChart(QWidget* parent)
    : TCustomAxisPanel(parent),
      title_(std::make_unique<TChartTitle>(*this)),
      foot_(std::make_unique<TChartTitle>(*this)),
      backWall_(std::make_unique<TChartWall>(*this)),
      leftWall_(std::make_unique<TChartWall>(*this, 0x80FFFF)),
      legend_(std::make_unique<TChartLegend>(*this)),
      bottomWall_(std::make_unique<TChartWall>(*this, clWhite))
{
    backWall_->Brush().SetStyle(bsClear);
    // What the window shows is read from its last paint's frame.
    title_->ShowBoxOf(&WindowFrame().TitleBox);
    foot_->ShowBoxOf(&WindowFrame().FootBox);
    legend_->ShowLayoutOf(&WindowFrame().Legend);
    hoverOverlay_ = std::make_unique<THoverOverlay>(*this);
    // Moves without a button pressed reach the series and the cursor too.
    setMouseTracking(true);
}

TCustomChart::~TCustomChart()
{
    // The series go first, while every part they might reach still exists.
    BeginDestroying();
    FreeAllSeries();
}

void TCustomChart::SetBackColor(TColor value)
{
    backWall_->SetColor(value);
    if (parentWidget() != nullptr)
        backWall_->Brush().SetStyle(bsSolid);
}

void TCustomChart::SetLegend(std::unique_ptr<TChartLegend> legend)
{
    legend_ = std::move(legend);
    if (legend_)
        legend_->ShowLayoutOf(&WindowFrame().Legend);
    Invalidate();
}

bool TCustomChart::IsFreeSeriesColor(TColor colour, bool checkBackground) const
{
    return TCustomAxisPanel::IsFreeSeriesColor(colour, checkBackground)
           && !(checkBackground && colour == BackColor());
}

void TCustomChart::PaintBackImage(const TRect& r)
{
    if (!backImageInside_)
        DrawBackImage(r, 0);
}

void TCustomChart::PlaceTitlesAndLegend()
{
    TCanvas3D& canvas = *Canvas();
    const bool legendShown = legend_ && legend_->Visible() && ActiveCount() > 0;
    canvas.BeginFlatDrawing();
    for (TPlacedPart part : PlacementOrder(legendShown, legendShown && legend_->Vertical())) {
        switch (part) {
        case ppTitle:
            if (title_->Visible())
                title_->Draw(true);
            break;
        case ppFoot:
            if (foot_->Visible())
                foot_->Draw(false);
            break;
        case ppLegend:
            legend_->Draw();
            break;
        }
    }
    canvas.EndFlatDrawing();
}

void TCustomChart::PaintWalls()
{
    if (View3D()) {
        PaintWalls3D();
    } else {
        // The outline encloses the plot's last column and row as well.
        const TRect plot = ChartRect();
        backWall_->PrepareCanvas();
        Canvas()->Rectangle(plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1);
    }
    if (!BackImage().isNull() && backImageInside_) {
        TRect inside = ChartRect();
        if (backWall_->Pen().Visible())
            inside = {inside.Left, inside.Top + 1, inside.Right, inside.Bottom - 1};
        DrawBackImage(inside, DepthWidth());
    }
}

void TCustomChart::PaintWalls3D()
{
    TCanvas3D& canvas = *Canvas();
    const TRect p = ChartRect();
    const int depth = DepthWidth();
    const int left = leftWall_->Size();
    const int bottom = bottomWall_->Size();
    backWall_->PrepareCanvas();
    if (backWall_->Size() < 1)
        canvas.RectAtZ(p, depth);
    else
        canvas.SolidCube({p.Left - left, p.Top, p.Right, p.Bottom + bottom}, depth, depth + backWall_->Size(),
                         backWall_->AppliesDark3D());
    if (!View3DWalls())
        return;
    leftWall_->PrepareCanvas();
    if (left < 1)
        canvas.PlaneAtDepth({p.Left, p.Top}, {p.Left, p.Bottom}, 0, depth);
    else
        canvas.SolidCube({p.Left - left, p.Top, p.Left, p.Bottom}, 0, depth, leftWall_->AppliesDark3D());
    bottomWall_->PrepareCanvas();
    if (bottom < 1)
        canvas.PlaneAtDepth({p.Left, p.Bottom}, {p.Right, p.Bottom}, 0, depth);
    else
        canvas.SolidCube({p.Left, p.Bottom, p.Right, p.Bottom + bottom}, 0, depth, bottomWall_->AppliesDark3D());
}

int TCustomChart::WallThickness(const TCustomChartAxis& axis) const
{
    if (!View3D() || !View3DWalls())
        return 0;
    if (&axis == LeftAxis())
        return leftWall_->Size();
    if (&axis == BottomAxis())
        return bottomWall_->Size();
    return 0;
}
