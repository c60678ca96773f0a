// Painting the legend: layout, box, items and the space it takes.

#include "chart/panel/custom_chart.h"
#include "chart/panel/custom_chart_legend.h"

#include <QScopeGuard>

void TCustomChartLegend::Draw()
{
    styleInEffect_ = EffectiveLegendStyle();
    chart_->SetLegendBackColour(color_);
    chart_->SetCanvasFont(font_);
    const QStringList captions = Captions();
    const TLegendLayoutInput in = LayoutInput(captions);
    TLegendLayout layout = CalcLegendLayout(in);
    TRect box = layout.Box;
    if (chart_->OnGetLegendRect) {
        chart_->OnGetLegendRect(*chart_, box);
        MoveLegendBox(layout, box);
    }
    layout_ = std::move(layout);
    if (layout_.Shown < 1)
        return;

    TCanvas3D& canvas = *chart_->Canvas();
    // The legend changes alignment and background mode beyond pen and brush: put back.
    const auto restore = qScopeGuard([&canvas, align = canvas.GetTextAlign(), mode = canvas.BackgroundMode()] {
        canvas.SetTextAlign(align);
        canvas.SetBackgroundMode(mode);
    });
    canvas.SetTextAlign(TextAlignLeft | TextAlignTop);
    DrawBackground();
    for (TLegendItemPlace& place : layout_.Items) {
        int x = place.Text.X;
        int y = place.Text.Y;
        int xColor = layout_.SymbolX;
        if (chart_->OnGetLegendPos) {
            chart_->OnGetLegendPos(*chart_, place.Index, x, y, xColor);
            place.Text = {x, y};
            place.Symbol = LegendSymbolRect(layout_, place.Text);
        }
        DrawItem(place, captions[place.Index - firstValue_]);
    }
    chart_->SetChartRect(LegendPlotRect(layout_, in));
}

void TCustomChartLegend::DrawBackground()
{
    TCanvas3D& canvas = *chart_->Canvas();
    const TRect box = layout_.Box;
    TRect outline = box;
    canvas.AssignVisiblePen(*frame_);
    int reach = shadowSize_ - 1;
    if (frame_->Visible()) {
        if (canvas.Pen().Color == clDefault)
            canvas.Pen().Color = clBlack;
        const int fw = frame_->Width();
        outline = box.Inflated(fw, fw);
        reach = shadowSize_ + fw + (fw - 1) / 2;
    }
    canvas.Brush().Bitmap = QImage();
    if (shadowSize_ > 0) {
        canvas.Brush().Color = shadowColor_;
        canvas.Brush().Style = bsSolid;
        canvas.FillRect({box.Left + shadowSize_, box.Top + shadowSize_, box.Right + reach, box.Bottom + reach});
    }
    canvas.Brush().Style = brush_->Style();
    canvas.Brush().Bitmap = brush_->Bitmap();
    if (brush_->Style() != bsSolid) {
        // A hatch is drawn over the legend's colour.
        canvas.Brush().Color = brush_->Color();
        canvas.SetBackColor(color_);
        canvas.SetBackgroundMode(bmOpaque);
    } else {
        canvas.Brush().Color = color_;
        canvas.SetBackgroundMode(bmTransparent);
    }
    canvas.PlainRect(outline);
}

void TCustomChartLegend::DrawItem(const TLegendItemPlace& place, const QString& text)
{
    TCanvas3D& canvas = *chart_->Canvas();
    canvas.Brush().Style = bsClear;
    // An empty text keeps its slot but shows nothing.
    if (text.isEmpty())
        return;
    canvas.TextOut(place.Text.X, place.Text.Y, text);
    PrepareSymbolPen();
    DrawSymbol(place.Index, place.Symbol);
    DrawDividingLine(place.Position, place.Symbol);
}

void TCustomChartLegend::PrepareSymbolPen()
{
    // Set for every item: a line series' symbol or a dividing line leaves
    // its own pen behind, which must not outline the next symbol.
    TCanvasPen& pen = chart_->Canvas()->Pen();
    pen = TCanvasPen{};
    pen.Color = color_ == clBlack ? clWhite : clBlack;
    chart_->Canvas()->Brush().Bitmap = QImage();
}

void TCustomChartLegend::DrawSymbol(int index, const TRect& symbol)
{
    if (styleInEffect_ != lsValues) {
        if (TChartSeries* series = chart_->LegendSeriesAt(index))
            series->DrawLegendEntry(chart_->SeriesPaint(*series), -1, symbol);
        return;
    }
    if (TChartSeries* first = chart_->FirstActiveSeries()) {
        first->DrawLegendEntry(chart_->SeriesPaint(*first), first->LegendItemToPoint(index), symbol);
        return;
    }
    TCanvas3D& canvas = *chart_->Canvas();
    canvas.Brush().Color = clWhite;
    canvas.Brush().Style = bsSolid;
    canvas.Rectangle(symbol);
}

void TCustomChartLegend::DrawDividingLine(int slot, const TRect& symbol)
{
    if (slot <= 0 || !dividingLines_->Visible())
        return;
    TCanvas3D& canvas = *chart_->Canvas();
    canvas.AssignVisiblePen(*dividingLines_);
    canvas.SetBackgroundMode(bmTransparent);
    const TRect box = layout_.Box;
    if (layout_.Vertical)
        canvas.HLine(box.Left, box.Right, symbol.Top - 2);
    else
        canvas.VLine(symbol.Left - 4, box.Top, box.Bottom);
}
