#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/chart_brush.h"
#include "chart/canvas/chart_font.h"
#include "chart/canvas/chart_pen.h"
#include "chart/panel/title_layout.h"

#include <QStringList>

#include <memory>

class TCustomChartPanel;

// The text above (title) or below (foot) the plot area. Drawing it takes
// its lines' height plus TitleFootDistance from the plot rectangle. Every
// effective change of a property, its font, frame or brush repaints the
// owning chart.
class TChartTitle : private TPropertyOwner<TChartTitle>
{
public:
    explicit TChartTitle(TCustomChartPanel& chart);
    ~TChartTitle();
    TChartTitle(const TChartTitle&) = delete;
    TChartTitle& operator=(const TChartTitle&) = delete;

    TCustomChartPanel& ParentChart() const { return *chart_; }

    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value) { SetProperty(adjustFrame_, value); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { SetProperty(alignment_, value); }
    TChartBrush& Brush() const { return *brush_; }
    // clDefault: the background is taken from the brush.
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetProperty(color_, value); }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& value) { SetProperty(font_, value); }
    // Hidden by default.
    TChartPen& Frame() const { return *frame_; }
    // One entry per line.
    const QStringList& Text() const { return text_; }
    void SetText(const QStringList& value) { SetProperty(text_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }

    // The box the title took at the chart's last window paint: a view of
    // that paint's frame once the chart shows it one.
    TRect TitleBox() const { return shownBox_ ? *shownBox_ : titleBox_; }
    void ShowBoxOf(const TRect* windowBox) { shownBox_ = windowBox; }
    // The box of the paint in progress (or just finished), window or not.
    TRect PaintedBox() const { return titleBox_; }
    // Visible and (x, y) inside TitleBox (right and bottom edges excluded).
    bool Clicked(int x, int y) const { return visible_ && TitleBox().Contains({x, y}); }

    // Draws the title (onTop) or the foot and takes its space from the
    // chart's plot rectangle.
    void Draw(bool onTop);

    // Copies every setting; repaints once when anything changed.
    void Assign(const TChartTitle& other);

private:
    friend class TPropertyOwner<TChartTitle>;
    void Changed() const;
    // The canvas brush and background for the title's box.
    void PrepareBackground();
    bool FrameVisible() const;
    TTitleLayoutInput LayoutInput(bool onTop) const;

    TCustomChartPanel* chart_;
    std::unique_ptr<TChartBrush> brush_;
    std::unique_ptr<TChartHiddenPen> frame_;
    TFont font_;
    QStringList text_;
    TColor color_ = clDefault;
    TAlignment alignment_ = taCenter;
    bool adjustFrame_ = true;
    bool visible_ = true;
    TRect titleBox_;
    const TRect* shownBox_ = nullptr;
};
