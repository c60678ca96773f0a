#pragma once

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
class TChartTitle
{
public:
    explicit TChartTitle(TCustomChartPanel& chart);
    ~TChartTitle();
    TChartTitle(const TChartTitle&) = delete;
    TChartTitle& operator=(const TChartTitle&) = delete;

    TCustomChartPanel& ParentChart() const { return *chart_; }

    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value) { Set(adjustFrame_, value); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Set(alignment_, value); }
    TChartBrush& Brush() const { return *brush_; }
    // clDefault: the background is taken from the brush.
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Set(color_, value); }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& value) { Set(font_, value); }
    // Hidden by default.
    TChartPen& Frame() const { return *frame_; }
    // One entry per line.
    const QStringList& Text() const { return text_; }
    void SetText(const QStringList& value) { Set(text_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Set(visible_, value); }

    // The box the title took at its last paint.
    TRect TitleBox() const { return titleBox_; }
    // Visible and (x, y) inside TitleBox (right and bottom edges excluded).
    bool Clicked(int x, int y) const { return visible_ && titleBox_.Contains({x, y}); }

    // Draws the title (onTop) or the foot and takes its space from the
    // chart's plot rectangle.
    void Draw(bool onTop);

    // Copies every setting; repaints once when anything changed.
    void Assign(const TChartTitle& other);

private:
    template <typename T, typename U>
    void Set(T& field, U&& value)
    {
        if (AssignIfChanged(field, std::forward<U>(value)))
            Changed();
    }
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
};
