#include "chart/panel/chart_title.h"

#include "chart/panel/chart_panel.h"

TChartTitle::TChartTitle(TCustomChartPanel& chart)
    : chart_(&chart),
      brush_(std::make_unique<TChartBrush>([this] { Changed(); })),
      frame_(std::make_unique<TChartHiddenPen>([this] { Changed(); }))
{
    font_.Color = clBlue;
}

TChartTitle::~TChartTitle() = default;

void TChartTitle::Changed() const
{
    chart_->Invalidate();
}

void TChartTitle::Assign(const TChartTitle& other)
{
    if (&other == this)
        return;
    bool changed = AssignIfChanged(adjustFrame_, other.adjustFrame_);
    changed |= AssignIfChanged(alignment_, other.alignment_);
    changed |= AssignIfChanged(color_, other.color_);
    changed |= AssignIfChanged(font_, other.font_);
    changed |= AssignIfChanged(text_, other.text_);
    changed |= AssignIfChanged(visible_, other.visible_);
    brush_->Assign(other.Brush());
    frame_->Assign(other.Frame());
    if (changed)
        Changed();
}

bool TChartTitle::FrameVisible() const
{
    return frame_->Visible() && frame_->Color() != clDefault;
}

void TChartTitle::PrepareBackground()
{
    TCanvas3D& canvas = *chart_->Canvas();
    TCanvasBrush& brush = canvas.Brush();
    brush.Bitmap = QImage();
    if (color_ == clDefault) {
        if (brush_->Style() != bsSolid) {
            brush.Color = brush_->Color();
            brush.Style = brush_->Style();
            brush.Bitmap = brush_->Bitmap();
            canvas.SetBackgroundMode(bmTransparent);
        } else if (brush_->Color() == clDefault) {
            brush.Style = bsClear; // no background: the default
        } else {
            SetColor(brush_->Color());
            brush.Color = color_;
            brush.Style = bsSolid;
        }
        return;
    }
    if (brush_->Style() != bsSolid) {
        brush.Color = brush_->Color();
        brush.Style = brush_->Style();
        brush.Bitmap = brush_->Bitmap();
        canvas.SetBackgroundMode(bmOpaque);
        canvas.SetBackColor(color_);
    } else {
        brush.Color = color_;
        brush.Style = bsSolid;
    }
}

TTitleLayoutInput TChartTitle::LayoutInput(bool onTop) const
{
    const TCanvas3D& canvas = *chart_->Canvas();
    TTitleLayoutInput in;
    in.Plot = chart_->ChartRect();
    in.OnTop = onTop;
    in.FrameVisible = FrameVisible();
    in.FrameWidth = frame_->Width();
    in.BoxDrawn = in.FrameVisible || canvas.Brush().IsVisible();
    in.AdjustFrame = adjustFrame_;
    in.Alignment = alignment_;
    in.LineHeight = canvas.TextLineHeight();
    in.WWidth = canvas.MeasureWidth(QStringLiteral("W"));
    for (const QString& line : text_)
        in.LineWidths.push_back(canvas.MeasureWidth(line));
    return in;
}

void TChartTitle::Draw(bool onTop)
{
    TCanvas3D& canvas = *chart_->Canvas();
    chart_->SetCanvasFont(font_);
    PrepareBackground();
    const TTitleLayout layout = CalcTitleLayout(LayoutInput(onTop));

    titleBox_ = layout.TitleBox;
    if (FrameVisible())
        canvas.AssignVisiblePen(*frame_);
    else
        canvas.Pen().Style = psClear;
    if (FrameVisible() || canvas.Brush().IsVisible())
        canvas.Rectangle(titleBox_);

    canvas.SetBackgroundMode(bmTransparent);
    canvas.SetTextAlign(TextAlignLeft | TextAlignTop);
    for (qsizetype i = 0; i < text_.size(); ++i) {
        const TPoint p = layout.LineOrigins[std::size_t(i)];
        if (canvas.SupportsFullRotation())
            canvas.TextOutAtZ(p.X, p.Y, text_[i], 0);
        else
            canvas.TextOut(p.X, p.Y, text_[i]);
    }

    if (layout.MovesPlot) {
        TRect plot = chart_->ChartRect();
        (onTop ? plot.Top : plot.Bottom) = layout.PlotEdge;
        chart_->SetChartRect(plot);
    }
}
