#pragma once

#include "chart/axes/axis_data_range.h"
#include "chart/axes/axis_host.h"
#include "chart/axes/chart_axis_list.h"
#include "chart/panel/chart_frame.h"
#include "chart/panel/chart_panel_extended.h"
#include "chart/series/chart_series.h"
#include "chart/series/chart_series_list.h"
#include "chart/series/series_host.h"

#include <memory>
#include <vector>

// The third layer of the chart control: its series and its axes, and the
// paint sequence that lays them out and draws them. It is the host both
// see (TSeriesHost, TAxisHost).
//
// Series handed over as std::unique_ptr belong to the chart and die with
// it; a series that joins by SetParentChart() stays its caller's. Removing
// a series from the chart never frees it.
class TCustomAxisPanel : public TCustomChartPanelExtended, public TSeriesHost, public TAxisHost
{
public:
    explicit TCustomAxisPanel(QWidget* parent = nullptr);
    ~TCustomAxisPanel() override;

    // --- shared by both hosts -------------------------------------------------
    void Invalidate() override;
    TRect ChartRect() const override { return TCustomChartPanel::ChartRect(); }
    TCanvas3D* Canvas() const override { return TCustomChartPanel::Canvas(); }
    bool View3D() const override { return TCustomChartPanel::View3D(); }
    void SetView3D(bool value) override { TCustomChartPanel::SetView3D(value); }
    int HighestDepthOrder() const override { return highestDepthOrder_; }
    void SetHighestDepthOrder(int value) override { highestDepthOrder_ = value; }
    bool DepthOrdering() const override { return TCustomChartPanel::DepthOrdering(); }
    int DepthWidth() const override { return TCustomChartPanel::DepthWidth(); }
    void CheckAngle(int angle, const QString& description) const override
    {
        TCustomChartPanel::CheckAngle(angle, description);
    }
    bool IsDestroying() const override { return destroying_; }

    // --- series ---------------------------------------------------------------
    const TChartSeriesList& SeriesList() const override { return seriesList_; }
    const TSeriesFrame* ShownFrame(const TChartSeries& series) const override;
    const TAxisFrame* ShownAxisFrame(const TCustomChartAxis& axis) const override;
    // Takes ownership and adds the series (FreeSeriesColour for clDefault).
    template <typename Series>
    Series& AddSeries(std::unique_ptr<Series> series)
    {
        Series& added = *series;
        ownedSeries_.push_back(std::move(series));
        added.SetParentChart(this);
        return added;
    }
    void AddSeries(TChartSeries& series) override;
    void RemoveSeries(TChartSeries& series) override;
    // Removes the series and hands it back when the chart owned it.
    std::unique_ptr<TChartSeries> TakeSeries(TChartSeries& series);
    // Raises ListIndexException outside 0..SeriesTotal()-1.
    TChartSeries& SeriesAt(int index) const { return seriesList_.Series(index); }
    int SeriesTotal() const { return seriesList_.Count(); }
    int ActiveCount() const { return seriesList_.ActiveCount(); }
    void RefreshFromSource(TChartSeries& series) override;
    // Raises ChartException when `source` feeds `series`, directly or not.
    void CheckDataSource(const TChartSeries& series, const TChartSeries& source) const override;
    QString FormatValue(const QString& picture, double value) const override;

    TColor FreeSeriesColour(bool checkBackground) const;
    virtual bool IsFreeSeriesColor(TColor colour, bool checkBackground) const;
    // The index-th active series shown in the legend, or null.
    TChartSeries* LegendSeriesAt(int index) const;
    QString LegendSeriesTitle(int index) const override;
    TChartSeries* FirstActiveSeries() const;

    // What the last paint for the window laid out: plot, axes, series,
    // legend, title and foot. Pictures and print-outs leave it alone.
    const TChartFrame& LastFrame() const { return lastFrame_; }

