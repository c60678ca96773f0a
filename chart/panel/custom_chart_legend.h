#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/chart_brush.h"
#include "chart/canvas/chart_font.h"
#include "chart/canvas/chart_pen.h"
#include "chart/panel/legend_area.h"
#include "chart/panel/legend_layout.h"
#include "chart/panel/legend_types.h"
#include "chart/series/legend_text_style.h"

#include <QString>
#include <QStringList>

#include <memory>

class TChartSeries;
class TCustomChart;

// The box that names the chart's series (or the points of one series), each
// beside a small symbol in its colour. Drawing it lays it out, paints it and
// takes its space from the plot rectangle; the layout of that paint is kept
// as one value, which the click test reads. Every effective change of a
// property, its font, pens or brush repaints the chart.
class TCustomChartLegend : public TLegendArea, private TPropertyOwner<TCustomChartLegend>
{
public:
    explicit TCustomChartLegend(TCustomChart& chart);
    ~TCustomChartLegend() override;
    TCustomChartLegend(const TCustomChartLegend&) = delete;
    TCustomChartLegend& operator=(const TCustomChartLegend&) = delete;

    // Copies every setting; repaints once when anything changed.
    virtual void Assign(const TCustomChartLegend& other);

    // --- properties ---------------------------------------------------------
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment value) { SetProperty(alignment_, value); }
    TChartBrush& Brush() const { return *brush_; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetProperty(color_, value); }
    // Symbol width in percent of the item width; LegendException outside 0..100.
    int ColorWidth() const { return colorWidth_; }
    void SetColorWidth(int value);
    TChartPen& DividingLines() const { return *dividingLines_; }
    // LegendException below 0.
    int FirstValue() const { return firstValue_; }
    void SetFirstValue(int value);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& value) { SetProperty(font_, value); }
    TChartPen& Frame() const { return *frame_; }
    // Gap to the plot of a side legend; 0: 3 % of the plot width.
    int HorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int value) { SetProperty(horizMargin_, value); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value) { SetProperty(inverted_, value); }
    TLegendStyle LegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle value);
    // Row limit of a top or bottom legend.
    int MaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int value) { SetProperty(maxNumRows_, value); }
    bool ResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool value) { SetProperty(resizeChart_, value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { SetProperty(shadowColor_, value); }
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int value) { SetProperty(shadowSize_, value); }
    TLegendTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TLegendTextStyle value) { SetProperty(textStyle_, value); }
    // Position in percent: down the chart for a side legend, right of centre
    // for a top or bottom one; LegendException outside 0..100.
    int TopPos() const { return topPos_; }
    void SetTopPos(int value);
    // Gap to the plot of a top or bottom legend; 0: 4 % of the plot height.
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int value) { SetProperty(vertMargin_, value); }
    bool Visible() const override { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }

    bool Vertical() const override { return alignment_ == laLeft || alignment_ == laRight; }

    // --- what the legend lists ------------------------------------------------
    // lsAuto resolved against the chart's active series.
    TLegendStyle EffectiveLegendStyle() const;
    // The style the last paint (or the last LegendStyle change) used.
    TLegendStyle StyleInEffect() const { return styleInEffect_; }
    int LegendItemTotal() const;
    // The text of item index, after the chart's OnGetLegendText.
    QString LegendItemCaption(int index) const;
    // A point's legend text on one line; empty without series or point.
    QString ValueItemCaption(const TChartSeries* series, int valueIndex) const;
    // The widest of n item texts from FirstValue on (all for -1) in the
    // canvas' current font.
    int WidestLegendText(int n) const;
    // Items that fit from yLegend on with itemHeight each, measured now.
    virtual int LegendCapacity(int yLegend, int itemHeight) const;
    // The symbol of an item whose text's left edge minus 4 is x.
    TRect SymbolRect(int x, int y, int bottom) const;

    // --- the last paint ---------------------------------------------------------
    // The layout of the chart's last window paint: a view of that paint's
    // frame once the chart shows it one.
    const TLegendLayout& LastLayout() const { return shown_ ? *shown_ : layout_; }
    void ShowLayoutOf(const TLegendLayout* windowLayout) { shown_ = windowLayout; }
    // The layout of the paint in progress (or just finished), window or not.
    const TLegendLayout& PaintedLayout() const { return layout_; }
    TRect LegendBox() const { return LastLayout().Box; }
    int ColumnTotal() const { return LastLayout().ColumnTotal; }
    int RowTotal() const { return LastLayout().RowTotal; }
    int SymbolWidth() const { return LastLayout().SymbolWidth; }

    // Lays out and paints the legend and takes its space from ChartRect.
    void Draw() override;
    // The slot under (x, y) in the last paint's layout (FirstValue and
    // Inverted not applied), or -1.
    int Clicked(int x, int y) const override;

private:
    friend class TPropertyOwner<TCustomChartLegend>;
    void Changed() const;
    QString RawCaption(int index) const;
    QStringList Captions() const;
    TLegendLayoutInput LayoutInput(const QStringList& captions) const;
    void DrawBackground();
    void DrawItem(const TLegendItemPlace& place, const QString& text);
    void DrawSymbol(int index, const TRect& symbol);
    void DrawDividingLine(int slot, const TRect& symbol);
    void PrepareSymbolPen();

    TCustomChart* chart_;
    std::unique_ptr<TChartBrush> brush_;
    std::unique_ptr<TChartHiddenPen> dividingLines_;
    std::unique_ptr<TChartPen> frame_;
    TFont font_;
    TLegendAlignment alignment_ = laRight;
    TLegendStyle legendStyle_ = lsAuto;
    TLegendStyle styleInEffect_ = lsSeries;
    TLegendTextStyle textStyle_ = ltsLeftValue;
    TColor color_ = clWhite;
    TColor shadowColor_ = clBlack;
    int colorWidth_ = 12;
    int firstValue_ = 0;
    int horizMargin_ = 0;
    int vertMargin_ = 0;
    int maxNumRows_ = 10;
    int shadowSize_ = 3;
    int topPos_ = 10;
    bool inverted_ = false;
    bool resizeChart_ = true;
    bool visible_ = true;

    TLegendLayout layout_;
    const TLegendLayout* shown_ = nullptr;
};
