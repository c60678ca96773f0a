#include "chart/panel/chart_panel_extended.h"

#include "chart/panel/chart_settings.h"

TCustomChartPanelExtended::TCustomChartPanelExtended(QWidget* parent)
    : TCustomChartPanel(parent), gradient_(std::make_unique<TChartGradient>([this] { Invalidate(); }))
{
}

TCustomChartPanelExtended::~TCustomChartPanelExtended() = default;

void TCustomChartPanelExtended::SetBackImage(const QImage& image)
{
    // Pictures compare by identity: an equal copy only costs a repaint.
    const bool same = backImage_.isNull() == image.isNull()
                      && (image.isNull() || backImage_.cacheKey() == image.cacheKey());
    if (same)
        return;
    backImage_ = image;
    Invalidate();
}

void TCustomChartPanelExtended::UndoZoom()
{
    Fire(OnUndoZoom, *this);
    Invalidate();
    zoomed_ = false;
}

void TCustomChartPanelExtended::PaintPanelArea(const TRect& r)
{
    FillPanel(r);
    PaintBackImage(r);
    if (!Canvas()->SupportsFullRotation())
        DrawPanelBevels(r);
}

void TCustomChartPanelExtended::FillPanel(const TRect& r)
{
    TCanvas3D& canvas = *Canvas();
    if (gradient_->Visible()) {
        const TGradientDirection direction = gradient_->Direction();
        const bool straight = direction == gdTopBottom || direction == gdLeftRight;
        const TColor start = gradient_->StartColor();
        const TColor end = gradient_->EndColor();
        canvas.FillGradient(r, straight ? start : end, straight ? end : start, direction);
        return;
    }
    if (Printing() && !PrintPanel)
        return;
    canvas.Brush().Color = Color();
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Bitmap = QImage();
    canvas.ClearRect(r);
}

void TCustomChartPanelExtended::PaintBackImage(const TRect& r)
{
    DrawBackImage(r, 0);
}

void TCustomChartPanelExtended::DrawPanelBevels(TRect r)
{
    if (Printing() && !PrintPanel)
        return;
    TCanvas3D& canvas = *Canvas();
    canvas.Pen().Style = psSolid;
    canvas.Pen().Width = 1;
    canvas.Pen().Mode = pmCopy;
    canvas.Brush().Style = bsClear;
    const auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone)
            return;
        const TColor topLeft = kind == bvLowered ? clBtnShadow : clBtnHighlight;
        const TColor bottomRight = kind == bvRaised ? clBtnShadow : clBtnHighlight;
        canvas.BevelFrame(r, topLeft, bottomRight, BevelWidth());
    };
    bevel(BevelOuter());
    canvas.BevelFrame(r, Color(), Color(), BorderWidth());
    bevel(BevelInner());
}

void TCustomChartPanelExtended::DrawBackImage(const TRect& r, int z)
{
    if (backImage_.isNull())
        return;
    const bool perspective = View3D() && !View3DOptions().Orthogonal();
    if (z != 0 && perspective)
        return;
    if (backImageMode_ != pbmStretch)
        return DrawTiledOrCentredImage(r, z);
    TRect target = r;
    if (View3D() && z > 0) {
        const TPoint a = Canvas()->ProjectPoint(r.Left, r.Top, z);
        const TPoint b = Canvas()->ProjectPoint(r.Right, r.Bottom, z);
        target = {a.X, a.Y, b.X, b.Y};
    }
    Canvas()->DrawScaled(target, backImage_);
}

void TCustomChartPanelExtended::DrawTiledOrCentredImage(const TRect& r, int z)
{
    TCanvas3D& canvas = *Canvas();
    const bool clip = ClippingAllowed();
    if (clip) {
        if (z != 0)
            canvas.ClipToPlot(r, 0, DepthWidth());
        else
            canvas.ClipToRect(r);
    }
    const int pw = backImage_.width();
    const int ph = backImage_.height();
    if (backImageMode_ == pbmTile) {
        for (const TPoint& p : TiledImagePositions(r, pw, ph))
            canvas.Draw(p.X, p.Y, backImage_);
    } else {
        FillPanel(r);
        const TPoint p = CentredImagePosition(r, pw, ph);
        canvas.Draw(p.X, p.Y, backImage_);
    }
    if (clip)
        canvas.RemoveClip();
}