    // --- axes -------------------------------------------------------------------
    TChartAxis* BottomAxis() const override { return &axes_->Bottom(); }
    TChartAxis* TopAxis() const override { return &axes_->Top(); }
    TChartAxis* LeftAxis() const override { return &axes_->Left(); }
    TChartAxis* RightAxis() const override { return &axes_->Right(); }
    TChartDepthAxis* DepthAxis() const { return &axes_->Depth(); }
    // The five axes above in this order, then any added later.
    TChartAxisList& Axes() const { return *axes_; }
    bool AxisShown(const TCustomChartAxis& axis) const override;

    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool value) { SetProperty(axisVisible_, value); }
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool value) { SetProperty(view3DWalls_, value); }
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool value) override { SetProperty(clipPoints_, value); }

    // --- paging -------------------------------------------------------------------
    int MaxPointsPerPage() const override { return maxPointsPerPage_; }
    // Raises ChartException below 0.
    void SetMaxPointsPerPage(int value);
    int Page() const override { return page_; }
    void SetPage(int value) { GoToPage(value); }
    bool ScaleLastPage() const override { return scaleLastPage_; }
    void SetScaleLastPage(bool value) { SetProperty(scaleLastPage_, value); }
    virtual int PageCount() const;
    // Clamps to 1..PageCount(); repaints and fires OnPageChange on a change.
    virtual void GoToPage(int value);

    // The context a series draws in on this paint, its visible range not
    // yet found; the legend symbols are drawn in it too.
    TSeriesPaint SeriesPaint(const TChartSeries& series) const;
    // The legend's colour of the paint in progress, behind its symbols.
    void SetLegendBackColour(TColor value) { legendBackColour_ = value; }
    TColor LegendBackColour() const { return legendBackColour_; }

    // --- scaling queries ---------------------------------------------------------
    double AxisDataMinX(const TCustomChartAxis& axis) const { return DataRange(axis).Min; }
    double AxisDataMaxX(const TCustomChartAxis& axis) const { return DataRange(axis).Max; }
    double AxisDataMinY(const TCustomChartAxis& axis) const { return DataRange(axis).Min; }
    double AxisDataMaxY(const TCustomChartAxis& axis) const { return DataRange(axis).Max; }
    TChartSeries* AxisLeadSeries(const TCustomChartAxis& axis) const;

    // --- what the axes read ---------------------------------------------------------
    bool IsLoading() const override { return false; }
    int WallSize(TAxisSide side) const;
    int WidestPointLabel() const override;
    int WidestMarkOfChart() const override;
    QString SeriesMarkText(const TChartSeries& series, int index) const override;
    const TAxisOnGetLabel& GetAxisLabelEvent() const override { return OnGetAxisLabel; }
    const TAxisOnGetNextLabel& GetNextAxisLabelEvent() const override { return OnGetNextAxisLabel; }

    TChartNotifyEvent OnBeforeDrawAxes;
    TChartNotifyEvent OnBeforeDrawSeries;
    TChartNotifyEvent OnPageChange;
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;

protected:
    void InternalDraw(const TRect& userRect) override;
    // Title, foot and legend take their space from ChartRect.
    virtual void PlaceTitlesAndLegend() {}
    virtual void LayOutAxes();
    virtual void ApplySeriesMargins();
    virtual void PaintWalls() {}
    // The thickness of the wall the axis runs along; 0 at this layer.
    virtual int WallThickness(const TCustomChartAxis& axis) const;
    // The back wall's thickness in 3D with View3DWalls; 0 at this layer.
    virtual int BackWallThickness() const { return 0; }
    virtual void DrawZoomRectangle();
    void DrawAxes();
    // The frame the paint in progress lays out and draws.
    TChartFrame& PaintFrame() { return paintFrame_; }
    // Keeps the frame just painted as the window's; a series removed since
    // leaves it.
    void KeepWindowFrame() { lastFrame_ = std::move(paintFrame_); }
    TChartFrame& WindowFrame() { return lastFrame_; }
    // Puts the axes' working state of `frame` back.
    void RestoreWorkingState(const TChartFrame& frame);
    // Detaches and frees every series; the chart's destructors call it first.
    void FreeAllSeries();
    // From here on the chart neither repaints nor lets series repaint it.
    void BeginDestroying();

private:
    TAxisDataRange DataRange(const TCustomChartAxis& axis) const;
    void AssignDepthOrders();
    void SetSeriesDepthPositions();
    void SettleDepthSizes();
    TRect ReserveAxesSpace(TRect r);
    void DrawSeries(TChartSeries& series);
    template <typename Action>
    void ForEachActiveSeries(Action action) const
    {
        for (TChartSeries* s : seriesList_)
            if (s->Active())
                action(*s);
    }

    // Series: the list in drawing order, and those the chart owns.
    TChartSeriesList seriesList_{this};
    std::vector<std::unique_ptr<TChartSeries>> ownedSeries_;

    int maxPointsPerPage_ = 0;
    int page_ = 1;
    int highestDepthOrder_ = 0;
    bool scaleLastPage_ = true;
    bool axisVisible_ = true;
    bool view3DWalls_ = true;
    bool clipPoints_ = true;
    bool destroying_ = false;
    TColor legendBackColour_ = clWhite;
    TChartFrame paintFrame_;
    TChartFrame lastFrame_;
    // Last: the axes talk to this host while they are created.
    std::unique_ptr<TChartAxisList> axes_;
};
