#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"
#include "chart/canvas/rect.h"
#include "chart/series/chart_function.h"
#include "chart/series/chart_series_list.h"
#include "chart/series/chart_value_list.h"
#include "chart/series/chart_value_lists.h"
#include "chart/series/legend_text_style.h"
#include "chart/series/series_frame.h"
#include "chart/series/series_host.h"
#include "chart/series/series_marks.h"
#include "chart/series/series_paint.h"
#include "chart/series/series_types.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// The base of every series: one named set of points drawn in a chart. It
// owns the point data (X and Y value lists, a colour and a label per point),
// the settings every series type shares, the program's events, and the
// protocol through which the chart and its axes talk to a series. It sees
// the chart only through TSeriesHost and the axes through TSeriesAxis.
//
// Points are kept sorted by X (XValues().Order() is loAscending); among
// equal X values the later addition comes later.
class TChartSeries : public TValueListOwner, protected TPropertyOwner<TChartSeries>
{
public:
    TChartSeries();
    ~TChartSeries() override;

    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    // Copies settings, data sources or points from another series.
    virtual void Assign(const TChartSeries& source);

    // --- Identity ---------------------------------------------------------
    const QString& Name() const { return name_; }
    void SetName(const QString& value) { name_ = value; }
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t value) { tag_ = value; }

    // --- Points -----------------------------------------------------------
    int PointCount() const { return xValues_->ValueCount(); }
    TChartValueList& XValues() const { return *xValues_; }
    TChartValueList& YValues() const { return *yValues_; }
    TChartValueLists& ValuesList() override { return valueLists_; }
    const TChartValueLists& ValuesList() const { return valueLists_; }

    // Inserts a point in X order; returns its index, or -1 when OnBeforeAdd
    // cancels. clDefault colours follow SeriesColor; clNone makes a null point.
    virtual int AddPoint(double x, double y, const QString& label = {}, TColor colour = clDefault);
    virtual int AppendValue(double value, const QString& label = {}, TColor colour = clDefault);
    virtual int AppendNullValue(const QString& label = {});
    virtual int AddNullPoint(double x, double y, const QString& label = {});
    virtual void ClearPoints();
    virtual void DeletePoint(int index);
    void SwapPoints(int i, int j) override;

    virtual double PointX(int index) const;
    virtual double PointY(int index) const;
    virtual TColor PointColor(int index) const;
    virtual QString PointLabel(int index) const;
    bool IsNullPoint(int index) const { return PointColor(index) == clNone; }
    // Stores the own colour of an existing point.
    void SetPointColor(int index, TColor colour);
    // Number of entries in the labels list (may be below PointCount()).
    int LabelCount() const { return int(labels_.size()); }
    int ColourCount() const { return int(colours_.size()); }

    bool IsYMain() const { return &MainValueList() == yValues_.get(); }
    virtual TChartValueList& MainValueList() const { return *yValues_; }
    // The first further list (index 2 on) named so, ignoring case; YValues() otherwise.
    virtual TChartValueList& ValueListByName(const QString& name) const;
    virtual void InsertExtraValues(int index);
    virtual void ResetPendingValue(TChartValueList& list) { list.SetPendingValue(0); }
    double ValueForAxis(bool horizontal, int index) const
    {
        return horizontal ? PointX(index) : PointY(index);
    }
    virtual double ValueForOrigin(int index) const { return ValueForMark(index); }
    virtual double ValueForMark(int index) const { return MainValueList().ValueAt(index); }
    // Sum of the positive origins at index of the active series of the same
    // type before this one in the chart (all of them when all is set).
    virtual double StackedOrigin(int index, bool all) const;

    // --- Extremes for axis scaling (from the lists' cached statistics) ------
    virtual double LowestX() { return xValues_->Lowest(); }
    virtual double HighestX() { return xValues_->Highest(); }
    virtual double LowestY() { return yValues_->Lowest(); }
    virtual double HighestY() { return yValues_->Highest(); }
    virtual double LowestZ() { return DepthOrder(); }
    virtual double HighestZ() { return DepthOrder(); }

    // --- Chart and axes ---------------------------------------------------
    TSeriesHost* ParentChart() const { return parentChart_; }
    virtual void SetParentChart(TSeriesHost* chart);
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis value);
    // Axes used with aCustomHorizAxis / aCustomVertAxis; not owned.
    TSeriesAxis* CustomHorizAxis() const { return customHorizAxis_; }
    void SetCustomHorizAxis(TSeriesAxis* axis);
    TSeriesAxis* CustomVertAxis() const { return customVertAxis_; }
    void SetCustomVertAxis(TSeriesAxis* axis);
    void ResolveAxes();
    TSeriesAxis* BoundHorizAxis() const { return boundHorizAxis_; }
    TSeriesAxis* BoundVertAxis() const { return boundVertAxis_; }
    virtual bool IsBoundToAxis(const TSeriesAxis* axis) const;
    virtual bool UsesAxes() const { return true; }

    int ValueToPixelX(double value) const;
    int ValueToPixelY(double value) const;
    double PixelToValueX(int pixel) const;
    virtual int PointPixelX(int index) const { return ValueToPixelX(PointX(index)); }
    virtual int PointPixelY(int index) const { return ValueToPixelY(PointY(index)); }
    // Pixels the axes keep free at the plot edges; the base needs none.
    virtual void HorizontalMargins(int& left, int& right) const;
    virtual void VerticalMargins(int& top, int& bottom) const;

    void RequestRepaint() override;

    // --- Drawing ----------------------------------------------------------
    // The points along the category axis that lie in plot, as the bound
    // axes map them now: {first, last}, both -1 when none.
    std::pair<int, int> VisibleRangeIn(const TRect& plot) const;
    // Sets FirstVisible()/LastVisible() from the category axis' range, for
    // a series its chart has not painted (the chart's paint finds its own).
    void CalcVisibleRange(const TRect& plot);
    // The visible range of the chart's last window paint: a view of that
    // paint's frame, or what CalcVisibleRange found without one.
    int FirstVisible() const;
    int LastVisible() const;
    // The paint context of this series on canvas, with the visible range of
    // plot; the chart adds its colours.
    TSeriesPaint PaintContext(TCanvas3D& canvas, const TRect& plot) const;
    // Where a paint draws point index.
    TPoint PointPixelIn(const TSeriesPaint& paint, int index) const;
    // This series as paint drew it, with the pixel of every visible point.
    TSeriesFrame FrameOf(const TSeriesPaint& paint) const;
    // What the last window paint drew of this series, or its own range
    // drawn with the bound axes as they map now.
    TSeriesFrame Frame() const;
    // Counts every change of the points: a frame of an older count is stale.
    int DataChanges() const { return dataChanges_; }
    virtual void PrepareForPaint() {}
    virtual void FireBeforeDrawValues();
    virtual void DrawVisiblePoints(const TSeriesPaint& paint);
    virtual void DrawPoint(const TSeriesPaint& paint, int index) { (void)paint; (void)index; }
    virtual void FireAfterDrawValues();
    virtual bool DrawsPointsForward() const { return true; }
    virtual bool DrawsSeriesForward(int index) const { (void)index; return true; }

    // --- Mouse ------------------------------------------------------------
    // The point under (x, y) in the working state of the last paint.
    virtual int PointAt(int x, int y) const;
    // The point under (x, y) as `frame` drew this series; -1 if none.
    virtual int PointAtIn(const TSeriesFrame& frame, int x, int y) const
    {
        (void)frame; (void)x; (void)y;
        return -1;
    }
    // Fires OnDblClick or OnClick; true when the click was consumed.
    virtual bool HandleClick(int index, TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMoved(TShiftState shift, int x, int y) { (void)shift; (void)x; (void)y; }
    virtual void MouseReleased(TMouseButton button, TShiftState shift, int x, int y)
    {
        (void)button; (void)shift; (void)x; (void)y;
    }

    // --- Legend items -----------------------------------------------------
    virtual int LegendItemCount() const { return PointCount(); }
    virtual int LegendItemToPoint(int legendIndex) const { return legendIndex; }
    virtual TColor LegendItemColour(int legendIndex) const { return PointColor(legendIndex); }
    // The legend text of a point: its label, with its value, percent of the
    // series' absolute sum or X value as style asks.
    virtual QString LegendItemText(int legendIndex, TLegendTextStyle style) const;
    // Draws the legend symbol of point index (-1: the whole series) into
    // rect: prepares the canvas brush in the item's colour against the
    // legend's colour, then DrawLegendSymbol. Draws nothing for a clNone
    // item, or for the whole series when every point has its own colour.
    virtual void DrawLegendEntry(const TSeriesPaint& paint, int index, const TRect& rect);
    // Draws the symbol of point index (-1: the whole series) into rect on the
    // chart's canvas, whose pen and brush the legend has prepared. The base
    // symbol is the rectangle itself.
    virtual void DrawLegendSymbol(const TSeriesPaint& paint, int index, const TRect& rect);
    // May change the back colour and brush style the legend prepares the
    // canvas with before the symbol is drawn; the base changes nothing.
    virtual void PrepareLegendBrush(const TSeriesPaint& paint, int index, TColor& backColour,
                                    TBrushStyle& brushStyle)
    {
        (void)paint; (void)index; (void)backColour; (void)brushStyle;
    }

    // --- Depth (3D only; all 0 in a 2D chart) -------------------------------
    // The fixed depth order, or the computed one while it is -1.
    int DepthOrder() const { return depthOrder_ == -1 ? computedDepth_ : depthOrder_; }
    int FixedDepthOrder() const { return depthOrder_; }
    void SetDepthOrder(int value);
    virtual void AssignDepthOrder();
    virtual bool SharesDepth() const;
    virtual void Apply3DSetting(bool view3D);
    bool OwnDepthValues() const { return ownDepthValues_; }
    void SetOwnDepthValues(bool value) { ownDepthValues_ = value; }
    int StartZ() const { return startZ_; }
    int MiddleZ() const { return middleZ_; }
    int EndZ() const { return endZ_; }
    void SetDepthPositions(int start, int middle, int end);

    // --- Data sources and linked series -----------------------------------
    const std::vector<TChartSeries*>& DataSources() const { return dataSources_; }
    TChartSeries* DataSource() const { return dataSources_.empty() ? nullptr : dataSources_.front(); }
    // Makes source the one series feeding this one and lets the chart load
    // its points; none unlinks every source and clears the points. Raises
    // ChartException without a chart, for a source this series cannot take,
    // and for a source that this series feeds itself; nothing changes then.
    void SetDataSource(TChartSeries* source);
    const std::vector<TChartSeries*>& DependentSeries() const { return dependentSeries_; }
    // Makes source feed this series (after the chart accepted it).
    void LinkSource(TChartSeries& source);
    // Stops taking points from every source.
    void UnlinkSources();
    void NotifyLinkedSeries(TLinkedChange kind, int index) override;
    void CheckDataSource() override;
    virtual int AppendFromSource(const TChartSeries& source, int index);
    virtual void SourcePointAdded(const TChartSeries& source, int index);
    virtual void SourcePointDeleted(const TChartSeries& source, int index);
    virtual void LoadFromSource(const TChartSeries& source);
    virtual bool CanTakeSource(const TChartSeries* series) const { return series != this; }
    virtual bool CanTakeSeriesSource(const TChartSeries* series) const { (void)series; return true; }
    TSeriesRecalcOptions RecalcOptions() const { return recalcOptions_; }
    void SetRecalcOptions(TSeriesRecalcOptions value) { recalcOptions_ = value; }
    TChartFunction* Function() const { return function_.get(); }
    virtual void AttachFunction(std::unique_ptr<TChartFunction> function);

    // --- Properties (compare, store, repaint on change) ---------------------
    bool Active() const { return active_; }
    virtual void SetActive(bool value) { SetProperty(active_, value); }
    TColor SeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(TColor value) { SetProperty(seriesColor_, value); }
    bool ColorEachPoint() const { return colorEachPoint_; }
    virtual void SetColorEachPoint(bool value);
    const QString& Title() const { return title_; }
    void SetTitle(const QString& value) { SetProperty(title_, value); }
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value) { SetProperty(showInLegend_, value); }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value) { SetProperty(cursor_, value); }
    const QString& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const QString& value) { SetProperty(valueFormat_, value); }
    const QString& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const QString& value) { SetProperty(percentFormat_, value); }
    const QString& ColorSource() const { return colorSource_; }
    void SetColorSource(const QString& value) { SetProperty(colorSource_, value); }
    const QString& XLabelsSource() const { return xLabelsSource_; }
    void SetXLabelsSource(const QString& value) { SetProperty(xLabelsSource_, value); }
    bool LimitToVisible() const { return limitToVisible_; }
    void SetLimitToVisible(bool value) { SetProperty(limitToVisible_, value); }
    bool ExtendToEdges() const { return extendToEdges_; }
    void SetExtendToEdges(bool value) { SetProperty(extendToEdges_, value); }
    bool SinglePointAllowed() const { return singlePointAllowed_; }
    void SetSinglePointAllowed(bool value) { SetProperty(singlePointAllowed_, value); }
    TSeriesMarks& Marks() const { return *marks_; }

    // --- Marks (value labels next to the points) ----------------------------
    // The text of point index's mark by Marks().Style(), after OnGetMarkText.
    QString MarkText(int index) const;
    // The same with the legend's text style given, as a paint hands it over.
    QString MarkTextIn(int index, TLegendTextStyle legendStyle) const;
    // The widest mark text of all points on the chart's canvas; 0 without one.
    int WidestMark() const;
    // Draws the mark of every visible point that is not null and has a
    // text; the chart calls it after DrawVisiblePoints().
    void DrawMarks(const TSeriesPaint& paint);
    // Draws the mark of point index at position in the point's colour;
    // series types move the position first.
    virtual void DrawPointMark(const TSeriesPaint& paint, int index, const QString& text,
                               TSeriesMarkPosition position);

    // Design-time values, kept for copying only.
    const QString& Identifier() const { return identifier_; }
    void SetIdentifier(const QString& value) { identifier_ = value; }
    std::uint8_t EditorFlags() const { return editorFlags_; }
    void SetEditorFlags(std::uint8_t value) { editorFlags_ = value & 0x3F; }
    virtual QString EditorClassName() const { return {}; }
    // Number of points a designer's sample fill would add.
    virtual int SampleCount() const { return 26; }
    // Replaces the points by count random ones at evenly spaced X values
    // (days from today for a date-time X list), their Y in the range of the
    // chart's other series or 0..1000. Raises ChartException for count < 1.
    virtual void FillSampleValues(int count);

    // --- Events -------------------------------------------------------------
    TNotifyEvent AfterDrawValues;
    TNotifyEvent BeforeDrawValues;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnClear OnClearValues;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    TSeriesOnGetMarkText OnGetMarkText;

