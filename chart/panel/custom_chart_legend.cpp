#include "chart/panel/custom_chart_legend.h"

#include "chart/axes/text_block.h"
#include "chart/panel/custom_chart.h"
#include "chart/panel/legend_exception.h"

#include <algorithm>

TCustomChartLegend::TCustomChartLegend(TCustomChart& chart)
    : chart_(&chart),
      brush_(std::make_unique<TChartBrush>([this] { Changed(); })),
      dividingLines_(std::make_unique<TChartHiddenPen>([this] { Changed(); })),
      frame_(std::make_unique<TChartPen>([this] { Changed(); }))
{
}

TCustomChartLegend::~TCustomChartLegend() = default;

void TCustomChartLegend::Changed() const
{
    chart_->Invalidate();
}

void TCustomChartLegend::Assign(const TCustomChartLegend& other)
{
    if (&other == this)
        return;
    bool changed = AssignIfChanged(alignment_, other.alignment_);
    changed |= AssignIfChanged(color_, other.color_);
    changed |= AssignIfChanged(colorWidth_, other.colorWidth_);
    changed |= AssignIfChanged(firstValue_, other.firstValue_);
    changed |= AssignIfChanged(font_, other.font_);
    changed |= AssignIfChanged(horizMargin_, other.horizMargin_);
    changed |= AssignIfChanged(inverted_, other.inverted_);
    changed |= AssignIfChanged(legendStyle_, other.legendStyle_);
    changed |= AssignIfChanged(maxNumRows_, other.maxNumRows_);
    changed |= AssignIfChanged(resizeChart_, other.resizeChart_);
    changed |= AssignIfChanged(shadowColor_, other.shadowColor_);
    changed |= AssignIfChanged(shadowSize_, other.shadowSize_);
    changed |= AssignIfChanged(textStyle_, other.textStyle_);
    changed |= AssignIfChanged(topPos_, other.topPos_);
    changed |= AssignIfChanged(vertMargin_, other.vertMargin_);
    changed |= AssignIfChanged(visible_, other.visible_);
    brush_->Assign(other.Brush());
    dividingLines_->Assign(other.DividingLines());
    frame_->Assign(other.Frame());
    styleInEffect_ = EffectiveLegendStyle();
    if (changed)
        Changed();
}

void TCustomChartLegend::SetColorWidth(int value)
{
    if (value < 0 || value > 100)
        throw LegendException::ColorWidthOutOfRange();
    SetProperty(colorWidth_, value);
}

void TCustomChartLegend::SetFirstValue(int value)
{
    if (value < 0)
        throw LegendException::NegativeFirstValue();
    SetProperty(firstValue_, value);
}

void TCustomChartLegend::SetTopPos(int value)
{
    if (value < 0 || value > 100)
        throw LegendException::TopPosOutOfRange();
    SetProperty(topPos_, value);
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle value)
{
    SetProperty(legendStyle_, value);
    styleInEffect_ = EffectiveLegendStyle();
}

TLegendStyle TCustomChartLegend::EffectiveLegendStyle() const
{
    if (legendStyle_ != lsAuto)
        return legendStyle_;
    return chart_->ActiveCount() < 2 ? lsValues : lsSeries;
}

int TCustomChartLegend::LegendItemTotal() const
{
    int items = 0;
    if (styleInEffect_ == lsValues) {
        const TChartSeries* first = chart_->FirstActiveSeries();
        items = first && first->ShowInLegend() ? first->LegendItemCount() : 0;
    } else {
        const TChartSeriesList& list = chart_->SeriesList();
        items = int(std::count_if(list.begin(), list.end(),
                                  [](const TChartSeries* s) { return s->Active() && s->ShowInLegend(); }));
    }
    return std::max(0, items - firstValue_);
}

QString TCustomChartLegend::RawCaption(int index) const
{
    switch (styleInEffect_) {
    case lsValues:
        return ValueItemCaption(chart_->FirstActiveSeries(), index);
    case lsLastValues: {
        if (index < 0 || index >= chart_->SeriesTotal())
            return {};
        const TChartSeries& series = chart_->SeriesAt(index);
        return ValueItemCaption(&series, series.PointCount() - 1);
    }
    case lsAuto:
    case lsSeries:
        break;
    }
    return chart_->LegendSeriesTitle(index);
}

QString TCustomChartLegend::LegendItemCaption(int index) const
{
    QString text = RawCaption(index);
    if (chart_->OnGetLegendText)
        chart_->OnGetLegendText(*chart_, styleInEffect_, index, text);
    return text;
}

QString TCustomChartLegend::ValueItemCaption(const TChartSeries* series, int valueIndex) const
{
    if (!series || valueIndex < 0 || valueIndex >= series->PointCount())
        return {};
    // A value item is always one line.
    return series->LegendItemText(valueIndex, textStyle_).replace(LineSeparator, QLatin1Char(' '));
}

QStringList TCustomChartLegend::Captions() const
{
    QStringList captions;
    const int total = LegendItemTotal();
    for (int i = 0; i < total; ++i)
        captions << LegendItemCaption(firstValue_ + i);
    return captions;
}

int TCustomChartLegend::WidestLegendText(int n) const
{
    const int count = n < 0 ? LegendItemTotal() : n;
    const TCanvas3D& canvas = *chart_->Canvas();
    int widest = 0;
    for (int i = firstValue_; i < firstValue_ + count; ++i)
        widest = std::max(widest, canvas.MeasureWidth(LegendItemCaption(i)));
    return widest;
}

TLegendLayoutInput TCustomChartLegend::LayoutInput(const QStringList& captions) const
{
    const TCanvas3D& canvas = *chart_->Canvas();
    TLegendLayoutInput in;
    in.Alignment = alignment_;
    in.Plot = chart_->ChartRect();
    in.Bounds = chart_->PaintBounds();
    in.PlotWidth = chart_->PlotWidth();
    in.PlotHeight = chart_->PlotHeight();
    in.PlotCentreX = chart_->PlotCentreX();
    in.LineHeight = canvas.TextLineHeight();
    for (const QString& caption : captions)
        in.TextWidths.push_back(canvas.MeasureWidth(caption));
    in.FrameVisible = frame_->Visible();
    in.FrameWidth = frame_->Width();
    in.ColorWidth = colorWidth_;
    in.TopPos = topPos_;
    in.ShadowSize = shadowSize_;
    in.MaxNumRows = maxNumRows_;
    in.HorizMargin = horizMargin_;
    in.VertMargin = vertMargin_;
    in.ResizeChart = resizeChart_;
    in.Inverted = inverted_;
    in.FirstValue = firstValue_;
    return in;
}

int TCustomChartLegend::LegendCapacity(int yLegend, int itemHeight) const
{
    TLegendLayoutInput in = LayoutInput({});
    in.TextWidths.assign(std::size_t(LegendItemTotal()), 0);
    return ::LegendCapacity(in, yLegend, itemHeight);
}

TRect TCustomChartLegend::SymbolRect(int x, int y, int bottom) const
{
    return {x - layout_.SymbolWidth, y + 2, x, bottom - 2};
}

int TCustomChartLegend::Clicked(int x, int y) const
{
    return LegendSlotAt(LastLayout(), x, y);
}
