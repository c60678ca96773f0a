#pragma once

#include "chart/canvas/chart_pen.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"
#include "chart/canvas/rect.h"
#include "chart/series/chart_series.h"
#include "chart/series/series_pointer.h"

#include <functional>
#include <memory>

class TCanvas3D;

// A marker was clicked. The series is passed read-only: the click test that
// fires it is a query.
using TSeriesClickPointerEvent =
    std::function<void(const TChartSeries& sender, int valueIndex, int x, int y)>;
// The marker style of one point, instead of Pointer().Style().
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(const TChartSeries& sender, int valueIndex)>;

// What line and point series share: segments between the points drawn with
// LinePen (optionally as stairs), a marker (Pointer()) at every point, the
// order in which segments and markers are drawn, the click test on markers
// and segments, the pixel margins markers need at the plot edges, and the
// legend symbol.
//
// A paint walks the visible points once, keeping the previous point and the
// marker waiting for its segment in the walk itself, never in the series. A
// marker is drawn one step late, after the segment that leaves its point, so
// every marker lies above both segments touching it.
class TCustomSeries : public TChartSeries
{
public:
    TCustomSeries();
    ~TCustomSeries() override;

    // Copies the line, area and pointer settings, then the base settings.
    void Assign(const TChartSeries& source) override;

    // --- Properties (compare, store, repaint on change) ---------------------
    TSeriesPointer& Pointer() const { return *pointer_; }
    TChartPen& LinePen() const { return *linePen_; }
    void SetLinePen(const TChartPen& value) { linePen_->Assign(value); }
    // Segments between the points are drawn.
    bool ConnectPoints() const { return connectPoints_; }
    void SetConnectPoints(bool value) { SetProperty(connectPoints_, value); }
    // Segments are drawn as steps, horizontal leg first...
    bool Stairs() const { return stairs_; }
    void SetStairs(bool value) { SetProperty(stairs_, value); }
    // ...or vertical leg first.
    bool InvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool value) { SetProperty(invertedStairs_, value); }
    // Clicks on segments select the point the segment starts at.
    bool SegmentsClickable() const { return segmentsClickable_; }
    void SetSegmentsClickable(bool value) { SetProperty(segmentsClickable_, value); }
    // Brush of the 3D ribbon and of the legend symbol.
    TBrushStyle LineBrush() const { return lineBrush_; }
    void SetLineBrush(TBrushStyle value) { SetProperty(lineBrush_, value); }
    // Extra height of the 3D ribbon in pixels.
    int LineHeight() const { return lineHeight_; }
    void SetLineHeight(int value) { SetProperty(lineHeight_, value); }
    // Darken the top of the 3D ribbon.
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { SetProperty(dark3D_, value); }

    // Area settings, for a series that fills under its line.
    bool DrawArea() const { return drawArea_; }
    void SetDrawArea(bool value) { SetProperty(drawArea_, value); }
    TBrushStyle AreaBrush() const { return areaBrush_; }
    void SetAreaBrush(TBrushStyle value) { SetProperty(areaBrush_, value); }
    // clDefault: the point's colour.
    TColor AreaColor() const { return areaColor_; }
    void SetAreaColor(TColor value) { SetProperty(areaColor_, value); }
    TChartPen& AreaLinesPen() const { return *areaLinesPen_; }
    void SetAreaLinesPen(const TChartPen& value) { areaLinesPen_->Assign(value); }

    // --- Events ---------------------------------------------------------------
    TSeriesClickPointerEvent OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;

    // --- Drawing and hit testing ------------------------------------------------
    // One walk over the visible points of paint.
    void DrawVisiblePoints(const TSeriesPaint& paint) override;
    // Point index on its own, as the first point of a walk.
    void DrawPoint(const TSeriesPaint& paint, int index) override;
    // Draws the marker of point index at pixel (x, y) for a point in colour.
    virtual void DrawPointerAt(const TSeriesPaint& paint, int x, int y, TColor colour, int index);
    // The marker of point index at (px, py) contains the mouse at (x, y):
    // strictly closer than the half sizes on both axes.
    virtual bool PointerHit(int index, int px, int py, int x, int y) const;
    // The pixel the area of point index reaches down to: the end of the
    // vertical axis.
    virtual int AreaBaseline(int index) const;
    // The index of the point whose marker, pixel or (starting) segment lies
    // under (x, y), as the frame drew it; -1 if none.
    int PointAtIn(const TSeriesFrame& frame, int x, int y) const override;

    void HorizontalMargins(int& left, int& right) const override;
    void VerticalMargins(int& top, int& bottom) const override;
    void DrawLegendSymbol(const TSeriesPaint& paint, int index, const TRect& rect) override;
    // The mark and the end of its arrow rise ArrowLength above the point.
    void DrawPointMark(const TSeriesPaint& paint, int index, const QString& text,
                       TSeriesMarkPosition position) override;
    QString EditorClassName() const override { return QStringLiteral("TCustomSeriesEditor"); }

private:
    class TLineWalk;
    friend class TLineWalk;

    void DrawLegendLine(const TSeriesPaint& paint, const TRect& rect, TColor colour);
    bool SegmentHit(TPoint mouse, TPoint from, TPoint to, int fromBaseline, int toBaseline) const;
    TCanvas3D* Canvas() const;

    std::unique_ptr<TSeriesPointer> pointer_;
    std::unique_ptr<TChartPen> linePen_;
    std::unique_ptr<TChartPen> areaLinesPen_;
    TColor areaColor_ = clDefault;
    TBrushStyle areaBrush_ = bsSolid;
    TBrushStyle lineBrush_ = bsSolid;
    int lineHeight_ = 0;
    bool segmentsClickable_ = true;
    bool dark3D_ = true;
    bool drawArea_ = false;
    bool connectPoints_ = false;
    bool invertedStairs_ = false;
    bool stairs_ = false;
};