protected:
    // Removes every value, colour, label and mark position, giving the
    // storage back.
    virtual void ClearStorage();
    // Fires OnAfterAdd, tells linked series, repaints when active.
    virtual void PointAdded(int index);
    // Pen or brush of the series changed.
    virtual void PenOrBrushChanged() { RequestRepaint(); }

    // What SetProperty does after an effective change.
    void Changed() { RequestRepaint(); }
    friend class TPropertyOwner<TChartSeries>;

private:
    void InsertPointExtras(int index, TColor colour, const QString& label);

    // Point data. valueLists_ is declared first: the lists leave it when
    // they are destroyed.
    TChartValueLists valueLists_;
    std::unique_ptr<TChartValueList> xValues_;
    std::unique_ptr<TChartValueList> yValues_;
    std::vector<TColor> colours_;
    // An empty string is an absent label. A QList, whose insertions move
    // strings as plain memory.
    QList<QString> labels_;
    std::unique_ptr<TSeriesMarks> marks_;

    // Links to other objects, none owned except the function.
    TSeriesHost* parentChart_ = nullptr;
    TSeriesAxis* boundHorizAxis_ = nullptr;
    TSeriesAxis* boundVertAxis_ = nullptr;
    TSeriesAxis* customHorizAxis_ = nullptr;
    TSeriesAxis* customVertAxis_ = nullptr;
    std::vector<TChartSeries*> dataSources_;
    std::vector<TChartSeries*> dependentSeries_;
    std::unique_ptr<TChartFunction> function_;

    // Settings.
    QString name_;
    std::intptr_t tag_ = 0;
    QString title_;
    QString valueFormat_ = QStringLiteral("#,##0.###");
    QString percentFormat_ = QStringLiteral("##0.## %");
    QString colorSource_;
    QString xLabelsSource_;
    QString identifier_;
    TColor seriesColor_ = clDefault;
    TCursor cursor_ = crDefault;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TSeriesRecalcOptions recalcOptions_ = kAllRecalcOptions;
    std::uint8_t editorFlags_ = 0;
    int depthOrder_ = -1;
    bool active_ = true;
    bool colorEachPoint_ = false;
    bool showInLegend_ = true;
    bool limitToVisible_ = true;
    bool extendToEdges_ = false;
    bool singlePointAllowed_ = true;
    bool ownDepthValues_ = false;

    // Above 0 while a bulk change holds the chart's repaints back.
    int repaintPauses_ = 0;

    int dataChanges_ = 0;

    // The range CalcVisibleRange found, for a series no window paint drew.
    int firstVisible_ = -1;
    int lastVisible_ = -1;
    int computedDepth_ = 0;
    int startZ_ = 0;
    int middleZ_ = 0;
    int endZ_ = 0;
};
